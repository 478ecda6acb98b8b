// A network game through the main window: the Multiplayer command with a
// stand-in for the setup window's dialog, opponents whose moves arrive as
// the receiving half hands them on, and the end of the game. The network
// thread records what it would send and sends nothing.
#include "PlayTestSupport.h"

#include "Fenetres.h"
#include "MessageBox.h"
#include "MultiPlayerSetupUnit.h"
#include "NetError.h"
#include "OtherPlayerProgressUnit.h"
#include "PlayerScoresUnit.h"
#include "UdpThreadUnit.h"
#include "UnitePerso.h"
#include "WindowKind.h"

#include <QLabel>
#include <QTableWidget>
#include <QTimer>

#include <algorithm>
#include <functional>

namespace {

class RecordingThread : public TUdpThread
{
public:
    RecordingThread()
        : TUdpThread(0, 0)
    {
    }
    std::vector<std::pair<QString, std::uint16_t>> sent;

protected:
    void SendDatagram(const QString& host, std::uint16_t port, const QByteArray&) override
    {
        sent.emplace_back(host, port);
    }
};

// Grid text of knownSolution(), every cell whose x + 2y is a multiple of 3
// given (puzzle) or every cell (solution).
QString gridText(bool puzzle)
{
    const auto solution = knownSolution();
    QString text;
    for (int y = 0; y < 9; ++y) {
        if (y > 0)
            text += QLatin1Char('+');
        for (int x = 0; x < 9; ++x) {
            const bool given = !puzzle || (x + 2 * y) % 3 == 0;
            text += given ? QChar(u'1' + solution[x * 9 + y]) : QChar(u'_');
        }
    }
    return text;
}

class NetworkGameTest : public PlayTest
{
protected:
    void SetUp() override
    {
        PlayTest::SetUp();
        frmMultiplayerSetup = &m_setup;
        frmPlayerScores = &m_scores;
        m_messages->answerQuestions(true);
        TfrmMain& w = window();
        w.CreateUdpThread = [this] {
            m_thread = new RecordingThread;
            return m_thread;
        };
        w.RunMultiplayerSetup = [this](TfrmMultiplayerSetup& setup) {
            ++m_runs;
            if (!m_accept)
                return false;
            setup.FGameType = m_type;
            setup.FPlayers = m_players;
            setup.FMyIndex = 1;
            setup.FPuzzle = gridText(true);
            setup.FSolution = gridText(false);
            return true;
        };
    }
    void TearDown() override
    {
        m_setup.StopMultiplayer();
        frmMultiplayerSetup = nullptr;
        frmPlayerScores = nullptr;
        PlayTest::TearDown();
    }

    // Player `index` fills every cell with its solution digit.
    void completes(int index)
    {
        const auto solution = knownSolution();
        for (int x = 0; x < 9; ++x)
            for (int y = 0; y < 9; ++y)
                m_setup.PiecePlaced(index, x, y, solution[x * 9 + y]);
    }
    // An empty cell of the received puzzle, and its right picker item.
    static constexpr int kFreeX = 1;
    static constexpr int kFreeY = 0;
    int rightItem(int x = kFreeX, int y = kFreeY) { return knownSolution()[x * 9 + y] + 2; }

    TfrmMultiplayerSetup m_setup;
    TfrmPlayerScores m_scores;
    RecordingThread* m_thread = nullptr;
    int m_runs = 0;
    bool m_accept = true;
    std::uint8_t m_type = 1;
    std::vector<TPlayerEntry> m_players{{QStringLiteral("2EE0127.0.0.1=Ann"), 0},
                                        {QStringLiteral("2EE1127.0.0.1=Me"), 0},
                                        {QStringLiteral("2EE2127.0.0.1=Cy"), 0}};
};

} // namespace

