#include "SavedGameCodec.h"
#include "StorageTestSupport.h"

#include <gtest/gtest.h>

#include <bit>
#include <limits>

namespace L = SavedGameLayout;

namespace {

TEST(SavedGameCodec, RecordRoundTripsThrough999Bytes)
{
    SavedGameRecord record = sampleRecord();
    const QByteArray bytes = EncodeSavedGame(record);
    ASSERT_EQ(bytes.size(), 999);
    QString error;
    const auto decoded = DecodeSavedGame(bytes, &error);
    ASSERT_TRUE(decoded.has_value()) << error.toStdString();
    EXPECT_EQ(*decoded, record);

    record.playerName = QStringLiteral("Jean-Baptiste");
    EXPECT_EQ(DecodeSavedGame(EncodeSavedGame(record), nullptr)->playerName, QStringLiteral("Jean-Bapti"));
}

TEST(SavedGameCodec, WritesEachFieldAtItsOffset)
{
    SavedGameRecord r;
    r.current.fill(255);
    r.current[0] = 1;
    r.current[80] = 2;
    r.solution[0] = 3;
    r.solution[80] = 4;
    r.givens[0] = 5;
    r.givens[80] = 6;
    r.marks[0] = 1;
    r.marks[728] = 1;
    r.playerName = QString::fromUtf8("Zoé");
    r.level = 4;
    r.gridNumber = -2;
    r.gameTime = 125.7; // 0x405F6CCCCCCCCCCD
    const QByteArray b = EncodeSavedGame(r);
    const auto at = [&b](qsizetype i) { return static_cast<std::uint8_t>(b.at(i)); };

    EXPECT_EQ(at(0), 1);
    EXPECT_EQ(at(1), 255);
    EXPECT_EQ(at(80), 2);
    EXPECT_EQ(at(81), 3);
    EXPECT_EQ(at(161), 4);
    EXPECT_EQ(at(162), 5);
    EXPECT_EQ(at(242), 6);
    EXPECT_EQ(at(243), 1);
    EXPECT_EQ(at(244), 0);
    EXPECT_EQ(at(971), 1);
    EXPECT_EQ(b.mid(972, 11), QByteArray("\x03Zo\xe9\0\0\0\0\0\0\0", 11));
    EXPECT_EQ(b.mid(983, 4), QByteArray("\x04\0\0\0", 4));
    EXPECT_EQ(b.mid(987, 4), QByteArray("\xfe\xff\xff\xff", 4));
    EXPECT_EQ(b.mid(991, 8), QByteArray("\xcd\xcc\xcc\xcc\xcc\x6c\x5f\x40", 8));
}

void putInt32(QByteArray& b, qsizetype offset, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[offset + i] = static_cast<char>(v >> (8 * i));
}

void putTime(QByteArray& b, double t)
{
    const auto bits = std::bit_cast<std::uint64_t>(t);
    putInt32(b, L::kGameTime, static_cast<std::uint32_t>(bits));
    putInt32(b, L::kGameTime + 4, static_cast<std::uint32_t>(bits >> 32));
}

struct Corruption {
    const char* name;
    void (*apply)(QByteArray&);
};

class RefusedSavedGame : public testing::TestWithParam<Corruption> {};

TEST_P(RefusedSavedGame, GivesAnErrorAndNoRecord)
{
    QByteArray b = EncodeSavedGame(sampleRecord());
    GetParam().apply(b);
    QString error;
    EXPECT_FALSE(DecodeSavedGame(b, &error).has_value());
    EXPECT_FALSE(error.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    SavedGameCodec, RefusedSavedGame,
    testing::Values(Corruption{"Empty", [](QByteArray& b) { b.clear(); }},
                    Corruption{"OneByteShort", [](QByteArray& b) { b.chop(1); }},
                    Corruption{"OneByteLong", [](QByteArray& b) { b.append('\0'); }},
                    Corruption{"NameLength11", [](QByteArray& b) { b[L::kName] = 11; }},
                    Corruption{"NameLength255", [](QByteArray& b) { b[L::kName] = '\xff'; }},
                    Corruption{"LevelMinus1", [](QByteArray& b) { putInt32(b, L::kLevel, 0xffffffff); }},
                    Corruption{"Level5", [](QByteArray& b) { putInt32(b, L::kLevel, 5); }},
                    Corruption{"Digit9InCurrent", [](QByteArray& b) { b[L::kCurrent + 40] = 9; }},
                    Corruption{"Byte254InSolution", [](QByteArray& b) { b[L::kSolution + 80] = '\xfe'; }},
                    Corruption{"Digit9InGivens", [](QByteArray& b) { b[L::kGivens] = 9; }},
                    Corruption{"PencilMark2", [](QByteArray& b) { b[L::kMarks + 728] = 2; }},
                    Corruption{"TimeNaN", [](QByteArray& b) { putTime(b, std::numeric_limits<double>::quiet_NaN()); }},
                    Corruption{"TimeNegative", [](QByteArray& b) { putTime(b, -1.0); }}),
    [](const testing::TestParamInfo<Corruption>& info) { return std::string(info.param.name); });

} // namespace
