#include "SetupHostingUnit.h"

#include "MessageBox.h"
#include "NetHost.h"
#include "UdpThreadUnit.h"
#include "WindowFont.h"
#include "WireText.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include <cassert>

TfrmSetupHosting* frmSetupHosting = nullptr;

namespace {

// Seconds from the first tick with a second player to the automatic start.
constexpr int kCountdownSeconds = 60;

} // namespace

TfrmSetupHosting::TfrmSetupHosting(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmSetupHosting"));
    setWindowTitle(QStringLiteral("Host a game"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setFont(WindowFont());

    cboGameType = new QComboBox(this);
    cboGameType->setObjectName(QStringLiteral("cboGameType"));
    cboGameType->addItems({QStringLiteral("Select your game type..."), QStringLiteral("Sudoku battle"),
                           QStringLiteral("Sudoku head to head")});
    cboGameType->setCurrentIndex(0);
    cboGameType->setGeometry(12, 16, 165, cboGameType->sizeHint().height());
    // Only the player's choice counts as a change, not the dialog's own reset.
    connect(cboGameType, &QComboBox::activated, this, &TfrmSetupHosting::cboGameTypeChange);

    lvPlayers = new QTableWidget(0, 3, this);
    lvPlayers->setObjectName(QStringLiteral("lvPlayers"));
    lvPlayers->setHorizontalHeaderLabels({QStringLiteral("Name"), QStringLiteral("Address"), QStringLiteral("Port")});
    // Name and address share the width the port leaves: no row scrolls
    // sideways, and a long name is cut short with an ellipsis.
    lvPlayers->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    lvPlayers->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    lvPlayers->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    lvPlayers->verticalHeader()->hide();
    MakeRowsCompact(*lvPlayers);
    lvPlayers->setShowGrid(true);
    lvPlayers->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvPlayers->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvPlayers->setGeometry(12, 52, 305, 121);

    lblCountdown = new QLabel(QStringLiteral("Waiting for additional players to arrive..."), this);
    lblCountdown->setObjectName(QStringLiteral("lblCountdown"));
    lblCountdown->setFont(ArialPixels(16));
    lblCountdown->move(12, 180);
    lblCountdown->adjustSize();

    btnStart = new QPushButton(QStringLiteral("Start"), this);
    btnStart->setObjectName(QStringLiteral("btnStart"));
    btnStart->setDefault(true);
    btnStart->setGeometry(148, 208, 75, 25);
    connect(btnStart, &QPushButton::clicked, this, &QDialog::accept);

    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setAutoDefault(false);
    btnCancel->setGeometry(244, 212, 75, 21);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    panGenerating = new QLabel(QStringLiteral("Generating game grid..."), this);
    panGenerating->setObjectName(QStringLiteral("panGenerating"));
    panGenerating->setFont(ArialPixels(21));
    panGenerating->setAlignment(Qt::AlignCenter);
    panGenerating->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panGenerating->setAutoFillBackground(true);
    panGenerating->setGeometry(40, 68, 253, 93);
    panGenerating->raise();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TfrmSetupHosting::Timer1Timer);

    setFixedSize(331, 247);
}

bool TfrmSetupHosting::Execute(TUdpThread* Thread, std::uint8_t& GameType, const QString& PlayerName)
{
    assert(Thread && m_host);
    // A host name that peers drop would leave the game unlisted and its
    // start unread: refuse it before anything is hosted.
    if (CheckName(PlayerName) != NameFault::None) {
        ShowMessage(QStringLiteral("This name cannot be used to host a game."));
        GameType = 0;
        return false;
    }
    FPlayerName = PlayerName;
    Timer1->stop();
    FThread = Thread;
    Thread->OnPlayerJoined = [this](const QString& name, const QString& address, int port) {
        AddJoinedPlayer(name, address, port);
    };
    // Whatever happens below, the thread stops calling into this dialog and
    // the countdown stops.
    struct Closing
    {
        TfrmSetupHosting* dialog;
        ~Closing()
        {
            if (dialog->FThread)
                dialog->FThread->OnPlayerJoined = nullptr;
            dialog->Timer1->stop();
        }
    } closing{this};

    lvPlayers->setRowCount(0);
    setCountdownText(QStringLiteral("Game type not yet selected..."));
    move(CentreOn(m_host, size()));

    // Generating: shown but unusable, the panel painted before the work.
    show();
    setEnabled(false);
    cboGameType->setEnabled(true);
    cboGameType->setCurrentIndex(0);
    btnStart->setEnabled(false);
    panGenerating->show();
    panGenerating->repaint();
    QCoreApplication::processEvents();

    QString puzzle;
    QString solution;
    QString failure;
    try {
        m_host->GeneratePuzzle();
        puzzle = m_host->GridToText();
        solution = m_host->SolutionToText();
    } catch (const std::exception& e) {
        failure = QString::fromUtf8(e.what());
    }

    panGenerating->hide();
    hide();
    QCoreApplication::processEvents();
    setEnabled(true);
    if (!failure.isNull()) {
        ShowMessage(QStringLiteral("The game grid could not be generated: ") + failure);
        GameType = 0;
        return false;
    }

    const bool started = exec() == QDialog::Accepted;
    if (!FThread) {
        GameType = 0;
        return false;
    }
    if (started) {
        Thread->SendGameStart(puzzle, solution);
        GameType = Thread->GetGameType();
    } else {
        Thread->SendGameCancelled();
        Thread->StopHosting();
        GameType = 0;
    }
    return started;
}

void TfrmSetupHosting::cboGameTypeChange()
{
    const int index = cboGameType->currentIndex();
    if (index <= 0)
        return;
    if (!FThread)
        return;
    setCountdownText(QStringLiteral("Waiting for additional players to arrive..."));
    cboGameType->setEnabled(false);
    FThread->SetupHosting(static_cast<std::uint8_t>(index), FPlayerName);
    FCountdown = kCountdownSeconds;
    Timer1->start();
}

void TfrmSetupHosting::Timer1Timer()
{
    if (!FThread || FThread->GetPlayerCount() <= 1)
        return;
    if (!btnStart->isEnabled())
        btnStart->setEnabled(true);
    --FCountdown;
    setCountdownText(QStringLiteral("Game will start automatically in ") + QString::number(FCountdown)
                          + QStringLiteral(" seconds"));
    if (FCountdown == 0)
        done(QDialog::Accepted);
}

void TfrmSetupHosting::setCountdownText(const QString& text)
{
    // The label is as wide as its text, so that no count is cut off.
    lblCountdown->setText(text);
    lblCountdown->adjustSize();
}

void TfrmSetupHosting::AddJoinedPlayer(const QString& Name, const QString& Address, int Port)
{
    const int row = lvPlayers->rowCount();
    lvPlayers->insertRow(row);
    lvPlayers->setItem(row, 0, new QTableWidgetItem(Name));
    lvPlayers->setItem(row, 1, new QTableWidgetItem(Address));
    lvPlayers->setItem(row, 2, new QTableWidgetItem(QString::number(Port)));
}
