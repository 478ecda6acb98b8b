// The network thread over loopback: every datagram goes to 127.0.0.1.
#include "Datagram.h"
#include "DatagramSeeds.h"
#include "GameList.h"
#include "HexToInt.h"
#include "NetError.h"
#include "NetTestSupport.h"
#include "Random.h"
#include "WireText.h"

#include <QCoreApplication>
#include <QNetworkDatagram>
#include <QPointer>
#include <QTimer>
#include <QUdpSocket>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString kLoopback = QStringLiteral("127.0.0.1");
const QString kSolution =
    QStringLiteral("123456789+456789123+789123456+234567891+567891234+891234567+345678912+678912345+912345678");
const QString kPuzzle =
    QStringLiteral("1_3_5_7_9+_5_7_9_2_+7_9_2_4_6+_3_5_7_9_+5_7_9_2_4+_9_2_4_6_+3_5_7_9_2+_7_9_2_4_+9_2_4_6_8");

class UdpThreadTest : public ::testing::Test
{
protected:
    void SetUp() override { ensureCoreApp(); }

    // A socket outside the game that sends raw bytes, as a stranger would.
    void sendRaw(const QByteArray& bytes, std::uint16_t port)
    {
        if (!m_stranger) {
            m_stranger = std::make_unique<QUdpSocket>();
            ASSERT_TRUE(m_stranger->bind(QHostAddress::LocalHost, 0));
        }
        m_stranger->writeDatagram(bytes, QHostAddress::LocalHost, port);
    }

    std::uint16_t strangerPort() const { return m_stranger->localPort(); }

    // Joins `host` and waits until the host has listed the player.
    static void join(TUdpThread& player, TUdpThread& host, const QString& name)
    {
        const int before = host.GetPlayerCount();
        player.SendJoinRequest(host.GameId, kLoopback, host.DefaultPort(), name);
        ASSERT_TRUE(pumpUntil([&] { return host.GetPlayerCount() == before + 1; }));
    }

    std::unique_ptr<QUdpSocket> m_stranger;
};

std::string text(const QByteArray& bytes)
{
    return bytes.toStdString();
}

} // namespace

TEST_F(UdpThreadTest, AHostAloneStartsAndCancelsWithoutSending)
{
    RecordingUdpThread thread;
    EXPECT_EQ(thread.GetPlayerCount(), 0);
    try {
        thread.GetGameType();
        ADD_FAILURE() << "no error without hosting information";
    } catch (const ENetError& e) {
        EXPECT_STREQ(e.what(), "No hosting information defined");
    }
    thread.SendGameStart(kPuzzle, kSolution);
    EXPECT_FALSE(thread.Started);

    FixRandomSeed(3);
    thread.SetupHosting(1, QStringLiteral("Host"));
    const std::int32_t firstId = thread.GameId;
    thread.SetupHosting(2, QStringLiteral("Host"));
    ReleaseRandomSeed();
    // The second hosting replaces the first: a new id, only the host.
    EXPECT_NE(thread.GameId, firstId);
    EXPECT_EQ(thread.GameId, thread.HostingInfo->GameId);
    EXPECT_EQ(thread.GetGameType(), 2);
    EXPECT_EQ(thread.GetPlayerCount(), 1);
    EXPECT_EQ(thread.HostingInfo->Players[0], IntToHex(thread.DefaultPort(), 4) + QStringLiteral("127.0.0.1=Host"));

    thread.SendGameCancelled();
    thread.SendGameStart(kPuzzle, kSolution);
    EXPECT_TRUE(thread.Started);
    EXPECT_TRUE(thread.sent.empty());
    thread.StopHosting();
    EXPECT_EQ(thread.HostingInfo, nullptr);
    EXPECT_EQ(thread.GetPlayerCount(), 0);
}

