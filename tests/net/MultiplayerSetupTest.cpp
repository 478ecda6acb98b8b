// The multiplayer setup window and the hooks of a running game, offscreen.
// Its network thread records what it sends and delivers nothing.
#include "GameRow.h"
#include "MessageBox.h"
#include "MultiPlayerSetupUnit.h"
#include "NameEntryUnit.h"
#include "NetTestSupport.h"
#include "OtherPlayerProgressUnit.h"
#include "PlayerScoresUnit.h"
#include "WindowsTestSupport.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString kLoopback = QStringLiteral("127.0.0.1");
const QDateTime kNow(QDate(2026, 3, 14), QTime(12, 0, 10));

class MultiplayerSetupTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Any box but an error box is recorded with its kind in front.
        m_previousBox = setMessageBoxHandler([this](const QString& text, MessageKind kind) {
            m_messages << (kind == MessageKind::Error ? text : QString::number(int(kind)) + text);
        });
        m_setup.setHost(&m_host);
        m_setup.Now = [] { return kNow; };
    }
    void TearDown() override
    {
        // A test's scores window is gone by now.
        frmPlayerScores = nullptr;
        m_setup.StopMultiplayer();
        setMessageBoxHandler(m_previousBox);
    }

    // A game row as the receiving half hands it on, heard `age` seconds
    // before kNow.
    static TGameRow row(const QString& host, int players, int type, int age, int gameId = 7)
    {
        TGameRow r;
        r.Host = host;
        r.Players = players;
        r.TypeName = GameTypeName(type);
        r.GameType = static_cast<std::uint8_t>(type);
        r.Heard = DateTimeToDosDateTime(kNow.addSecs(-age));
        r.Address = kLoopback;
        r.Port = QStringLiteral("2EE1");
        r.GameId = gameId;
        return r;
    }

    // Answers the name prompt with `name` when it opens; counts its runs.
    void answerNamePrompt(const QString& name)
    {
        TfrmEnterName& prompt = m_setup.namePrompt();
        onModal(prompt, [this, &prompt, name] {
            ++m_prompts;
            prompt.txtName->setText(name);
            prompt.btnOk->click();
        });
    }

    // From now until m_refuse stops, the name prompt is refused whenever it
    // is the modal window, and each refusal counted.
    void refusePrompts()
    {
        TfrmEnterName& prompt = m_setup.namePrompt();
        QObject::connect(&m_refuse, &QTimer::timeout, [this, &prompt] {
            if (QApplication::activeModalWidget() == &prompt) {
                ++m_prompts;
                prompt.reject();
            }
        });
        m_refuse.start(5);
    }

    // Joins the first listed game with each wait pass running `pass`.
    void join(std::function<void(int pass)> pass)
    {
        m_setup.lvGames->selectRow(0);
        answerNamePrompt(QStringLiteral("Bea"));
        m_passes = 0;
        m_setup.WaitPass = [this, pass] { pass(++m_passes); };
        m_setup.btnJoinClick();
    }

    // A thread that records its datagrams, handed to the window.
    RecordingUdpThread& giveThread()
    {
        auto* thread = new RecordingUdpThread;
        m_setup.SetThread(thread);
        return *thread;
    }

    FakeHost m_host;
    TfrmMultiplayerSetup m_setup;
    QStringList m_messages;
    MessageBoxHandler m_previousBox;
    QTimer m_refuse;
    int m_prompts = 0;
    int m_passes = 0;
};

} // namespace

