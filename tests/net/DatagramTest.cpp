#include "Datagram.h"
#include "HexToInt.h"
#include "NetError.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace std::string_literals;
using datagram::Kind;

namespace {

const std::string kSolution =
    "123456789+456789123+789123456+234567891+567891234+891234567+345678912+678912345+912345678";
const std::string kPuzzle =
    "1_3_5_7_9+_5_7_9_2_+7_9_2_4_6+_3_5_7_9_+5_7_9_2_4+_9_2_4_6_+3_5_7_9_2+_7_9_2_4_+9_2_4_6_8";
const std::string kPlayers = "2EE0127.0.0.1=Host\r\n2EE1192.0.2.7=Ann\r\n";

std::string start(const std::string& fields)
{
    return "2EE00000002ASudokuGameStart" + fields + "\0"s;
}

} // namespace

TEST(HexText, WritesUpperCasePaddedAndNegativesAsEightDigits)
{
    EXPECT_EQ(datagram::intToHex(80, 4), "0050");
    EXPECT_EQ(datagram::intToHex(12000, 4), "2EE0");
    EXPECT_EQ(datagram::intToHex(65535, 4), "FFFF");
    EXPECT_EQ(datagram::intToHex(-1, 8), "FFFFFFFF");
    EXPECT_EQ(datagram::intToHex(-1, 2), "FFFFFFFF");
    EXPECT_EQ(datagram::intToHex(8, 2), "08");
    EXPECT_EQ(datagram::intToHex(0x1ABCDEF, 2), "1ABCDEF");

    EXPECT_EQ(HexToInt(QStringLiteral("2ee0")), 12000);
    EXPECT_EQ(HexToInt(QStringLiteral("FFFFFFFF")), -1);
    EXPECT_EQ(HexToInt(QStringLiteral("0000000007")), 7);
    for (const char* bad : {"", " 1", "12G", "100000000", "-1", "$10"})
        EXPECT_THROW(HexToInt(QString::fromLatin1(bad)), EConvertError) << bad;
}

TEST(DatagramFrame, PortThenGameIdThenMessageThenOneZeroByte)
{
    EXPECT_EQ(datagram::frame(80, -1, datagram::locateRequest()), "0050FFFFFFFFSudokuLocateRequest\0"s);
    EXPECT_EQ(datagram::frame(12000, 42, datagram::joinRequest("A=B")), "2EE00000002ASudokuJoinRequestA=B\0"s);
    // Erasing (3, 5) by player 1, then digit 9 there.
    EXPECT_EQ(datagram::piecePlaced(1, 3, 5, -1), "SudokuGamePiecePlaced0135FFFFFFFF");
    EXPECT_EQ(datagram::piecePlaced(1, 3, 5, 8), "SudokuGamePiecePlaced013508");
    EXPECT_EQ(datagram::gameStart(2, "P", "S", "L\r\n"), "SudokuGameStart02P|S|L\r\n");
}

TEST(DatagramParse, ReadsTheHeaderAndTheFieldsOfEachKind)
{
    const auto join = datagram::parse("2EE10000002ASudokuJoinRequestAnn=Lee \0"s, "192.0.2.7");
    ASSERT_TRUE(join.ok()) << join.rejection;
    EXPECT_EQ(join.message->kind, Kind::JoinRequest);
    EXPECT_EQ(join.message->senderPort, 12001);
    EXPECT_EQ(join.message->gameId, 42);
    EXPECT_EQ(join.message->name, "Ann=Lee ");
    EXPECT_EQ(join.message->sourceAddress, "192.0.2.7");
    EXPECT_EQ(datagram::parse("2EE0ffffffffSudokuLocateRequest\0"s, "").message->gameId, -1);

    const auto reply = datagram::parse("2EE10000002ASudokuLocateReply0702Host\0"s, "");
    ASSERT_TRUE(reply.ok()) << reply.rejection;
    EXPECT_EQ(std::tie(reply.message->playerCount, reply.message->gameType, reply.message->name),
              std::make_tuple(7, 2, std::string("Host")));

    const auto erase = datagram::parse("2EE10000002ASudokuGamePiecePlaced0235FFFFFFFF\0"s, "");
    ASSERT_TRUE(erase.ok());
    EXPECT_EQ(std::tie(erase.message->index, erase.message->x, erase.message->y, erase.message->value),
              std::make_tuple(2, 3, 5, -1));

    const auto game = datagram::parse(start("01" + kPuzzle + "|" + kSolution + "|" + kPlayers), "");
    ASSERT_TRUE(game.ok()) << game.rejection;
    ASSERT_EQ(game.message->players.size(), 2u);
    EXPECT_EQ(game.message->players[1].port, 12001);
    EXPECT_EQ(game.message->players[1].address, "192.0.2.7");
}