TEST_F(UdpThreadTest, DatagramsCarryOwnPortAndGameIdHostsAreCutAtEqualsAndLocateTriesElevenPorts)
{
    RecordingUdpThread thread;
    ASSERT_EQ(thread.GameId, -1);
    thread.SendToPeer(QStringLiteral("127.0.0.1=Ann=Lee"), 12001, QStringLiteral("SudokuLocateRequest"));
    ASSERT_EQ(thread.sent.size(), 1u);
    EXPECT_EQ(thread.sent[0].host, kLoopback);
    EXPECT_EQ(thread.sent[0].port, 12001);
    EXPECT_EQ(text(thread.sent[0].bytes),
              IntToHex(thread.DefaultPort(), 4).toStdString() + "FFFFFFFFSudokuLocateRequest" + std::string(1, '\0'));

    thread.SendToPlayer(QStringLiteral("2EE1127.0.0.1=Ann"), QStringLiteral("SudokuGamePiecePlaced013508"));
    ASSERT_EQ(thread.sent.size(), 2u);
    EXPECT_EQ(thread.sent[1].port, 12001);
    EXPECT_EQ(text(thread.sent[1].bytes).substr(4), "FFFFFFFFSudokuGamePiecePlaced013508" + std::string(1, '\0'));

    EXPECT_THROW(thread.SendToPlayer(QStringLiteral("2EX1127.0.0.1=Ann"), QStringLiteral("x")), EConvertError);
    EXPECT_THROW(thread.SendToPeer(QStringLiteral("nowhere"), 12001, QStringLiteral("x")), ENetError);
    EXPECT_THROW(thread.SendToPeer(kLoopback, 0, QStringLiteral("x")), ENetError);
    // Leading zeros, read as octal elsewhere, are no address at all.
    EXPECT_THROW(thread.SendToPeer(QStringLiteral("127.0.0.01"), 12001, QStringLiteral("x")), ENetError);
    EXPECT_EQ(thread.sent.size(), 4u);  // "nowhere" and "127.0.0.01" were tried and refused

    // Locate tries all eleven ports even when every send fails.
    thread.sent.clear();
    EXPECT_NO_THROW(thread.Locate(QStringLiteral("256.0.0.1")));
    ASSERT_EQ(thread.sent.size(), 11u);
    for (std::size_t i = 0; i < 11; ++i)
        EXPECT_EQ(thread.sent[i].port, 12000 + i);
    EXPECT_EQ(text(thread.sent[10].bytes).substr(12), "SudokuLocateRequest" + std::string(1, '\0'));
}

TEST_F(UdpThreadTest, BindsAFreePortOrFailsWithNothingLeft)
{
    TUdpThread thread(0, 0);
    EXPECT_NE(thread.DefaultPort(), 0);

    // The port is the thread's alone: a second one cannot bind it.
    try {
        TUdpThread second(thread.DefaultPort(), thread.DefaultPort());
        ADD_FAILURE() << "bound a port already in use";
    } catch (const ENetError& e) {
        EXPECT_NE(std::string(e.what()).find("No free UDP port"), std::string::npos);
    }
}

TEST_F(UdpThreadTest, LocateReplyBecomesAGameRowThatARepeatRefreshes)
{
    std::unique_ptr<TUdpThread> host;
    try {
        host = std::make_unique<TUdpThread>();
    } catch (const ENetError&) {
        GTEST_SKIP() << "every port from 12000 to 12010 is in use";
    }
    ASSERT_GE(host->DefaultPort(), 12000);
    ASSERT_LE(host->DefaultPort(), 12010);
    TUdpThread seeker(0, 0);
    TGameList games;
    int replies = 0;
    seeker.OnGameLocated = [&](const TGameRow& row) {
        if (row.GameId == host->GameId) {
            ++replies;
            games.Update(row);
        }
    };

    // Not hosting yet: no answer.
    seeker.Locate(kLoopback);
    pumpFor(150);
    EXPECT_EQ(replies, 0);

    host->SetupHosting(2, QStringLiteral("Hôte"));
    const QDateTime before = QDateTime::currentDateTime().addSecs(-2);
    seeker.Locate(kLoopback);
    ASSERT_TRUE(pumpUntil([&] { return replies == 1; }));
    seeker.Locate(kLoopback);
    ASSERT_TRUE(pumpUntil([&] { return replies == 2; }));
    ASSERT_EQ(games.Rows().size(), 1u);
    const TGameRow& row = games.Rows().front();
    EXPECT_EQ(row.Host, QStringLiteral("Hôte"));
    EXPECT_EQ(row.Players, 1);
    EXPECT_EQ(row.TypeName, QStringLiteral("Sudoku head to head"));
    EXPECT_EQ(row.GameType, 2);
    EXPECT_EQ(row.Address, kLoopback);
    EXPECT_EQ(row.Port, IntToHex(host->DefaultPort(), 4));
    EXPECT_EQ(row.Port.size(), 4);
    const QDateTime heard = DosDateTimeToDateTime(row.Heard);
    EXPECT_GE(heard, before);
    EXPECT_LE(heard, QDateTime::currentDateTime());
    EXPECT_EQ(games.DropOlderThan(QDateTime::currentDateTime(), 5), 0);
    EXPECT_EQ(games.DropOlderThan(QDateTime::currentDateTime().addSecs(8), 5), 1);
}

