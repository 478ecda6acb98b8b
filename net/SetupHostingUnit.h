#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>

#include <cstdint>

class NetHost;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QTimer;
class TUdpThread;

// The dialog in which a player hosts a game: the main window generates the
// puzzle, the host chooses the game type (which creates the hosting
// information) and watches players join; Start, or the end of a 60-second
// countdown once someone has joined, starts the game; Cancel calls it off.
class TfrmSetupHosting : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmSetupHosting(QWidget* parent = nullptr);

    // The main window that generates the puzzle and that the dialog centres on.
    void setHost(NetHost* host) { m_host = host; }

    // Runs the whole hosting flow. True when the game started, with GameType
    // the chosen type (1 or 2); false when it was called off, with GameType 0.
    // A name that peers would drop, a puzzle that could not be generated or
    // a thread that went away while the dialog was open also give false
    // (the first two with a message). Send errors reach the caller, after
    // the join callback is cleared.
    bool Execute(TUdpThread* Thread, std::uint8_t& GameType, const QString& PlayerName);
    void cboGameTypeChange();
    void Timer1Timer();
    void AddJoinedPlayer(const QString& Name, const QString& Address, int Port);

    QComboBox* cboGameType = nullptr;
    QTableWidget* lvPlayers = nullptr;  // "Name", "Address", "Port"
    QLabel* lblCountdown = nullptr;
    QPushButton* btnStart = nullptr;
    QPushButton* btnCancel = nullptr;
    QLabel* panGenerating = nullptr;
    QTimer* Timer1 = nullptr;

    QPointer<TUdpThread> FThread;  // not owned; null once the thread is gone
    std::int32_t FCountdown = 0;
    QString FPlayerName;

private:
    void setCountdownText(const QString& text);

    NetHost* m_host = nullptr;
};

extern TfrmSetupHosting* frmSetupHosting;
