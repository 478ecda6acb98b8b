#include "MultiPlayerSetupUnit.h"

#include "Datagram.h"
#include "GameRow.h"
#include "GameType.h"
#include "HexToInt.h"
#include "MessageBox.h"
#include "NameEntryUnit.h"
#include "NetError.h"
#include "NetHost.h"
#include "OtherPlayerProgressUnit.h"
#include "PlayerScoresUnit.h"
#include "SetupHostingUnit.h"
#include "UdpThreadUnit.h"
#include "WindowFont.h"

#include <QApplication>
#include <QEventLoop>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <stdexcept>
#include <string>

TfrmMultiplayerSetup* frmMultiplayerSetup = nullptr;

namespace {

QTableWidget* reportList(QWidget* parent, const QString& name, const QStringList& columns)
{
    auto* list = new QTableWidget(0, static_cast<int>(columns.size()), parent);
    list->setObjectName(name);
    list->setHorizontalHeaderLabels(columns);
    list->verticalHeader()->hide();
    list->setShowGrid(true);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

QPushButton* button(QWidget* parent, const QString& name, const QString& caption, const QRect& place)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    b->setGeometry(place);
    return b;
}

// Every character of code 32 or below off both ends.
QString trimBlanks(const QString& text)
{
    return TrimName(text);
}

QString playerName(const TPlayerEntry& player)
{
    const qsizetype equals = player.Entry.indexOf(QLatin1Char('='));
    return equals < 0 ? QString() : player.Entry.mid(equals + 1);
}

void checkIndex(const std::vector<TPlayerEntry>& players, int i)
{
    if (i < 0 || static_cast<std::size_t>(i) >= players.size())
        throw std::out_of_range("List index out of bounds (" + std::to_string(i) + ")");
}

constexpr std::uint8_t kEmptyCell = 255;

// The digit 0..8 of cell (x, y) in a grid text, -1 for anything else.
int gridTextCell(const QString& text, int x, int y)
{
    const qsizetype at = y * 10 + x;
    if (at >= text.size())
        return -1;
    const QChar c = text[at];
    return c >= QLatin1Char('1') && c <= QLatin1Char('9') ? c.unicode() - '1' : -1;
}

// Handles the events pending now, as one turn of an event loop of its own;
// false when the program has been told to end, which stops every event loop.
bool processPendingEvents()
{
    QEventLoop pass;
    QTimer::singleShot(0, &pass, [&pass] { pass.exit(1); });
    return pass.exec() == 1;
}

} // namespace