TEST_F(UdpThreadTest, JoinsListEachPlayerOnceUpToSevenAndOnlyForTheGameBeforeItsStart)
{
    TUdpThread host(0, 0);
    host.SetupHosting(1, QStringLiteral("Host"));
    std::vector<std::tuple<QString, QString, int>> joined;
    host.OnPlayerJoined = [&](const QString& name, const QString& address, int port) {
        joined.emplace_back(name, address, port);
    };
    std::vector<std::unique_ptr<TUdpThread>> players;
    for (int i = 0; i < 7; ++i)
        players.push_back(std::make_unique<TUdpThread>(0, 0));

    join(*players[0], host, QStringLiteral("Ann=Lee"));
    ASSERT_EQ(joined.size(), 1u);
    EXPECT_EQ(joined[0], std::make_tuple(QStringLiteral("Ann=Lee"), kLoopback, int(players[0]->DefaultPort())));
    EXPECT_EQ(host.HostingInfo->Players[1],
              IntToHex(players[0]->DefaultPort(), 4) + QStringLiteral("127.0.0.1=Ann=Lee"));

    // Again from the same port, and for another game id: nobody is added.
    players[0]->SendJoinRequest(host.GameId, kLoopback, host.DefaultPort(), QStringLiteral("Ann"));
    players[1]->SendJoinRequest(host.GameId ^ 1, kLoopback, host.DefaultPort(), QStringLiteral("Bob"));
    for (int i = 1; i < 6; ++i)
        join(*players[static_cast<std::size_t>(i)], host, QStringLiteral("P%1").arg(i));
    EXPECT_EQ(host.GetPlayerCount(), 7);
    EXPECT_EQ(joined.size(), 6u);

    // The roster is full.
    players[6]->SendJoinRequest(host.GameId, kLoopback, host.DefaultPort(), QStringLiteral("Late"));
    pumpFor(150);
    EXPECT_EQ(host.GetPlayerCount(), 7);

    // After the start no one joins, even with room.
    TUdpThread second(0, 0);
    second.SetupHosting(1, QStringLiteral("Host"));
    second.SendGameStart(kPuzzle, kSolution);
    players[6]->SendJoinRequest(second.GameId, kLoopback, second.DefaultPort(), QStringLiteral("Late"));
    pumpFor(150);
    EXPECT_EQ(second.GetPlayerCount(), 1);
    EXPECT_EQ(joined.size(), 6u);
}

