#pragma once

#include <QList>
#include <QPair>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <vector>

class TUdpThread;

// The multiplayer setup window, and the state of a running multiplayer game
// with the hooks the main window calls during play. Nothing opens the window
// yet and nothing starts a game, so the hooks act on an empty game: nothing
// is sent, no opponent reports a finished grid.
class TfrmMultiplayerSetup : public QWidget
{
    Q_OBJECT

public:
    explicit TfrmMultiplayerSetup(QWidget* parent = nullptr);
    ~TfrmMultiplayerSetup() override;

    // One player of the running game: the roster entry (address and port,
    // then "=" and the name) and the player's score.
    struct Player
    {
        QString entry;
        int score = 0;
    };

    // ---- Hooks of the main window ----
    // Ends any multiplayer game: drops the network thread, closes the scores
    // window and the opponent windows. Safe at any time.
    void StopMultiplayer();
    // Tells the other players that the cell (x, y) now holds value (-1 empty,
    // 0..8 the digits). Without a network thread nothing is sent.
    void SendPiecePlaced(int x, int y, int value);
    // Score changes of one player, or of the local player. An index outside
    // the roster throws std::out_of_range and changes nothing. A score never
    // drops below 0.
    void IncScore(int i);
    void IncMyScore();
    void DecScore(int i);
    void DecMyScore();
    void CloseOtherPlayerWindows();
    // True when an opponent finished the puzzle and the player chose to stop.
    bool CheckOthersCompleted();

    // The players' names (the part of their entries after the first "=")
    // with their scores, highest score first, equal scores in roster order:
    // the rows of the scores list.
    QList<QPair<QString, int>> scoreRows() const;

    // ---- State of the game ----
    QString FPlayerName;
    std::uint8_t FGameType = 0;          // 1 battle, 2 head to head
    TUdpThread* FThread = nullptr;       // not owned; null without a network game
    std::vector<Player> FPlayers;
    // Entry i is player i's progress window; entries may be null.
    std::vector<QPointer<QWidget>> FOpponentWindows;
    std::int32_t FMyIndex = 0;
};

extern TfrmMultiplayerSetup* frmMultiplayerSetup;