TEST_F(MultiplayerSetupTest, AddressListRefusesListedOrBlankAddressesAndAddSelectsTheNewRow)
{
    EXPECT_EQ(m_setup.windowTitle(), QStringLiteral("Multiplayer Setup"));
    EXPECT_EQ(m_setup.size(), QSize(473, 296));
    const std::pair<QWidget*, QRect> places[] = {
        {m_setup.lvAddresses, QRect(8, 28, 193, 217)}, {m_setup.lvGames, QRect(220, 28, 241, 221)},
        {m_setup.btnJoin, QRect(304, 260, 75, 25)},    {m_setup.panWaitingGameStart, QRect(32, 80, 417, 125)},
        {m_setup.btnAdd, QRect(116, 252, 41, 21)},     {m_setup.btnDel, QRect(160, 252, 41, 21)},
        {m_setup.BtnHost, QRect(220, 260, 75, 25)},    {m_setup.btnCancel, QRect(388, 260, 75, 25)},
        {m_setup.Label1, QRect(QPoint(8, 8), m_setup.Label1->size())},
        {m_setup.txtIpAddr, QRect(8, 252, 105, m_setup.txtIpAddr->height())}};
    for (const auto& [widget, place] : places)
        EXPECT_EQ(widget->geometry(), place) << place.x() << "," << place.y();
    EXPECT_EQ(m_setup.panWaitingGameStart->text(), QStringLiteral("WAITING FOR GAME TO BEGIN"));
    EXPECT_EQ(m_setup.Label1->text(),
              QStringLiteral("Add the addresses of the host player below or 'host' to host a new game"));
    EXPECT_EQ(m_setup.lvGames->horizontalHeaderItem(1)->text(), QStringLiteral("Players"));
    EXPECT_EQ(m_setup.lvGames->columnWidth(1), 48);
    EXPECT_EQ(m_setup.txtIpAddr->text(), QStringLiteral("172.16.204.255"));
    EXPECT_TRUE(m_setup.btnAdd->isEnabled() && m_setup.btnDel->isEnabled() && m_setup.btnJoin->isEnabled());
    EXPECT_FALSE(m_setup.Timer1->isActive());
    EXPECT_EQ(m_setup.Timer1->interval(), 1000);

    m_setup.txtIpAddr->setText(QStringLiteral("  Host-A\t"));
    m_setup.btnAdd->click();
    ASSERT_EQ(m_setup.lvAddresses->rowCount(), 1);
    EXPECT_EQ(m_setup.lvAddresses->item(0, 0)->text(), QStringLiteral("Host-A"));
    EXPECT_TRUE(m_setup.lvAddresses->item(0, 0)->isSelected());
    EXPECT_TRUE(m_setup.txtIpAddr->text().isEmpty());
    EXPECT_TRUE(m_setup.btnDel->isEnabled());

    for (const char* text : {"host-a", " HOST-A ", "   ", ""}) {
        m_setup.txtIpAddr->setText(QString::fromLatin1(text));
        EXPECT_FALSE(m_setup.btnAdd->isEnabled()) << "'" << text << "'";
    }
    m_setup.txtIpAddr->setText(QStringLiteral("host-ab"));
    EXPECT_TRUE(m_setup.btnAdd->isEnabled());

    m_setup.lvAddresses->clearSelection();
    EXPECT_TRUE(m_setup.txtIpAddr->text().isEmpty());
    EXPECT_FALSE(m_setup.btnDel->isEnabled());
    m_setup.lvAddresses->selectRow(0);
    EXPECT_EQ(m_setup.txtIpAddr->text(), QStringLiteral("Host-A")) << "a selected row shows in the edit";
    EXPECT_TRUE(m_setup.btnDel->isEnabled());
    m_setup.btnDel->click();
    EXPECT_EQ(m_setup.lvAddresses->rowCount(), 0);
    EXPECT_FALSE(m_setup.btnDel->isEnabled());
    EXPECT_TRUE(m_setup.txtIpAddr->text().isEmpty());
}