TEST_F(UdpThreadTest, StartReachesEveryJoinerThenPiecesReachEveryOtherPlayer)
{
    RecordingUdpThread host(true);
    host.SetupHosting(1, QStringLiteral("Host"));
    TUdpThread ann(0, 0), bob(0, 0);
    std::vector<TGameStartInfo> starts(3);
    ann.OnGameStarted = [&](const TGameStartInfo& s) { starts[1] = s; };
    bob.OnGameStarted = [&](const TGameStartInfo& s) { starts[2] = s; };
    join(ann, host, QStringLiteral("Ann"));
    join(bob, host, QStringLiteral("Bob"));
    host.sent.clear();

    host.SendGameStart(kPuzzle, kSolution);
    ASSERT_TRUE(pumpUntil([&] { return !starts[1].Puzzle.isEmpty() && !starts[2].Puzzle.isEmpty(); }));
    ASSERT_EQ(host.sent.size(), 2u);
    EXPECT_EQ(text(host.sent[1].bytes).substr(12, 17), "SudokuGameStart02");
    const QString hostEntry = IntToHex(host.DefaultPort(), 4) + QStringLiteral("127.0.0.1=Host");
    for (int i = 1; i <= 2; ++i) {
        const TGameStartInfo& s = starts[static_cast<std::size_t>(i)];
        EXPECT_EQ(s.MyIndex, i);
        EXPECT_EQ(s.Puzzle, kPuzzle);
        EXPECT_EQ(s.Solution, kSolution);
        ASSERT_EQ(s.Players.size(), 3u);
        EXPECT_EQ(s.Players[0].Entry, hostEntry);
        EXPECT_EQ(s.Players[2].Entry, IntToHex(bob.DefaultPort(), 4) + QStringLiteral("127.0.0.1=Bob"));
        for (const TPlayerEntry& p : s.Players)
            EXPECT_EQ(p.Score, 0);
    }

    std::vector<std::tuple<int, int, int, int>> atHost, atAnn, atBob;
    host.OnPiecePlaced = [&](int i, int x, int y, int v) { atHost.emplace_back(i, x, y, v); };
    ann.OnPiecePlaced = [&](int i, int x, int y, int v) { atAnn.emplace_back(i, x, y, v); };
    bob.OnPiecePlaced = [&](int i, int x, int y, int v) { atBob.emplace_back(i, x, y, v); };

    // Ann erases (3, 5): everyone else hears it, sender index 1.
    for (int i = 0; i < 3; ++i) {
        if (i != starts[1].MyIndex)
            ann.SendToPlayer(starts[1].Players[static_cast<std::size_t>(i)].Entry,
                             QString::fromStdString(datagram::piecePlaced(1, 3, 5, -1)));
    }
    // The host places a 9 at (8, 0).
    host.SendToPlayer(host.HostingInfo->Players[1], QString::fromStdString(datagram::piecePlaced(0, 8, 0, 8)));
    host.SendToPlayer(host.HostingInfo->Players[2], QString::fromStdString(datagram::piecePlaced(0, 8, 0, 8)));
    ASSERT_TRUE(pumpUntil([&] { return atHost.size() == 1 && atBob.size() == 2 && atAnn.size() == 1; }));
    EXPECT_EQ(atHost[0], std::make_tuple(1, 3, 5, -1));
    EXPECT_EQ(atBob[0], std::make_tuple(1, 3, 5, -1));
    EXPECT_EQ(atBob[1], std::make_tuple(0, 8, 0, 8));
    EXPECT_EQ(atAnn[0], std::make_tuple(0, 8, 0, 8));

    // A stranger posing as Ann, an index past the roster, a late start from
    // the host: all dropped, and the sockets still serve.
    const std::string id = datagram::intToHex(host.GameId, 8);
    sendRaw(QByteArray::fromStdString(datagram::frame(ann.DefaultPort(), host.GameId,
                                                      datagram::piecePlaced(1, 0, 0, 0))),
            bob.DefaultPort());
    bob.SendToPlayer(starts[2].Players[0].Entry, QString::fromStdString(datagram::piecePlaced(5, 1, 1, 1)));
    host.SendGameStart(kPuzzle, kSolution);
    starts[1] = {};
    bob.SendToPlayer(starts[2].Players[0].Entry, QString::fromStdString(datagram::piecePlaced(2, 4, 4, 4)));
    ASSERT_TRUE(pumpUntil([&] { return atHost.size() == 2; }));
    pumpFor(100);
    EXPECT_EQ(atHost[1], std::make_tuple(2, 4, 4, 4));
    EXPECT_EQ(atBob.size(), 2u);
    EXPECT_TRUE(starts[1].Puzzle.isEmpty());
}