TEST(DatagramParse, DropsEveryMalformedDatagram)
{
    std::string puzzleWithWrongGiven = kPuzzle;
    puzzleWithWrongGiven[0] = '2';
    std::string solutionWithHole = kSolution;
    solutionWithHole[4] = '_';
    const std::string full = "01" + kPuzzle + "|" + kSolution + "|";
    const std::string eight =
        "2EE0127.0.0.1=H\r\n2EE1127.0.0.1=A\r\n2EE2127.0.0.1=B\r\n2EE3127.0.0.1=C\r\n"
        "2EE4127.0.0.1=D\r\n2EE5127.0.0.1=E\r\n2EE6127.0.0.1=F\r\n2EE7127.0.0.1=G\r\n";
    const std::vector<std::pair<std::string, const char*>> cases = {
        {"", "empty"},
        {"2EE0FFFFFFFF\0"s, "no name"},
        {"2EE0FFFFFFFFSudokuLocateRequest"s, "no zero byte"},
        {"2EE0FFFFFFFFSudokuLocate\0Request\0"s, "zero byte inside"},
        {"2EE0FFFFFFFFSudokuLocateRequest" + std::string(5000, 'x') + "\0"s, "overlong"},
        {"2EEZFFFFFFFFSudokuLocateRequest\0"s, "port not hex"},
        {"0000FFFFFFFFSudokuLocateRequest\0"s, "port 0"},
        {"2EE0FFFF FFFSudokuLocateRequest\0"s, "game id not hex"},
        {"2EE0FFFFFFFFSudokuLocateRequestX\0"s, "fields where none belong"},
        {"2EE0FFFFFFFFsudokulocaterequest\0"s, "unknown name"},
        {"2EE0FFFFFFFFSudokuJoinRequest\0"s, "empty player name"},
        {"2EE0FFFFFFFFSudokuJoinRequestA\r\nB\0"s, "control character in name"},
        {"2EE0FFFFFFFFSudokuJoinRequest" + std::string(256, 'n') + "\0"s, "name too long"},
        {"2EE0FFFFFFFFSudokuLocateReply0801Host\0"s, "eight players"},
        {"2EE0FFFFFFFFSudokuLocateReply0103Host\0"s, "game type 3"},
        {"2EE0FFFFFFFFSudokuLocateReply0101\0"s, "reply without host name"},
        {"2EE0FFFFFFFFSudokuGamePiecePlaced019508\0"s, "column 9"},
        {"2EE0FFFFFFFFSudokuGamePiecePlaced013909\0"s, "digit value 9"},
        {"2EE0FFFFFFFFSudokuGamePiecePlaced0135FFFFFFFE\0"s, "value -2"},
        {"2EE0FFFFFFFFSudokuGamePiecePlaced01358\0"s, "one-digit value"},
        {"2EE0FFFFFFFFSudokuGamePiecePlaced0G3508\0"s, "index not hex"},
        {"2EE0FFFFFFFFSudokuGamePiecePlaced073508\0"s, "index beyond any roster"},
        {start("01" + kPuzzle.substr(1) + "|" + kSolution + "|" + kPlayers), "puzzle of 88 characters"},
        {start("01" + puzzleWithWrongGiven + "|" + kSolution + "|" + kPlayers), "given against the solution"},
        {start("01" + kPuzzle + "|" + solutionWithHole + "|" + kPlayers), "solution with an empty cell"},
        {start("01" + kPuzzle + "+" + kSolution + "|" + kPlayers), "separator missing"},
        {start("00" + kPuzzle + "|" + kSolution + "|" + kPlayers), "index 0"},
        {start("02" + kPuzzle + "|" + kSolution + "|" + kPlayers), "index past the roster"},
        {start(full + "2EE0127.0.0.1=Host\r\n2EE1192.0.2.7=Ann"), "last entry without CR LF"},
        {start(full + "2EE0127.0.0.1=Host\r\n2EE1192.0.2.7Ann\r\n"), "entry without ="},
        {start(full + "2EE0127.0.0.1=Host\r\n2EE1192.0.2.300=Ann\r\n"), "entry without an address"},
        {start(full + eight), "eight players"},
    };
    for (const auto& [bytes, what] : cases) {
        const auto result = datagram::parse(bytes, "127.0.0.1");
        EXPECT_FALSE(result.ok()) << what;
        EXPECT_FALSE(result.rejection.empty()) << what;
    }
}