TEST_F(MultiplayerSetupTest, LocateTickAsksEveryListedAddressAndDropsGamesSilentForOverFiveSeconds)
{
    RecordingUdpThread& thread = giveThread();
    // The edit's default text is never located: only added addresses are.
    m_setup.Timer1Timer();
    EXPECT_TRUE(thread.sent.empty());
    m_setup.txtIpAddr->setText(kLoopback);
    m_setup.btnAdd->click();
    m_setup.GameLocated(row(QStringLiteral("Old"), 2, 1, 6, 1));
    for (int id = 2; id < 70; ++id) // the list stops at 64 games
        m_setup.GameLocated(row(QStringLiteral("Eve"), 1, 1, 6, id));
    m_setup.GameLocated(row(QStringLiteral("Recent"), 3, 2, 4, 64));
    m_setup.GameLocated(row(QStringLiteral("Recent"), 4, 2, 4, 64));
    ASSERT_EQ(m_setup.lvGames->rowCount(), 64) << "a second reply refreshes its row";
    EXPECT_EQ(m_setup.lvGames->item(63, 1)->text(), QStringLiteral("4"));

    m_setup.lvGames->selectRow(0);
    m_setup.Timer1Timer();
    ASSERT_EQ(m_setup.lvGames->rowCount(), 1);
    EXPECT_EQ(m_setup.lvGames->item(0, 0)->text(), QStringLiteral("Recent"));
    EXPECT_EQ(m_setup.lvGames->item(0, 2)->text(), QStringLiteral("Sudoku head to head"));
    EXPECT_TRUE(m_setup.Timer1->isActive()) << "the tick turns the timer back on";
    // The dropped game was chosen: no other game takes its place.
    EXPECT_TRUE(m_setup.lvGames->selectedItems().isEmpty());
    EXPECT_FALSE(m_setup.btnJoin->isEnabled());
    m_setup.GameLocated(row(QStringLiteral("Ann"), 2, 2, 0, 99));
    EXPECT_EQ(m_setup.lvGames->rowCount(), 2) << "room again";
    ASSERT_EQ(thread.sent.size(), 11u);
    for (std::size_t i = 0; i < thread.sent.size(); ++i) {
        EXPECT_EQ(thread.sent[i].host, kLoopback);
        EXPECT_EQ(thread.sent[i].port, 12000 + i);
        EXPECT_TRUE(thread.sent[i].bytes.contains("SudokuLocateRequest"));
    }

    // The tick runs while the window is open, and only then.
    m_setup.Timer1->stop();
    bool tickingWhileOpen = false;
    onModal(m_setup, [&] {
        tickingWhileOpen = m_setup.Timer1->isActive();
        m_setup.reject();
    });
    EXPECT_FALSE(m_setup.Execute());
    EXPECT_TRUE(tickingWhileOpen);
    EXPECT_FALSE(m_setup.Timer1->isActive());
}

TEST_F(MultiplayerSetupTest, AFullGameIsRefusedBeforeTheNamePromptAndOneWithSixPlayersReachesIt)
{
    RecordingUdpThread& thread = giveThread();
    refusePrompts();
    m_setup.GameLocated(row(QStringLiteral("Full"), 7, 1, 0));
    m_setup.lvGames->selectRow(0);
    m_setup.btnJoinClick();
    EXPECT_EQ(m_prompts, 0);
    EXPECT_EQ(m_messages, QStringList{QStringLiteral("Sorry multi-player is limited to a maximum of 7 players")});

    m_setup.GameLocated(row(QStringLiteral("Full"), 6, 1, 0));
    m_setup.btnJoinClick();
    EXPECT_EQ(m_prompts, 1);
    EXPECT_EQ(m_messages.size(), 1);
    EXPECT_TRUE(thread.sent.empty()) << "a cancelled prompt sends nothing";
}

TEST_F(MultiplayerSetupTest, JoinWaitEndsCancelledTimedOutOrStartedEvenWhenTheRowIsDropped)
{
    RecordingUdpThread& thread = giveThread();
    m_setup.GameLocated(row(QStringLiteral("Ann"), 2, 2, 0, 0x1234));

    bool panelShown = false;
    join([&](int pass) {
        panelShown = m_setup.panWaitingGameStart->isVisible() || !m_setup.panWaitingGameStart->isHidden();
        if (pass == 3)
            m_setup.GameCancelled();
    });
    EXPECT_TRUE(panelShown);
    EXPECT_EQ(m_passes, 3);
    EXPECT_TRUE(m_setup.panWaitingGameStart->isHidden());
    EXPECT_EQ(m_messages, QStringList{QStringLiteral("The game was cancelled by the host.")});
    EXPECT_NE(m_setup.result(), QDialog::Accepted);
    ASSERT_EQ(thread.sent.size(), 1u);
    EXPECT_EQ(thread.sent[0].host, kLoopback);
    EXPECT_EQ(thread.sent[0].port, 0x2EE1);
    EXPECT_TRUE(thread.sent[0].bytes.contains("00001234SudokuJoinRequestBea"));

    m_messages.clear();
    join([](int) {});
    EXPECT_EQ(m_passes, 1200);
    EXPECT_EQ(m_messages, QStringList{QStringLiteral("The game did not start in a timely manner.")});
    EXPECT_NE(m_setup.result(), QDialog::Accepted);

    // A cancel or a start heard outside a wait is not for this window.
    TGameStartInfo start;
    start.Players = {{QStringLiteral("2EE1127.0.0.1=Ann"), 0}, {QStringLiteral("2EE2127.0.0.1=Bea"), 0}};
    start.MyIndex = 1;
    start.Puzzle = kTestPuzzle;
    start.Solution = kTestSolution;
    m_setup.GameCancelled();
    m_setup.GameStarted(start);
    EXPECT_FALSE(m_setup.FGameCancelled);
    EXPECT_FALSE(m_setup.FGameStarted);
    EXPECT_NE(m_setup.FMyIndex, 1);

    m_messages.clear();
    join([&](int pass) {
        // The tick drops the chosen row during the wait; its type was read before.
        m_setup.Now = [] { return kNow.addSecs(10); };
        m_setup.Timer1Timer();
        m_setup.Timer1->stop();
        if (pass == 2)
            m_setup.GameStarted(start);
    });
    EXPECT_TRUE(m_messages.isEmpty());
    EXPECT_EQ(m_setup.result(), QDialog::Accepted);
    EXPECT_EQ(m_setup.FGameType, 2);
    EXPECT_EQ(m_setup.FMyIndex, 1);
    EXPECT_EQ(m_setup.FPuzzle, kTestPuzzle);
    EXPECT_EQ(m_setup.FPlayerName, QStringLiteral("Bea"));
}