TEST_F(UdpThreadTest, CancelReachesTheJoinersOnlyFromTheirHost)
{
    TUdpThread host(0, 0), ann(0, 0), bob(0, 0);
    host.SetupHosting(2, QStringLiteral("Host"));
    int annCancelled = 0, bobCancelled = 0;
    ann.OnGameCancelled = [&] { ++annCancelled; };
    bob.OnGameCancelled = [&] { ++bobCancelled; };
    join(ann, host, QStringLiteral("Ann"));
    join(bob, host, QStringLiteral("Bob"));

    // The right game id from the wrong port.
    sendRaw(QByteArray::fromStdString(datagram::frame(host.DefaultPort() ^ 1, host.GameId, datagram::gameCancelled())),
            ann.DefaultPort());
    pumpFor(100);
    EXPECT_EQ(annCancelled, 0);

    host.SendGameCancelled();
    host.StopHosting();
    ASSERT_TRUE(pumpUntil([&] { return annCancelled == 1 && bobCancelled == 1; }));
}

TEST_F(UdpThreadTest, MalformedDatagramsAreDroppedAndTheSocketGoesOnServing)
{
    TUdpThread host(0, 0);
    host.SetupHosting(1, QStringLiteral("Host"));
    int joins = 0;
    host.OnPlayerJoined = [&](const QString&, const QString&, int) { ++joins; };
    const std::string id = datagram::intToHex(host.GameId, 8);
    for (const std::string& seed : datagramSeeds())
        sendRaw(QByteArray::fromStdString(seed), host.DefaultPort());
    for (const std::string& bad : {std::string("2EE1") + id + "SudokuJoinRequest",
                                   std::string("2EE1") + id + "SudokuJoinRequest\r\n" + std::string(1, '\0'),
                                   std::string(5000, 'S'), std::string()})
        sendRaw(QByteArray::fromStdString(bad), host.DefaultPort());
    sendRaw(QByteArray::fromStdString(datagram::frame(strangerPort(), host.GameId, datagram::joinRequest("Eve"))),
            host.DefaultPort());
    ASSERT_TRUE(pumpUntil([&] { return joins == 1; }));
    pumpFor(50);
    EXPECT_EQ(host.GetPlayerCount(), 2);
    EXPECT_EQ(host.HostingInfo->Players[1], IntToHex(strangerPort(), 4) + QStringLiteral("127.0.0.1=Eve"));
}

TEST_F(UdpThreadTest, TerminateClosesTheSocketAndFreesTheThreadEvenFromItsOwnCallback)
{
    QPointer<TUdpThread> thread = new TUdpThread(0, 0);
    thread->OnGameLocated = [](const TGameRow&) {};
    thread->Terminate();
    thread->Terminate();
    EXPECT_FALSE(thread->Udp->isOpen());
    EXPECT_FALSE(thread->OnGameLocated);
    EXPECT_THROW(thread->SendToPeer(kLoopback, 12000, QStringLiteral("x")), ENetError);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(thread.isNull());

    // A callback that ends the game terminates the thread it runs in.
    TUdpThread host(0, 0);
    host.SetupHosting(1, QStringLiteral("Host"));
    QPointer<TUdpThread> ann = new TUdpThread(0, 0);
    int cancelled = 0;
    ann->OnGameCancelled = [&cancelled, ann, note = QStringLiteral("game over")] {
        ann->Terminate();
        cancelled += note.size();
    };
    join(*ann, host, QStringLiteral("Ann"));
    host.SendGameCancelled();
    ASSERT_TRUE(pumpUntil([&] { return cancelled != 0; }));
    EXPECT_EQ(cancelled, 9);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(ann.isNull());
}