TEST_F(NetworkGameTest, AJoinedBattleIsPlayedOnTheReceivedGridAndEndsWithTheLeaderOfTheScores)
{
    TfrmMain& w = window();
    w.FGameTime = 33.0;
    w.mnuMultiplayerClick();
    ASSERT_EQ(m_runs, 1);
    EXPECT_EQ(w.FGameType, 1);
    EXPECT_EQ(w.GameState, 2);
    EXPECT_EQ(w.FGameTime, 0.0);
    EXPECT_TRUE(w.Timer1->isActive());
    for (int b : {0, 2, 3, 12})
        EXPECT_FALSE(Buttons[b].Enabled) << b;
    EXPECT_TRUE(Buttons[4].Enabled && Buttons[7].Enabled);
    EXPECT_FALSE(Buttons[8].Visible);
    EXPECT_TRUE(w.PanPaused->isHidden());
    EXPECT_FALSE(HomeScreen.Visible);
    EXPECT_TRUE(GameMenu.Visible);
    EXPECT_EQ(w.GridToText(), gridText(true));
    EXPECT_EQ(w.SolutionToText(), gridText(false));
    EXPECT_TRUE(std::equal(std::begin(w.FGivens), std::end(w.FGivens), std::begin(w.FCurrent)));
    EXPECT_TRUE(m_scores.isVisible());
    ASSERT_EQ(m_setup.FOpponentWindows.size(), 3u);
    EXPECT_TRUE(m_setup.FOpponentWindows[0]->isVisible() && m_setup.FOpponentWindows[2]->isVisible());
    EXPECT_GE(m_scores.x(), w.frameGeometry().left());

    // Cy places three right digits, Ann a right one and a wrong one.
    m_setup.PiecePlaced(2, 1, 0, knownSolution()[1 * 9 + 0]);
    m_setup.PiecePlaced(2, 2, 0, knownSolution()[2 * 9 + 0]);
    m_setup.PiecePlaced(2, 4, 0, knownSolution()[4 * 9 + 0]);
    m_setup.PiecePlaced(0, 1, 0, knownSolution()[1 * 9 + 0]);
    m_setup.PiecePlaced(0, 2, 0, (knownSolution()[2 * 9 + 0] + 1) % 9);
    EXPECT_EQ(m_scores.lvScores->item(0, 0)->text(), QStringLiteral("Cy"));
    EXPECT_EQ(m_scores.lvScores->item(0, 1)->text(), QStringLiteral("3"));

    // The local player's placement goes to the two others and, with the
    // developer's shortcut armed, finishes the grid.
    w.FForceSolved = true;
    pick(kFreeX, kFreeY, rightItem());
    ASSERT_NE(m_thread, nullptr);
    ASSERT_EQ(m_thread->sent.size(), 2u);
    EXPECT_EQ(m_thread->sent[0], std::make_pair(QStringLiteral("127.0.0.1"), std::uint16_t{0x2EE0}));
    EXPECT_EQ(m_thread->sent[1], std::make_pair(QStringLiteral("127.0.0.1"), std::uint16_t{0x2EE2}));
    EXPECT_EQ(m_setup.FPlayers[1].Score, 1);

    EXPECT_EQ(w.GameState, 4);
    EXPECT_FALSE(MessageWindow.Visible);
    EXPECT_EQ(m_messages->messages(),
              QStringList{QStringLiteral("The game is complete. Cy wins with 3 points\r\nThe game lasted 0 seconds")});
    EXPECT_EQ(m_messages->messageKinds(), QList{MessageKind::Information});
    EXPECT_EQ(m_setup.FThread, nullptr);
    EXPECT_FALSE(m_scores.isVisible());
    EXPECT_TRUE(m_setup.FOpponentWindows.empty());
    // No win window follows a battle: the board hands back replay, load, options and quit itself.
    for (int b : {0, 1, 2, 3, 4, 5, 7, 9})
        EXPECT_EQ(Buttons[b].Enabled, b == 1 || b == 4 || b == 5 || b == 9) << b;
}

TEST_F(NetworkGameTest, HeadToHeadAsksAboutAFinishedOpponentEndsOnNoAndAWinShowsTheWinWindow)
{
    TfrmMain& w = window();
    m_type = 2;
    w.mnuMultiplayerClick();
    EXPECT_FALSE(m_scores.isVisible()) << "no scores in head to head";
    ASSERT_EQ(m_setup.FOpponentWindows.size(), 3u);

    completes(0);
    m_messages->answerQuestions(true);
    pick(kFreeX, kFreeY, rightItem());
    EXPECT_EQ(m_messages->questions(), QStringList{QStringLiteral("Ann has completed the puzzle. Do you wish to continue playing?")});
    EXPECT_EQ(m_messages->questionKinds(), QList{MessageKind::Information});
    EXPECT_EQ(w.GameState, 2) << "Yes plays on";
    completes(0);
    pick(2, 0, rightItem(2, 0));
    EXPECT_EQ(m_messages->questions().size(), 1) << "one completion is reported once, even when its moves come again";

    completes(2);
    m_messages->answerQuestions(false);
    pick(4, 0, rightItem(4, 0));
    EXPECT_EQ(m_messages->questions().size(), 2);
    EXPECT_EQ(m_messages->questions().last(),
              QStringLiteral("Cy has completed the puzzle. Do you wish to continue playing?"));
    EXPECT_EQ(w.GameState, 4) << "No ends the game";
    EXPECT_FALSE(w.Timer1->isActive());
    EXPECT_FALSE(MessageWindow.Visible);
    EXPECT_TRUE(m_messages->messages().isEmpty());
    EXPECT_TRUE(m_setup.FOpponentWindows.empty());

    // A new head-to-head game won here ends in the win window.
    w.mnuMultiplayerClick();
    EXPECT_EQ(w.GameState, 2);
    w.FForceSolved = true;
    pick(kFreeX, kFreeY, rightItem());
    EXPECT_EQ(w.GameState, 4);
    EXPECT_TRUE(MessageWindow.Visible);
    EXPECT_EQ(MessageWindow.Kind, 0);
    EXPECT_TRUE(MessageWindow.Text.startsWith(w.FText(31) + QStringLiteral(". ")));
}