TEST_F(MultiplayerSetupTest, HooksWithoutAGameDoNothingVisibleAndScoresStayAtOrAboveZero)
{
    TfrmPlayerScores scores;
    frmPlayerScores = &scores;
    m_setup.StopMultiplayer();
    EXPECT_EQ(m_setup.FThread, nullptr);
    EXPECT_FALSE(scores.isVisible());
    EXPECT_FALSE(m_setup.CheckOthersCompleted());
    m_setup.SendPiecePlaced(1, 2, 3);

    m_setup.FPlayers = {{QStringLiteral("2EE0127.0.0.1=Ann"), 0}, {QStringLiteral("2EE1127.0.0.1=Bob"), 2}};
    m_setup.DecMyScore();
    EXPECT_EQ(m_setup.FPlayers[0].Score, 0);
    ASSERT_EQ(scores.lvScores->rowCount(), 2) << "refilled even when nothing changed";
    EXPECT_EQ(scores.lvScores->item(1, 0)->text(), QStringLiteral("Ann"));
    EXPECT_EQ(scores.lvScores->item(1, 1)->text(), QStringLiteral("0"));
    EXPECT_THROW(m_setup.IncScore(2), std::out_of_range);
    EXPECT_THROW(m_setup.DecScore(-1), std::out_of_range);
}