TEST(WireText, CharactersOutsideTheCodePageBecomeOneQuestionMarkEach)
{
    EXPECT_EQ(WireText(QStringLiteral("Łukasz")), QStringLiteral("?ukasz"));
    EXPECT_EQ(WireText(QStringLiteral("Dvořák")), QStringLiteral("Dvo?ák"));
    EXPECT_EQ(WireText(QStringLiteral("Жора")), QStringLiteral("????"));
    EXPECT_EQ(WireText(QStringLiteral("A\U0001F600B")), QStringLiteral("A?B"));
    EXPECT_EQ(ToWire(QStringLiteral("€ Œ é ÿ Ł")), QByteArray("\x80 \x8C \xE9 \xFF ?"));

    EXPECT_EQ(CheckName(QString(255, QLatin1Char('n'))), NameFault::None);
    EXPECT_EQ(CheckName(QString(256, QLatin1Char('n'))), NameFault::TooLong);
    // 255 emoji are 510 UTF-16 units but 255 bytes on the wire.
    QString emoji;
    for (int i = 0; i < 255; ++i)
        emoji += QStringLiteral("\U0001F600");
    EXPECT_EQ(CheckName(emoji), NameFault::None);
    EXPECT_EQ(CheckName(emoji + QLatin1Char('x')), NameFault::TooLong);
    EXPECT_EQ(CheckName(QStringLiteral("Ann\tLee")), NameFault::ControlCharacter);
    EXPECT_EQ(CheckName(QStringLiteral("Ann\u0085Lee")), NameFault::ControlCharacter);
    EXPECT_EQ(CheckName(QString()), NameFault::Empty);
}

TEST_F(UdpThreadTest, NamesOutsideTheCodePageStillLocateJoinAndStart)
{
    TUdpThread host(0, 0), seeker(0, 0), player(0, 0);
    host.SetupHosting(1, QStringLiteral("Łukasz"));
    std::vector<TGameRow> rows;
    seeker.OnGameLocated = [&](const TGameRow& row) {
        if (row.GameId == host.GameId)
            rows.push_back(row);
    };
    seeker.Locate(kLoopback);
    seeker.SendToPeer(kLoopback, host.DefaultPort(), QString::fromLatin1(datagram::locateRequest()));
    ASSERT_TRUE(pumpUntil([&] { return rows.size() == 1; }));
    EXPECT_EQ(rows[0].Host, QStringLiteral("?ukasz"));

    QString joinedName;
    host.OnPlayerJoined = [&](const QString& name, const QString&, int) { joinedName = name; };
    join(player, host, QStringLiteral("Dvořák \U0001F600"));
    EXPECT_EQ(joinedName, QStringLiteral("Dvo?ák ?"));

    TGameStartInfo start;
    player.OnGameStarted = [&](const TGameStartInfo& s) { start = s; };
    host.SendGameStart(kPuzzle, kSolution);
    ASSERT_TRUE(pumpUntil([&] { return !start.Puzzle.isEmpty(); }));
    ASSERT_EQ(start.Players.size(), 2u);
    EXPECT_TRUE(start.Players[0].Entry.endsWith(QStringLiteral("=?ukasz")));
    EXPECT_TRUE(start.Players[1].Entry.endsWith(QStringLiteral("=Dvo?ák ?")));
}

TEST_F(UdpThreadTest, AFloodIsReadInBatchesWithTheEventLoopRunningBetweenThem)
{
    TUdpThread seeker(0, 0);
    seeker.Locate(kLoopback);
    sendRaw(QByteArray(), seeker.DefaultPort());  // binds the stranger (an empty datagram, dropped)
    const QString strangerHex = IntToHex(strangerPort(), 4);
    int heard = 0;
    int heardWhenTheLoopRan = -1;
    seeker.OnGameLocated = [&](const TGameRow& row) {
        if (row.Port != strangerHex)
            return;
        if (heard++ == 0)
            QTimer::singleShot(0, [&] { heardWhenTheLoopRan = heard; });
    };
    for (int id = 0; id < 100; ++id)
        sendRaw(QByteArray::fromStdString(datagram::frame(strangerPort(), id, datagram::locateReply(1, 1, "Host"))),
                seeker.DefaultPort());
    ASSERT_TRUE(pumpUntil([&] { return heard == 100; }));
    EXPECT_GE(heardWhenTheLoopRan, 1);
    EXPECT_LE(heardWhenTheLoopRan, 32);
}