TEST_F(NetworkGameTest, TheCommandAsksInANetworkGameAndACancelOrAPortInUseChangesNothing)
{
    TfrmMain& w = window();
    const QString question = QStringLiteral("You are currently in the middle of a multi-player game.\r\n"
                                            "Do you wish to terminate the current game?");
    m_messages->answerQuestions(false);
    w.mnuMultiplayerClick();
    EXPECT_TRUE(m_messages->questions().isEmpty()) << "nothing asked outside a network game";
    ASSERT_EQ(m_runs, 1);
    EXPECT_EQ(w.FGameType, 1);

    w.FGameTime = 50.0;
    w.mnuMultiplayerClick();
    EXPECT_EQ(m_messages->questions(), QStringList{question});
    EXPECT_EQ(m_messages->questionKinds(), QList{MessageKind::Warning});
    EXPECT_EQ(messageParent(), &w) << "the boxes open over this program's window";
    EXPECT_EQ(m_runs, 1) << "No leaves the game";
    EXPECT_EQ(w.FGameTime, 50.0);
    EXPECT_NE(m_setup.FThread, nullptr);

    // Yes ends the network game; the setup window is then cancelled after
    // hosting had generated a puzzle into the grids.
    m_messages->answerQuestions(true);
    m_accept = false;
    const QString before = w.GridToText();
    w.RunMultiplayerSetup = [&](TfrmMultiplayerSetup&) {
        ++m_runs;
        std::fill(std::begin(w.FCurrent), std::end(w.FCurrent), 0);
        return false;
    };
    RecordingThread* first = m_thread;
    w.mnuMultiplayerClick();
    EXPECT_EQ(m_runs, 2);
    EXPECT_NE(m_thread, first) << "a fresh thread for the window";
    EXPECT_EQ(w.GridToText(), before);
    EXPECT_EQ(w.GameState, 2);
    EXPECT_EQ(w.FGameTime, 50.0);
    EXPECT_EQ(w.FGameType, 0);
    EXPECT_EQ(m_setup.FThread, nullptr);
    EXPECT_TRUE(m_thread->IsTerminated());

    w.CreateUdpThread = [] () -> TUdpThread* { throw ENetError("No free UDP port from 12000 to 12010"); };
    w.mnuMultiplayerClick();
    EXPECT_EQ(m_runs, 2);
    EXPECT_EQ(m_messages->messages(),
              QStringList{QStringLiteral("The network game cannot start: No free UDP port from 12000 to 12010")});
}

TEST_F(NetworkGameTest, EveryWayOutOfANetworkGameGivesBackTheHomeScreensNewGame)
{
    TfrmMain& w = window();
    const auto forceWin = [&] {
        w.FForceSolved = true;
        pick(kFreeX, kFreeY, rightItem());
    };
    const struct {
        const char* way;
        std::uint8_t type;
        std::function<void()> leave;
    } cases[] = {
        {"finished battle", 1, forceWin},
        {"head to head won", 2,
         [&] {
             forceWin();
             ASSERT_TRUE(MessageWindow.Visible);
             MessageWindow.Answer = true;
             CloseMessageWindow(MessageWindow.Kind);
         }},
        {"head to head, the opponent finished", 2,
         [&] {
             completes(0);
             m_messages->answerQuestions(false);
             pick(kFreeX, kFreeY, rightItem());
             m_messages->answerQuestions(true);
         }},
        {"cancelled", 1, [&] { m_accept = false; w.mnuMultiplayerClick(); m_accept = true; }},
        {"quitted", 1, [] {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.way);
        w.FForceSolved = false;
        m_type = c.type;
        w.mnuMultiplayerClick();
        ASSERT_EQ(w.FGameType, c.type);
        ASSERT_FALSE(Buttons[12].Enabled);
        c.leave();
        for (int b : {1, 4, 5, 9})
            EXPECT_TRUE(Buttons[b].Enabled) << b;
        w.afterAnswer(WindowKind::QuitGame);
        ASSERT_TRUE(HomeScreen.Visible);
        EXPECT_EQ(m_setup.FThread, nullptr);
        EXPECT_FALSE(m_scores.isVisible());
        EXPECT_TRUE(m_setup.FOpponentWindows.empty());
        EXPECT_TRUE(Buttons[12].Enabled);
    }
}