TEST_F(MultiplayerSetupTest, ThreePlayerBattleSendsToTheOthersScoresTheirMovesAndAsksAboutEachFinisherOnce)
{
    RecordingUdpThread& thread = giveThread();
    TfrmPlayerScores scores;
    frmPlayerScores = &scores;
    m_setup.FGameType = 2;
    // Ann's address cannot be reached.
    m_setup.FPlayers = {{QStringLiteral("2EE0nowhere=Ann"), 0},
                        {QStringLiteral("2EE1127.0.0.1=Bob"), 0},
                        {QStringLiteral("2EE2127.0.0.1=Cy"), 0}};
    m_setup.FMyIndex = 1;
    m_setup.FPuzzle = kTestPuzzle;
    m_setup.FSolution = kTestSolution;
    m_setup.ShowGameWindows({QRect(0, 0, 1024, 768), QRect(298, 140, 540, 540), QRect(), {}});
    EXPECT_FALSE(scores.isVisible()) << "head to head keeps no scores";
    m_setup.FGameType = 1;
    m_setup.ShowGameWindows({QRect(0, 0, 1024, 768), QRect(298, 140, 540, 540), QRect(), {}});
    EXPECT_TRUE(scores.isVisible());
    ASSERT_EQ(m_setup.FOpponentWindows.size(), 3u);
    EXPECT_TRUE(m_setup.FOpponentWindows[0] && m_setup.FOpponentWindows[2]);
    EXPECT_FALSE(m_setup.FOpponentWindows[1]) << "no window for oneself";
    EXPECT_EQ(m_setup.FOpponentWindows[2]->windowTitle(), QStringLiteral("Cy"));

    EXPECT_NO_THROW(m_setup.SendPiecePlaced(3, 4, -1));
    ASSERT_EQ(thread.sent.size(), 2u);
    EXPECT_EQ(thread.sent[0].port, 0x2EE0);
    EXPECT_EQ(thread.sent[1].port, 0x2EE2) << "the move still reaches Cy";
    EXPECT_TRUE(thread.sent[1].bytes.endsWith(QByteArray("SudokuGamePiecePlaced0134FFFFFFFF", 33) + '\0'));
    EXPECT_EQ(m_messages.size(), 1) << "the failed send is told";

    // Cy's moves, each with Cy's score after it. The empty cells (1, 0),
    // (0, 1), (2, 1) and (3, 0) hold 2, 4, 3 and 4; (0, 0) is a given 1. A
    // right cell is settled, and so is a given; a replayed move is no move.
    struct Move
    {
        int x, y, value, score;
    };
    const Move moves[] = {{1, 0, 1, 1},  {1, 0, 1, 1},  {0, 1, 3, 2},  {2, 1, 0, 1}, {2, 1, 0, 1},
                          {1, 0, -1, 1}, {1, 0, 1, 1},  {0, 0, 0, 1},  {0, 0, -1, 1}, {0, 0, 4, 1},
                          {3, 0, 4, 0},  {3, 0, -1, 0}, {3, 0, 5, 0}};
    for (const Move& move : moves) {
        m_setup.PiecePlaced(2, move.x, move.y, move.value);
        EXPECT_EQ(m_setup.FPlayers[2].Score, move.score) << move.x << "," << move.y << ": " << move.value;
        // The others keep 0: the top row shows Cy's score.
        EXPECT_EQ(scores.lvScores->item(0, 1)->text(), QString::number(move.score));
    }
    const TfrmOtherPlayerProgress& cyProgress = *m_setup.FOpponentWindows[2];
    EXPECT_EQ(cyProgress.FilledCount(), 45);
    EXPECT_EQ(cyProgress.FOpponentGrid[0], 0);

    // Both opponents complete the grid.
    for (int index : {0, 2}) {
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 9; ++x)
                m_setup.PiecePlaced(index, x, y, kTestSolution[y * 10 + x].unicode() - '1');
    }
    QStringList asked;
    bool reply = true;
    const YesNoHandler previousYesNo = setYesNoHandler([&](const QString& question, MessageKind kind) {
        asked << (kind == MessageKind::Information ? question : QString::number(int(kind)) + question);
        return reply;
    });
    EXPECT_FALSE(m_setup.CheckOthersCompleted()) << "Yes: play on";
    reply = false;
    EXPECT_TRUE(m_setup.CheckOthersCompleted()) << "No: the game ends";
    EXPECT_FALSE(m_setup.CheckOthersCompleted());
    setYesNoHandler(previousYesNo);
    EXPECT_EQ(asked, QStringList({QStringLiteral("Ann has completed the puzzle. Do you wish to continue playing?"),
                                  QStringLiteral("Cy has completed the puzzle. Do you wish to continue playing?")}));

    const QPointer<TfrmOtherPlayerProgress> cy = m_setup.FOpponentWindows[2].data();
    m_setup.StopMultiplayer();
    EXPECT_EQ(m_setup.FThread, nullptr);
    EXPECT_TRUE(thread.IsTerminated());
    EXPECT_FALSE(scores.isVisible());
    EXPECT_TRUE(m_setup.FOpponentWindows.empty());
    EXPECT_TRUE(cy.isNull());
}

TEST_F(MultiplayerSetupTest, JoinAndHostDoNothingWhileAJoinWaitsAndCancelOrTheProgramsEndEndsItWithoutAGame)
{
    giveThread();
    m_setup.GameLocated(row(QStringLiteral("Ann"), 2, 1, 0));
    join([&](int pass) {
        if (pass == 1) {
            refusePrompts();
            m_setup.btnJoin->click();
            m_setup.BtnHost->click();
        } else if (pass == 2) {
            m_setup.btnCancel->click();
        }
    });
    m_refuse.stop();
    EXPECT_EQ(m_prompts, 1) << "only the join's own name prompt";
    EXPECT_EQ(m_passes, 2);
    EXPECT_TRUE(m_messages.isEmpty());
    EXPECT_NE(m_setup.result(), QDialog::Accepted);

    // The program's end stops every event loop, the wait's too.
    join([&](int pass) {
        if (pass == 2)
            QCoreApplication::exit(0);
    });
    // The next event loop of the whole application clears the request.
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
    EXPECT_EQ(m_passes, 2);
    EXPECT_TRUE(m_messages.isEmpty());
    EXPECT_NE(m_setup.result(), QDialog::Accepted);
}