TfrmMultiplayerSetup::TfrmMultiplayerSetup(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmMultiplayerSetup"));
    setWindowTitle(QStringLiteral("Multiplayer Setup"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setFont(WindowFont());

    Label1 = new QLabel(QStringLiteral("Add the addresses of the host player below or 'host' to host a new game"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(8, 8);
    Label1->adjustSize();

    txtIpAddr = new QLineEdit(QStringLiteral("172.16.204.255"), this);
    txtIpAddr->setObjectName(QStringLiteral("txtIpAddr"));
    txtIpAddr->setGeometry(8, 252, 105, 21);
    connect(txtIpAddr, &QLineEdit::textChanged, this, &TfrmMultiplayerSetup::txtIpAddrChange);

    btnAdd = button(this, QStringLiteral("btnAdd"), QStringLiteral("Add"), QRect(116, 252, 41, 21));
    connect(btnAdd, &QPushButton::clicked, this, &TfrmMultiplayerSetup::btnAddClick);
    btnDel = button(this, QStringLiteral("btnDel"), QStringLiteral("Del"), QRect(160, 252, 41, 21));
    connect(btnDel, &QPushButton::clicked, this, &TfrmMultiplayerSetup::btnDelClick);

    lvAddresses = reportList(this, QStringLiteral("lvAddresses"), {QStringLiteral("Address")});
    lvAddresses->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    lvAddresses->setGeometry(8, 28, 193, 217);
    connect(lvAddresses, &QTableWidget::itemSelectionChanged, this, &TfrmMultiplayerSetup::addressSelectionChanged);

    lvGames = reportList(this, QStringLiteral("lvGames"),
                         {QStringLiteral("Host"), QStringLiteral("Players"), QStringLiteral("Type")});
    lvGames->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    lvGames->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Fixed);
    lvGames->setColumnWidth(1, 48);
    lvGames->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    lvGames->setGeometry(220, 28, 241, 221);
    connect(lvGames, &QTableWidget::itemSelectionChanged, this, [this] {
        const int row = selectedRow(lvGames);
        lvGamesSelectItem(row, row >= 0);
    });

    btnCancel = button(this, QStringLiteral("btnCancel"), QStringLiteral("Cancel"), QRect(388, 260, 75, 25));
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    btnJoin = button(this, QStringLiteral("btnJoin"), QStringLiteral("Join"), QRect(304, 260, 75, 25));
    connect(btnJoin, &QPushButton::clicked, this, &TfrmMultiplayerSetup::btnJoinClick);
    BtnHost = button(this, QStringLiteral("BtnHost"), QStringLiteral("Host"), QRect(220, 260, 75, 25));
    connect(BtnHost, &QPushButton::clicked, this, &TfrmMultiplayerSetup::BtnHostClick);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TfrmMultiplayerSetup::Timer1Timer);

    panWaitingGameStart = new QLabel(QStringLiteral("WAITING FOR GAME TO BEGIN"), this);
    panWaitingGameStart->setObjectName(QStringLiteral("panWaitingGameStart"));
    panWaitingGameStart->setFont(ArialPixels(21));
    panWaitingGameStart->setAlignment(Qt::AlignCenter);
    panWaitingGameStart->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panWaitingGameStart->setAutoFillBackground(true);
    panWaitingGameStart->setGeometry(32, 80, 417, 125);
    panWaitingGameStart->hide();

    setFixedSize(473, 296);
    FormCreate();
}

TfrmMultiplayerSetup::~TfrmMultiplayerSetup()
{
    FormDestroy();
}

void TfrmMultiplayerSetup::FormCreate()
{
    FThread = nullptr;
    FPlayers.clear();
    FOpponentWindows.clear();
    FMyIndex = 0;
}

void TfrmMultiplayerSetup::FormDestroy()
{
    CloseOtherPlayerWindows();
    FPlayers.clear();
    // A game still running when the program ends: its socket goes with it.
    if (FThread) {
        FThread->Terminate();
        delete FThread;
        FThread = nullptr;
    }
}

void TfrmMultiplayerSetup::SetThread(TUdpThread* Thread)
{
    FThread = Thread;
    if (!Thread)
        return;
    Thread->OnGameLocated = [this](const TGameRow& row) { GameLocated(row); };
    Thread->OnGameStarted = [this](const TGameStartInfo& start) { GameStarted(start); };
    Thread->OnGameCancelled = [this] { GameCancelled(); };
    Thread->OnPiecePlaced = [this](int index, int x, int y, int value) { PiecePlaced(index, x, y, value); };
}

bool TfrmMultiplayerSetup::Execute()
{
    lvGames->setRowCount(0);
    m_games = TGameList();
    if (m_host)
        move(CentreOn(m_host, size()));
    Timer1->start();
    const bool ok = exec() == QDialog::Accepted;
    Timer1->stop();
    // Games are only looked for while the window is open.
    if (FThread)
        FThread->OnGameLocated = nullptr;
    return ok;
}

void TfrmMultiplayerSetup::ShowGameWindows(const MainWindowLayout& Main)
{
    const bool battle = FGameType == GameType::Battle && frmPlayerScores;
    if (battle)
        frmPlayerScores->ShowScores(FPlayers);
    CloseOtherPlayerWindows();
    std::vector<TfrmOtherPlayerProgress*> opponents;
    std::vector<QSize> sizes;
    for (std::size_t i = 0; i < FPlayers.size(); ++i) {
        if (static_cast<std::int32_t>(i) == FMyIndex) {
            FOpponentWindows.emplace_back();
            continue;
        }
        auto* window = new TfrmOtherPlayerProgress(playerName(FPlayers[i]), FPuzzle, FSolution);
        FOpponentWindows.emplace_back(window);
        opponents.push_back(window);
        sizes.push_back(frameSizeOf(*window));
    }

    const QScreen* screen = QGuiApplication::screenAt(Main.frame.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect desk = screen ? screen->availableGeometry() : Main.frame;
    const SideWindowPlaces places =
        PlaceSideWindows(desk, Main, battle ? frameSizeOf(*frmPlayerScores) : QSize(), sizes);
    if (battle) {
        frmPlayerScores->move(places.scores);
        frmPlayerScores->show();
    }
    for (std::size_t i = 0; i < opponents.size(); ++i) {
        opponents[i]->move(places.opponents[i]);
        opponents[i]->show();
    }
}

QSize TfrmMultiplayerSetup::frameSizeOf(const QWidget& window) const
{
    const QRect frame = window.frameGeometry();
    const QRect inside = window.geometry();
    if (frame != inside)
        return frame.size();
    // Not framed yet (never shown): the window manager will frame it as it
    // framed this window, which was on the screen just before.
    return inside.size() + (frameGeometry().size() - geometry().size());
}

int TfrmMultiplayerSetup::selectedRow(const QTableWidget* table) const
{
    const QList<QTableWidgetItem*> items = table->selectedItems();
    return items.isEmpty() ? -1 : items.first()->row();
}

void TfrmMultiplayerSetup::addressSelectionChanged()
{
    const int row = selectedRow(lvAddresses);
    lvAddressesSelectItem(row, row >= 0);
}

void TfrmMultiplayerSetup::txtIpAddrChange()
{
    const QString text = trimBlanks(txtIpAddr->text());
    bool listed = false;
    for (int row = 0; row < lvAddresses->rowCount() && !listed; ++row) {
        const QTableWidgetItem* item = lvAddresses->item(row, 0);
        listed = item && item->text().compare(text, Qt::CaseInsensitive) == 0;
    }
    btnAdd->setEnabled(!text.isEmpty() && !listed);
}

void TfrmMultiplayerSetup::btnAddClick()
{
    const QString text = trimBlanks(txtIpAddr->text());
    const int row = lvAddresses->rowCount();
    lvAddresses->insertRow(row);
    lvAddresses->setItem(row, 0, new QTableWidgetItem(text));
    lvAddresses->selectRow(row);
    lvAddressesChange(row);
    txtIpAddr->clear();
    txtIpAddr->setFocus();
}

void TfrmMultiplayerSetup::btnDelClick()
{
    const int row = selectedRow(lvAddresses);
    if (row >= 0) {
        lvAddresses->removeRow(row);
        // Nothing is selected after a deletion, whatever the list's own idea.
        lvAddresses->clearSelection();
        lvAddressesSelectItem(-1, false);
    }
    txtIpAddr->setFocus();
}

void TfrmMultiplayerSetup::lvAddressesSelectItem(int Row, bool Selected)
{
    if (Selected) {
        btnDel->setEnabled(lvAddresses->rowCount() > 0);
        const QTableWidgetItem* item = lvAddresses->item(Row, 0);
        txtIpAddr->setText(item ? item->text() : QString());
    } else {
        txtIpAddr->clear();
        btnDel->setEnabled(false);
    }
}

void TfrmMultiplayerSetup::lvAddressesChange(int Row)
{
    const QTableWidgetItem* item = Row >= 0 ? lvAddresses->item(Row, 0) : nullptr;
    btnDel->setEnabled(item != nullptr);
    txtIpAddr->setText(item ? item->text() : QString());
}

void TfrmMultiplayerSetup::Timer1Timer()
{
    Timer1->stop();
    // On again whatever a step below throws.
    struct Restart
    {
        QTimer* timer;
        ~Restart() { timer->start(); }
    } restart{Timer1};

    if (FThread) {
        for (int row = 0; row < lvAddresses->rowCount(); ++row) {
            if (const QTableWidgetItem* item = lvAddresses->item(row, 0))
                FThread->Locate(item->text());
        }
    }
    const QDateTime now = Now ? Now() : QDateTime::currentDateTime();
    m_games.DropOlderThan(now, kGameTimeoutSeconds, [this](int row) {
        // The list would hand a removed current row's selection on to its
        // neighbour, and Join would take a game the player never chose: a
        // dropped game leaves nothing selected in its place.
        if (selectedRow(lvGames) == row)
            lvGames->clearSelection();
        if (lvGames->currentRow() == row)
            lvGames->selectionModel()->clearCurrentIndex();
        lvGames->removeRow(row);
    });
}

void TfrmMultiplayerSetup::lvGamesSelectItem(int Row, bool Selected)
{
    Q_UNUSED(Row);
    btnJoin->setEnabled(Selected);
}

void TfrmMultiplayerSetup::GameLocated(const TGameRow& Row)
{
    // A flood of replies costs one lookup among at most 64 games each; a
    // game past them is not listed.
    const int row = m_games.Update(Row);
    if (row < 0)
        return;
    if (row == lvGames->rowCount()) {
        lvGames->insertRow(row);
        for (int column = 0; column < lvGames->columnCount(); ++column)
            lvGames->setItem(row, column, new QTableWidgetItem);
    }
    showGameRow(row);
}

void TfrmMultiplayerSetup::showGameRow(int Row)
{
    const TGameRow& game = m_games.Rows()[static_cast<std::size_t>(Row)];
    // An item told the text it already holds signals nothing.
    lvGames->item(Row, 0)->setText(game.Host);
    lvGames->item(Row, 1)->setText(QString::number(game.Players));
    lvGames->item(Row, 2)->setText(game.TypeName);
}

void TfrmMultiplayerSetup::btnJoinClick()
{
    // A click during the wait would start a second wait inside the first.
    if (m_joinWaiting)
        return;
    const int row = selectedRow(lvGames);
    if (row < 0)
        return;
    // The whole row is read now: the locate tick may drop it during the wait.
    const TGameRow game = m_games.Rows()[static_cast<std::size_t>(row)];
    if (game.Players == 7) {
        ShowMessage(QStringLiteral("Sorry multi-player is limited to a maximum of 7 players"), MessageKind::Error);
        return;
    }

    if (!namePrompt().Execute(FPlayerName))
        return;

    panWaitingGameStart->show();
    panWaitingGameStart->raise();
    panWaitingGameStart->repaint();
    QCoreApplication::processEvents();

    FGameStarted = false;
    FGameCancelled = false;
    try {
        if (FThread)
            FThread->SendJoinRequest(game.GameId, game.Address, HexToInt(game.Port), FPlayerName);
    } catch (const std::exception& e) {
        panWaitingGameStart->hide();
        ShowMessage(QString::fromLocal8Bit(e.what()));
        return;
    }

    m_joinWaiting = true;
    m_joinAbandoned = false;
    int passes = 0;
    while (!FGameStarted && !FGameCancelled && !m_joinAbandoned && passes < kJoinPasses) {
        if (WaitPass)
            WaitPass();
        else
            QThread::msleep(100);
        if (!processPendingEvents())
            m_joinAbandoned = true;
        ++passes;
    }
    m_joinWaiting = false;
    panWaitingGameStart->hide();
    // Closed by the player or by the end of the program: no message, no game.
    if (m_joinAbandoned)
        return;

    if (FGameCancelled)
        ShowMessage(QStringLiteral("The game was cancelled by the host."), MessageKind::Error);
    else if (!FGameStarted)
        ShowMessage(QStringLiteral("The game did not start in a timely manner."), MessageKind::Error);
    if (FGameStarted) {
        FGameType = game.GameType;
        done(QDialog::Accepted);
    }
}

void TfrmMultiplayerSetup::done(int r)
{
    if (m_joinWaiting)
        m_joinAbandoned = true;
    QDialog::done(r);
}

void TfrmMultiplayerSetup::BtnHostClick()
{
    // Hosting from inside a join wait would leave that wait running behind
    // the hosted game.
    if (m_joinWaiting)
        return;
    if (!namePrompt().Execute(FPlayerName))
        return;
    std::uint8_t type = 0;
    try {
        if (!FThread || !hostingDialog().Execute(FThread, type, FPlayerName))
            return;
    } catch (const std::exception& e) {
        // A start or cancel that could not be sent: the window stays for
        // another try.
        ShowMessage(QString::fromLocal8Bit(e.what()));
        return;
    }
    FGameType = type;
    FPlayers.clear();
    m_reportedGrids.clear();
    if (FThread->HostingInfo) {
        for (const QString& entry : FThread->HostingInfo->Players)
            FPlayers.push_back({entry, 0});
    }
    FMyIndex = 0;
    FPuzzle = m_host ? m_host->GridToText() : QString();
    FSolution = m_host ? m_host->SolutionToText() : QString();
    done(QDialog::Accepted);
}

void TfrmMultiplayerSetup::GameStarted(const TGameStartInfo& Start)
{
    if (!m_joinWaiting)
        return;
    FPlayers = Start.Players;
    m_reportedGrids.clear();
    FMyIndex = Start.MyIndex;
    FPuzzle = Start.Puzzle;
    FSolution = Start.Solution;
    FGameStarted = true;
}

void TfrmMultiplayerSetup::GameCancelled()
{
    if (m_joinWaiting)
        FGameCancelled = true;
}

std::uint8_t& TfrmMultiplayerSetup::reportedCell(int Index, int X, int Y)
{
    if (m_reportedGrids.size() != FPlayers.size()) {
        std::array<std::uint8_t, 81> puzzle;
        ReadGridText(FPuzzle, puzzle.data());
        m_reportedGrids.assign(FPlayers.size(), puzzle);
    }
    return m_reportedGrids[static_cast<std::size_t>(Index)][static_cast<std::size_t>(X * 9 + Y)];
}

void TfrmMultiplayerSetup::PiecePlaced(int Index, int X, int Y, int Value)
{
    if (Index < 0 || static_cast<std::size_t>(Index) >= FPlayers.size() || Index == FMyIndex || X < 0 || X > 8
        || Y < 0 || Y > 8 || Value < -1 || Value > 8)
        return;
    // Only a forged or replayed datagram brings any of these.
    std::uint8_t& cell = reportedCell(Index, X, Y);
    const std::uint8_t value = Value < 0 ? kEmptyCell : static_cast<std::uint8_t>(Value);
    const bool settled = gridTextCell(FPuzzle, X, Y) >= 0
                         || (FGameType == GameType::Battle && cell == gridTextCell(FSolution, X, Y));
    if (settled || cell == value)
        return;
    cell = value;
    if (static_cast<std::size_t>(Index) < FOpponentWindows.size()) {
        if (TfrmOtherPlayerProgress* window = FOpponentWindows[static_cast<std::size_t>(Index)])
            window->PiecePlaced(X, Y, Value);
    }
    if (FGameType != GameType::Battle || Value < 0)
        return;
    if (gridTextCell(FSolution, X, Y) == Value)
        IncScore(Index);
    else
        DecScore(Index);
}

void TfrmMultiplayerSetup::StopMultiplayer()
{
    if (FThread) {
        FThread->Terminate();
        FThread = nullptr;
    }
    m_reportedGrids.clear();
    if (frmPlayerScores && frmPlayerScores->isVisible())
        frmPlayerScores->close();
    CloseOtherPlayerWindows();
}

void TfrmMultiplayerSetup::SendPiecePlaced(int X, int Y, int Value)
{
    if (!FThread)
        return;
    const QString message = QString::fromLatin1(datagram::kPiecePlaced.data(),
                                                 static_cast<qsizetype>(datagram::kPiecePlaced.size()))
                            + IntToHex(FMyIndex, 2) + IntToHex(X, 1) + IntToHex(Y, 1) + IntToHex(Value, 2);
    // A player out of reach must not keep the move from the others, nor
    // throw out of the placement that called this: the player is told once.
    QString failure;
    for (std::size_t i = 0; i < FPlayers.size(); ++i) {
        if (static_cast<std::int32_t>(i) == FMyIndex)
            continue;
        try {
            FThread->SendToPlayer(FPlayers[i].Entry, message);
        } catch (const std::exception& e) {
            if (failure.isEmpty())
                failure = QString::fromLocal8Bit(e.what());
        }
    }
    if (!failure.isEmpty())
        ShowMessage(failure);
}

void TfrmMultiplayerSetup::IncScore(int I)
{
    checkIndex(FPlayers, I);
    ++FPlayers[static_cast<std::size_t>(I)].Score;
    if (frmPlayerScores)
        frmPlayerScores->ShowScores(FPlayers);
}

void TfrmMultiplayerSetup::IncMyScore()
{
    IncScore(FMyIndex);
}

void TfrmMultiplayerSetup::DecScore(int I)
{
    checkIndex(FPlayers, I);
    int& score = FPlayers[static_cast<std::size_t>(I)].Score;
    if (score > 0)
        --score;
    if (frmPlayerScores)
        frmPlayerScores->ShowScores(FPlayers);
}

void TfrmMultiplayerSetup::DecMyScore()
{
    DecScore(FMyIndex);
}

void TfrmMultiplayerSetup::CloseOtherPlayerWindows()
{
    for (QPointer<TfrmOtherPlayerProgress>& window : FOpponentWindows) {
        if (window) {
            window->close();
            delete window.data();
        }
    }
    FOpponentWindows.clear();
}

bool TfrmMultiplayerSetup::CheckOthersCompleted()
{
    for (std::size_t i = 0; i < FOpponentWindows.size(); ++i) {
        TfrmOtherPlayerProgress* window = FOpponentWindows[i];
        if (!window || !window->IsComplete())
            continue;
        const QString question = (i < FPlayers.size() ? playerName(FPlayers[i]) : QString())
                                 + QStringLiteral(" has completed the puzzle. Do you wish to continue playing?");
        const bool yes = AskYesNo(question, MessageKind::Information);
        window->ClearEntries();
        return !yes;
    }
    return false;
}

TfrmEnterName& TfrmMultiplayerSetup::namePrompt()
{
    if (frmEnterName)
        return *frmEnterName;
    if (!m_ownNamePrompt) {
        m_ownNamePrompt = new TfrmEnterName(this);
        m_ownNamePrompt->setHost(m_host);
    }
    return *m_ownNamePrompt;
}

TfrmSetupHosting& TfrmMultiplayerSetup::hostingDialog()
{
    if (frmSetupHosting)
        return *frmSetupHosting;
    if (!m_ownHostingDialog) {
        m_ownHostingDialog = new TfrmSetupHosting(this);
        m_ownHostingDialog->setHost(m_host);
    }
    return *m_ownHostingDialog;
}