TEST_F(UdpThreadTest, AJoinAfterABurstOfAThousandJunkDatagramsIsHeard)
{
    TUdpThread host(0, 0);
    host.SetupHosting(1, QStringLiteral("Host"));
    for (int i = 0; i < 1000; ++i)
        sendRaw(QByteArrayLiteral("junk"), host.DefaultPort());
    // The burst is read before the join, so no full buffer loses it.
    ASSERT_TRUE(pumpUntil([&] { return !host.Udp->hasPendingDatagrams(); }));
    TUdpThread player(0, 0);
    join(player, host, QStringLiteral("Ann"));
}

TEST_F(UdpThreadTest, ALocateRequestIsAnsweredOnlyAtThePortThatSentIt)
{
    TUdpThread host(0, 0);
    host.SetupHosting(1, QStringLiteral("Host"));
    QUdpSocket asker;
    ASSERT_TRUE(asker.bind(QHostAddress::LocalHost, 0));
    // A stranger names the asker's port: no reply may go there. Then the
    // asker itself asks; replies keep their order on loopback.
    sendRaw(QByteArray::fromStdString(datagram::frame(asker.localPort(), -1, datagram::locateRequest())),
            host.DefaultPort());
    asker.writeDatagram(QByteArray::fromStdString(datagram::frame(asker.localPort(), -1, datagram::locateRequest())),
                        QHostAddress::LocalHost, host.DefaultPort());
    ASSERT_TRUE(pumpUntil([&] { return asker.hasPendingDatagrams(); }));
    int replies = 0;
    while (asker.hasPendingDatagrams()) {
        asker.receiveDatagram();
        ++replies;
    }
    EXPECT_EQ(replies, 1);
}

TEST_F(UdpThreadTest, AJoinOrALocateReplyIsListedOnlyFromThePortItNames)
{
    TUdpThread host(0, 0);
    TUdpThread seeker(0, 0);
    host.SetupHosting(1, QStringLiteral("Host"));
    std::vector<QString> ports;
    seeker.OnGameLocated = [&](const TGameRow& row) {
        if (row.Host == QStringLiteral("Eve"))
            ports.push_back(row.Port);
    };
    seeker.Locate(kLoopback);
    // From the stranger's port, naming port 53 and then its own; loopback
    // keeps the order. A join or a start would go to the port named.
    for (const bool own : {false, true}) {
        const std::uint16_t named = own ? strangerPort() : 53;
        const char* name = own ? "Ann" : "Eve";
        sendRaw(QByteArray::fromStdString(datagram::frame(named, host.GameId, datagram::joinRequest(name))),
                host.DefaultPort());
        sendRaw(QByteArray::fromStdString(datagram::frame(named, named, datagram::locateReply(1, 1, "Eve"))),
                seeker.DefaultPort());
    }
    const QString honest = IntToHex(strangerPort(), 4);
    ASSERT_TRUE(pumpUntil([&] { return host.GetPlayerCount() >= 2 && !ports.empty() && ports.back() == honest; }));
    EXPECT_EQ(host.GetPlayerCount(), 2);
    EXPECT_EQ(host.HostingInfo->Players[1], honest + QStringLiteral("127.0.0.1=Ann"));
    EXPECT_EQ(ports, std::vector<QString>{honest});
}

