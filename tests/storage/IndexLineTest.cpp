#include "IndexLine.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

const QDateTime kFixedClock(QDate(2024, 3, 5), QTime(14, 7, 9));

TEST(IndexLine, ReadsFirstWordDateLevelThenPlayer)
{
    EXPECT_EQ(buildIndexLine("Game", kFixedClock, "Easy", "Bob"), QStringLiteral("Game 05-03-2024 14 H07 Mn09 S Easy Bob"));
    EXPECT_EQ(saveTimestampText(QDateTime(QDate(2031, 12, 31), QTime(23, 59, 59))),
              QStringLiteral("31-12-2031 23 H59 Mn59 S"));
    EXPECT_EQ(buildIndexLine("Game", kFixedClock, "Easy", ""), QStringLiteral("Game 05-03-2024 14 H07 Mn09 S Easy "));
}

TEST(IndexLine, CutsTheLevelNameTo22CharactersButNotThePlayerName)
{
    const QString player = QStringLiteral("a player name well beyond ten characters");
    EXPECT_EQ(buildIndexLine("Game", kFixedClock, "ABCDEFGHIJKLMNOPQRSTUVWXYZ", player),
              QStringLiteral("Game 05-03-2024 14 H07 Mn09 S ABCDEFGHIJKLMNOPQRSTUV ") + player);
}

TEST(IndexLine, SeparatorsAndControlsInANameCannotLeaveTheFolder)
{
    const QString line = buildIndexLine("Game", kFixedClock, "Easy", "../../etc/passwd\\x\nnext");
    EXPECT_EQ(line, QStringLiteral("Game 05-03-2024 14 H07 Mn09 S Easy .._.._etc_passwd_x_next"));
    EXPECT_TRUE(isSafeGameFileName(line));
}

TEST(GameFileName, UnsafeTextsBecomeSafeOnes)
{
    const std::pair<QString, QString> cases[] = {
        {"a/b", "a_b"},
        {"a\\b", "a_b"},
        {QString("a") + QChar(0) + "b", "a_b"},
        {"tab\tcr\rlf\ndel\x7f", "tab_cr_lf_del_"},
        {QString("c1") + QChar(0x81), "c1_"},
        {".", "_"},
        {"..", "__"},
        {"", "_"},
        {"...", "..."},
        {"save.FRD", "save.FRD_"},
        {"Save.frd.lock", "Save.frd.lock_"},
        {QString::fromUtf8("Ωmega"), "?mega"},
        {"plain name ", "plain name "},
    };
    for (const auto& [in, out] : cases) {
        EXPECT_EQ(safeGameFileName(in), out) << in.toStdString();
        EXPECT_EQ(isSafeGameFileName(in), in == out) << in.toStdString();
    }
}

TEST(GameFileName, TooLongNamesLoseWholeCharactersFromTheEndDownTo255Bytes)
{
    const QChar eAcute(0xe9);  // two UTF-8 bytes
    const QChar euro(0x20ac);  // three UTF-8 bytes
    const std::pair<QString, QString> cases[] = {
        {QString(300, eAcute), QString(127, eAcute)},
        {QString(254, u'x') + euro, QString(254, u'x')},
        {QString(252, u'x') + euro + u'y', QString(252, u'x') + euro},
        // Names of 100 000 characters, as a pasted text can make them.
        {QString(100000, u'x'), QString(255, u'x')},
        {QString(100000, eAcute), QString(127, eAcute)},
        {u'a' + QString(100000, euro), u'a' + QString(84, euro)},
    };
    for (const auto& [in, out] : cases) {
        const QString cut = safeGameFileName(in);
        EXPECT_EQ(cut, out) << in.size();
        EXPECT_TRUE(isSafeGameFileName(cut));
        EXPECT_FALSE(isSafeGameFileName(in));
        EXPECT_LE(QFile::encodeName(cut).size(), 255);
    }
}

} // namespace
