#pragma once

#include "GameList.h"
#include "GameStartInfo.h"
#include "SideWindowPlacement.h"

#include <QDateTime>
#include <QDialog>
#include <QPointer>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

class NetHost;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTimer;
class TfrmEnterName;
class TfrmOtherPlayerProgress;
class TfrmSetupHosting;
class TUdpThread;

// The window from which a player joins or hosts a network game, and the
// state of the running network game with the hooks the main window calls
// during play. Without a network thread the hooks act on an empty game:
// nothing is sent and no opponent reports a finished grid.
class TfrmMultiplayerSetup : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmMultiplayerSetup(QWidget* parent = nullptr);
    ~TfrmMultiplayerSetup() override;

    // The main window: the name prompt and the hosting dialog centre on it,
    // and a host's puzzle is the one it generated.
    void setHost(NetHost* host) { m_host = host; }

    // Takes the network thread for browsing, joining, hosting and the game
    // that follows, and binds its receiving half to this window. The thread
    // is ended by StopMultiplayer.
    void SetThread(TUdpThread* Thread);
    // Runs the window modally with the locate tick on; true when a game was
    // joined or hosted (FGameType, FPlayers, FMyIndex, FPuzzle and FSolution
    // then describe it).
    bool Execute();
    // Shows the scores window (battle only) and one progress window per
    // opponent on the main window's screen, placed by PlaceSideWindows.
    void ShowGameWindows(const MainWindowLayout& Main);

    // ---- Handlers ----
    void FormCreate();
    void FormDestroy();
    void txtIpAddrChange();
    void btnAddClick();
    void btnDelClick();
    void lvAddressesSelectItem(int Row, bool Selected);
    void lvAddressesChange(int Row);
    void Timer1Timer();
    void lvGamesSelectItem(int Row, bool Selected);
    void btnJoinClick();
    void BtnHostClick();
    // Cancel, Escape or the window's close during a join wait also end the
    // wait: nothing is joined behind a window the player closed.
    void done(int r) override;
    // The receiving half's events.
    void GameLocated(const TGameRow& Row);
    void GameStarted(const TGameStartInfo& Start);
    void GameCancelled();
    // Player Index changed cell (X, Y) (Value -1 empty, 0..8 the digits):
    // their progress window follows, and in a battle their score follows the
    // placement rule against this player's copy of the solution. A move that
    // cannot change the sender's cell changes nothing: the cell already
    // holds Value (a replayed datagram), it is a given, or, in a battle, it
    // already holds its right digit (settled, as on the sender's own board).
    void PiecePlaced(int Index, int X, int Y, int Value);

    // ---- Hooks of the main window ----
    // Ends any network game: ends the thread, closes the scores window and
    // the opponent windows. Safe at any time.
    void StopMultiplayer();
    // Tells every other player that cell (X, Y) now holds Value (-1 empty,
    // 0..8 the digits). Without a network thread nothing is sent. A failed
    // send is shown once, and the other players still get the move.
    void SendPiecePlaced(int X, int Y, int Value);
    // Score changes of player I, then the scores window is refilled. An index
    // outside the roster throws std::out_of_range and changes nothing. A
    // score never drops below 0.
    void IncScore(int I);
    void IncMyScore();
    void DecScore(int I);
    void DecMyScore();
    void CloseOtherPlayerWindows();
    // True when an opponent finished the puzzle and the player chose to stop;
    // at most one opponent is asked about per call.
    bool CheckOthersCompleted();

    // The name prompt and hosting dialog in use: the program's own, or this
    // window's when the program has none.
    TfrmEnterName& namePrompt();
    TfrmSetupHosting& hostingDialog();

    // ---- Components ----
    QLabel* Label1 = nullptr;
    QLineEdit* txtIpAddr = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnDel = nullptr;
    QTableWidget* lvAddresses = nullptr;  // "Address"
    QTableWidget* lvGames = nullptr;      // "Host", "Players", "Type"
    QPushButton* btnCancel = nullptr;
    QPushButton* btnJoin = nullptr;
    QPushButton* BtnHost = nullptr;
    QTimer* Timer1 = nullptr;
    QLabel* panWaitingGameStart = nullptr;

    // ---- State ----
    QString FPlayerName;
    bool FGameStarted = false;
    bool FGameCancelled = false;
    std::uint8_t FGameType = 0;      // GameType::Battle or GameType::HeadToHead (GameType.h)
    TUdpThread* FThread = nullptr;   // ended (not freed) by StopMultiplayer
    std::vector<TPlayerEntry> FPlayers;
    // Entry i is player i's progress window; the own entry is null.
    std::vector<QPointer<TfrmOtherPlayerProgress>> FOpponentWindows;
    std::int32_t FMyIndex = 0;
    // The grid texts of the running game.
    QString FPuzzle;
    QString FSolution;

    // The sleep of one pass of the join wait (100 ms); the pending events are
    // handled after it. Replaceable so that a test need not wait two minutes.
    std::function<void()> WaitPass;
    // The locate tick's clock; empty: the local time.
    std::function<QDateTime()> Now;

    // Join passes before a join gives up: 1200 of 100 ms, some two minutes.
    static constexpr int kJoinPasses = 1200;
    // A game not heard of for longer than this many seconds is dropped.
    static constexpr int kGameTimeoutSeconds = 5;

private:
    int selectedRow(const QTableWidget* table) const;
    QSize frameSizeOf(const QWidget& window) const;
    void addressSelectionChanged();

    // The reported cell (X, Y) of player Index, the grid begun from the
    // puzzle at the first move heard in a game.
    std::uint8_t& reportedCell(int Index, int X, int Y);

    // Writes row Row of lvGames from the game list, in place: a refresh that
    // changes nothing costs no redraw, and the selection stays.
    void showGameRow(int Row);

    NetHost* m_host = nullptr;
    // The games heard of, at most TGameList::kMaxRows; row i of lvGames
    // shows game i.
    TGameList m_games;
    // Each player's grid as their moves told it (x * 9 + y, 255 empty);
    // emptied when a game starts or ends.
    std::vector<std::array<std::uint8_t, 81>> m_reportedGrids;
    TfrmEnterName* m_ownNamePrompt = nullptr;
    TfrmSetupHosting* m_ownHostingDialog = nullptr;
    // Set while a join waits: a start or a cancel heard at any other time is
    // not for this window, and Join and Host do nothing.
    bool m_joinWaiting = false;
    // The window was closed, or the program told to end, during the wait.
    bool m_joinAbandoned = false;
};

extern TfrmMultiplayerSetup* frmMultiplayerSetup;