TEST_F(UdpThreadTest, OnlyRepliesFromALocatedAddressAreTakenAndTheListStopsAtSixtyFour)
{
    TUdpThread seeker(0, 0);
    seeker.SetupHosting(1, QStringLiteral("Seeker"));
    std::vector<std::int32_t> heard;
    seeker.OnGameLocated = [&](const TGameRow& row) {
        if (row.Port == IntToHex(strangerPort(), 4))
            heard.push_back(row.GameId);
    };
    const auto reply = [&](std::int32_t gameId) {
        sendRaw(QByteArray::fromStdString(datagram::frame(strangerPort(), gameId, datagram::locateReply(1, 1, "Eve"))),
                seeker.DefaultPort());
    };
    // An unsolicited reply, then a locate request whose answer shows that
    // the reply before it has been read.
    sendRaw(QByteArray(), seeker.DefaultPort());  // binds the stranger (an empty datagram, dropped)
    reply(1);
    sendRaw(QByteArray::fromStdString(datagram::frame(strangerPort(), -1, datagram::locateRequest())),
            seeker.DefaultPort());
    ASSERT_TRUE(pumpUntil([&] { return m_stranger->hasPendingDatagrams(); }));
    seeker.Locate(kLoopback);
    reply(2);
    ASSERT_TRUE(pumpUntil([&] { return !heard.empty(); }));
    EXPECT_EQ(heard, std::vector<std::int32_t>{2});

    TGameList games;
    TGameRow row;
    for (int id = 0; id < 70; ++id) {
        row.GameId = id;
        games.Update(row);
    }
    EXPECT_EQ(games.Rows().size(), 64u);
    row.GameId = 5;
    row.Players = 3;
    EXPECT_EQ(games.Update(row), 5);
    EXPECT_EQ(games.Rows()[5].Players, 3);
    row.GameId = 64;
    EXPECT_EQ(games.Update(row), -1);
}

TEST_F(UdpThreadTest, AStartIsTakenOnlyWhenItListsThePlayerAtItsOwnPort)
{
    TUdpThread player(0, 0);
    std::vector<TGameStartInfo> starts;
    player.OnGameStarted = [&](const TGameStartInfo& s) { starts.push_back(s); };
    // The stranger's socket plays the host that the player joins.
    sendRaw(QByteArray(), player.DefaultPort());  // binds the stranger (an empty datagram, dropped)
    player.SendJoinRequest(77, kLoopback, strangerPort(), QStringLiteral("Ann"));
    const auto startListing = [&](std::uint16_t playerPort) {
        const std::string roster = datagram::intToHex(strangerPort(), 4) + "127.0.0.1=Host\r\n"
                                   + datagram::intToHex(playerPort, 4) + "127.0.0.1=Ann\r\n";
        const std::string message = datagram::gameStart(1, kPuzzle.toStdString(), kSolution.toStdString(), roster);
        sendRaw(QByteArray::fromStdString(datagram::frame(strangerPort(), 77, message)), player.DefaultPort());
    };
    startListing(static_cast<std::uint16_t>(player.DefaultPort() ^ 1));
    startListing(player.DefaultPort());
    ASSERT_TRUE(pumpUntil([&] { return !starts.empty(); }));
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].Players[1].Entry, IntToHex(player.DefaultPort(), 4) + QStringLiteral("127.0.0.1=Ann"));
}

TEST_F(UdpThreadTest, AFailedRecipientEndsAStartOrCancelLoopAndLaterPlayersGetNothing)
{
    RecordingUdpThread host;
    host.SetupHosting(1, QStringLiteral("Host"));
    host.HostingInfo->Players << QStringLiteral("2EE1127.0.0.1=Ann") << QStringLiteral("2EX2127.0.0.1=Bad")
                              << QStringLiteral("2EE3127.0.0.1=Cy");
    EXPECT_THROW(host.SendGameCancelled(), EConvertError);
    ASSERT_EQ(host.sent.size(), 1u);
    EXPECT_EQ(host.sent[0].port, 0x2EE1);
    EXPECT_THROW(host.SendGameStart(kPuzzle, kSolution), EConvertError);
    EXPECT_TRUE(host.Started);
    ASSERT_EQ(host.sent.size(), 2u);
    EXPECT_EQ(host.sent[1].port, 0x2EE1);

    // A send that fails: the port is read, the address is not one.
    host.HostingInfo->Players[2] = QStringLiteral("2EE2nowhere=Bad");
    host.sent.clear();
    EXPECT_THROW(host.SendGameStart(kPuzzle, kSolution), ENetError);
    ASSERT_EQ(host.sent.size(), 2u);
    EXPECT_EQ(host.sent[1].host, QStringLiteral("nowhere"));
    EXPECT_THROW(host.SendGameCancelled(), ENetError);
    EXPECT_EQ(host.sent.size(), 4u);
}