TEST(RosterSeenFrom, HostAndLoopbackEntriesTakeTheAddressTheHostWasJoinedAt)
{
    const std::string players = "2EE0127.0.0.1=Host\r\n2EE1192.0.2.7=Ann\r\n2EE2127.0.1.5=Bob=127.0.0.1\r\n"
                                "2EE3128.0.0.1=Cy\r\n";
    const auto game = datagram::parse(start("01" + kPuzzle + "|" + kSolution + "|" + players), "198.51.100.4");
    ASSERT_TRUE(game.ok()) << game.rejection;
    const auto roster = datagram::rosterSeenFrom(game.message->players, "198.51.100.4");
    ASSERT_EQ(roster.size(), 4u);
    EXPECT_EQ(roster[0].address, "198.51.100.4");
    EXPECT_EQ(roster[0].text, "2EE0198.51.100.4=Host");
    EXPECT_EQ(roster[1].text, "2EE1192.0.2.7=Ann");
    EXPECT_EQ(roster[2].text, "2EE2198.51.100.4=Bob=127.0.0.1");
    EXPECT_EQ(roster[2].name, "Bob=127.0.0.1");
    EXPECT_EQ(roster[3].text, "2EE3128.0.0.1=Cy");

    // A host that lists itself at another address is still where it was joined.
    const auto moved = datagram::rosterSeenFrom(
        datagram::parse(start("01" + kPuzzle + "|" + kSolution + "|2EE0203.0.113.9=H\r\n2EE1192.0.2.7=A\r\n"), "")
            .message->players,
        "127.0.0.1");
    EXPECT_EQ(moved[0].text, "2EE0127.0.0.1=H");
}

TEST(Ipv4Address, FourDecimalNumbersWithoutLeadingZeros)
{
    EXPECT_EQ(datagram::ipv4Address("11.0.0.1"), 0x0B000001u);
    EXPECT_EQ(datagram::ipv4Address("192.0.2.255"), 0xC00002FFu);
    EXPECT_EQ(datagram::ipv4Address("0.0.0.0"), 0u);
    for (const char* bad : {"011.0.0.1", "1.02.3.4", "00.0.0.0", "1.2.3.0255", "1.2.3", "1.2.3.4.", "1.2.3.256",
                            " 1.2.3.4", "1.2.3.4 ", ""}) {
        EXPECT_FALSE(datagram::ipv4Address(bad)) << bad;
        EXPECT_FALSE(datagram::isIpv4Address(bad)) << bad;
    }
    const std::string roster = "2EE0127.0.0.1=Host\r\n2EE1011.0.0.1=Ann\r\n";
    EXPECT_FALSE(datagram::parse(start("01" + kPuzzle + "|" + kSolution + "|" + roster), "").ok());
}

TEST(DatagramParse, RosterAddressesMustReachOnePlayer)
{
    const auto withAnn = [](const std::string& address) {
        return datagram::parse(start("01" + kPuzzle + "|" + kSolution + "|2EE0127.0.0.1=Host\r\n2EE1" + address
                                     + "=Ann\r\n"),
                               "");
    };
    for (const char* bad : {"0.0.0.0", "0.1.2.3", "224.0.0.1", "239.255.255.250", "240.0.0.1", "255.255.255.255"})
        EXPECT_FALSE(withAnn(bad).ok()) << bad;
    for (const char* good : {"1.0.0.0", "192.0.2.255", "223.255.255.255"})
        EXPECT_TRUE(withAnn(good).ok()) << good;
}

TEST(AnswersLocate, TheLocatedAddressOrAHostOfTheSubnetItBroadcastsTo)
{
    const auto ip = [](const char* text) { return *datagram::ipv4Address(text); };
    EXPECT_TRUE(datagram::answersLocate(ip("192.0.2.8"), ip("192.0.2.8")));
    EXPECT_FALSE(datagram::answersLocate(ip("192.0.2.9"), ip("192.0.2.8")));
    EXPECT_TRUE(datagram::answersLocate(ip("198.51.100.17"), ip("198.51.100.255")));
    EXPECT_FALSE(datagram::answersLocate(ip("198.51.101.17"), ip("198.51.100.255")));
    EXPECT_TRUE(datagram::answersLocate(ip("11.200.3.4"), ip("11.255.255.255")));
    EXPECT_FALSE(datagram::answersLocate(ip("12.0.0.1"), ip("11.255.255.255")));
    EXPECT_TRUE(datagram::answersLocate(ip("198.51.100.4"), ip("255.255.255.255")));
}
