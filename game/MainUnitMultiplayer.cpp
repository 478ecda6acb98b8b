// The way into a network game: the home screen's Multiplayer command, the
// setup window over a new network thread, and the main window taking over
// the game that window set up; and the way out of a battle, its result. The
// hooks of the running game live with the setup window (net/).
#include "MainUnit.h"

#include "ButtonColumn.h"
#include "ButtonId.h"
#include "Fenetres.h"
#include "GameStartInfo.h"
#include "GameState.h"
#include "GameType.h"
#include "LanguageLines.h"
#include "MessageBox.h"
#include "MultiPlayerSetupUnit.h"
#include "NetError.h"
#include "PlayerScoresUnit.h"
#include "SideWindowPlacement.h"
#include "UdpThreadUnit.h"
#include "UnitePerso.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QTableWidget>
#include <QTimer>

#include <algorithm>
#include <initializer_list>
#include <iterator>

namespace {

// The engine's grids, marks and level, put back as they were.
class GridsSnapshot
{
public:
    explicit GridsSnapshot(const SudokuEngine& engine)
        : m_level(engine.GameLevel)
    {
        copy(engine, m_grids);
    }
    void restore(SudokuEngine& engine) const
    {
        copy(m_grids, engine);
        engine.GameLevel = m_level;
    }

private:
    struct Grids
    {
        std::uint8_t FGivens[81], FSolution[81], FCurrent[81], FSpare[81], FMarks[729];
    };
    template <typename From, typename To>
    static void copy(const From& from, To& to)
    {
        std::copy(std::begin(from.FGivens), std::end(from.FGivens), std::begin(to.FGivens));
        std::copy(std::begin(from.FSolution), std::end(from.FSolution), std::begin(to.FSolution));
        std::copy(std::begin(from.FCurrent), std::end(from.FCurrent), std::begin(to.FCurrent));
        std::copy(std::begin(from.FSpare), std::end(from.FSpare), std::begin(to.FSpare));
        std::copy(std::begin(from.FMarks), std::end(from.FMarks), std::begin(to.FMarks));
    }
    Grids m_grids;
    std::uint8_t m_level;
};

// The rows of the scores window, top to bottom: name and score.
QList<QPair<QString, int>> scoresWindowRows()
{
    QList<QPair<QString, int>> rows;
    if (!frmPlayerScores)
        return rows;
    const QTableWidget* list = frmPlayerScores->lvScores;
    for (int row = 0; row < list->rowCount(); ++row) {
        const QTableWidgetItem* name = list->item(row, 0);
        const QTableWidgetItem* score = list->item(row, 1);
        rows.append({name ? name->text() : QString(), score ? score->text().toInt() : 0});
    }
    return rows;
}

// Where the board and the drawn buttons stand on the desktop, for the side
// windows to keep clear of. A button's size is its face's.
MainWindowLayout mainWindowLayout(const TfrmMain& w)
{
    MainWindowLayout layout;
    layout.frame = w.frameGeometry();
    const QPoint origin = w.mapToGlobal(QPoint(0, 0));
    layout.board = w.Image1Virtuel->geometry().translated(origin);
    const auto button = [&](int x, int y, std::uint8_t face) {
        const ThemeImage* image = ButtonImages.item(face);
        return image ? QRect(QPoint(x, y) + origin, image->image().size()) : QRect();
    };
    const auto column = [&](const auto& entries, int x, int y, bool game) {
        for (const ColumnEntry& entry : entries) {
            const TKaloBouton& b = Buttons[entry.button];
            if (!b.Visible)
                continue;
            y += kButtonStep;
            const QRect place = button(x, y, entry.face);
            if (game)
                layout.buttonColumn |= place;
            if (b.Enabled && !place.isEmpty())
                layout.enabledButtons.push_back(place);
        }
    };
    if (GameMenu.Visible) {
        column(kGameColumn, kGameColumnX, kGameColumnY, true);
        const TKaloBouton& help = Buttons[ButtonId::Help];
        const QRect place = button(kHelpX, kHelpY, Face::Help);
        if (help.Visible && help.Enabled && !place.isEmpty())
            layout.enabledButtons.push_back(place);
    }
    if (HomeScreen.Visible)
        column(kHomeColumn, kHomeColumnX, kHomeColumnY, false);
    return layout;
}

} // namespace

void TfrmMain::mnuMultiplayerClick()
{
    if (!frmMultiplayerSetup)
        return;
    const bool inNetworkGame = GameState == GameState::Playing && FGameType != GameType::SinglePlayer;
    if (inNetworkGame) {
        const QString question = QStringLiteral("You are currently in the middle of a multi-player game.\r\n"
                                                "Do you wish to terminate the current game?");
        if (!AskYesNo(question, MessageKind::Warning))
            return;
    }

    // The game is over for the others; its thread would also keep its port
    // from the new one.
    StopNetworkGame();
    if (inNetworkGame) // what is left on the board is a game of one
        FGameType = GameType::SinglePlayer;
    TUdpThread* thread = nullptr;
    try {
        thread = CreateUdpThread ? CreateUdpThread() : new TUdpThread();
    } catch (const ENetError& e) {
        ShowMessage(QStringLiteral("The network game cannot start: ") + QString::fromLocal8Bit(e.what()));
        return;
    }
    TfrmMultiplayerSetup& setup = *frmMultiplayerSetup;
    setup.setHost(this);
    setup.SetThread(thread);
    // Hosting generates its puzzle into these grids; a window cancelled
    // after that must leave the game in play as it was.
    const GridsSnapshot before(*this);
    const bool ok = RunMultiplayerSetup ? RunMultiplayerSetup(setup) : setup.Execute();
    if (!ok) {
        setup.StopMultiplayer();
        before.restore(*this);
        return;
    }
    TakeOverNetworkGame();
}

void TfrmMain::StopNetworkGame()
{
    // A network game takes the home screen's New game away; whichever way
    // it ends gives it back.
    if (FGameType != GameType::SinglePlayer)
        Buttons[ButtonId::NewGame].Enabled = true;
    if (frmMultiplayerSetup)
        frmMultiplayerSetup->StopMultiplayer();
}

void TfrmMain::TakeOverNetworkGame()
{
    TfrmMultiplayerSetup& setup = *frmMultiplayerSetup;
    FGameType = setup.FGameType;
    // A host plays the puzzle its hosting dialog generated here; a joiner
    // plays the one the host sent.
    if (setup.FMyIndex != 0) {
        ClearGrid();
        ReadGridText(setup.FPuzzle, FCurrent);
        StoreGivens();
        ReadGridText(setup.FSolution, FSolution);
        GridNumber = 0;
    }

    // The view of a new game.
    HomeScreen.Visible = false;
    GameMenu.Visible = true;
    showButtons({ButtonId::Play}, false);
    showButtons({ButtonId::Save, ButtonId::Replay, ButtonId::Load, ButtonId::Check}, true);
    enableButtons({ButtonId::Load, ButtonId::Save}, true);
    Buttons[ButtonId::Help].Visible = ComboBox2->currentText() == FText(Line::FirstLevelName);
    FPickerOpen = false;

    GameState = GameState::Playing;
    FGameTime = 0.0;
    Timer1->start();
    enableButtons({ButtonId::Solve, ButtonId::Check, ButtonId::Print, ButtonId::NewGame}, false);
    PanPaused->hide();

    setup.ShowGameWindows(mainWindowLayout(*this));
    UpdateStatusBar();
}

QString TfrmMain::GridToText() const
{
    return QString::fromStdString(SudokuEngine::GridToText());
}

QString TfrmMain::SolutionToText() const
{
    return QString::fromStdString(SudokuEngine::SolutionToText());
}

QRect TfrmMain::MainWindowGeometry() const
{
    return frameGeometry();
}

QString TfrmMain::BattleResultText(const QList<QPair<QString, int>>& rows, double gameTime)
{
    const QString lasted = QStringLiteral("The game lasted ") + QString::number(static_cast<qint64>(gameTime))
                           + QStringLiteral(" seconds");
    if (rows.isEmpty())
        return QStringLiteral("The game is complete.\r\n") + lasted;

    const int best = rows.first().second;
    QStringList winners;
    for (const auto& row : rows) {
        if (row.second != best)
            break;
        winners << row.first;
    }
    const QString score = QString::number(best);
    if (winners.size() == 1)
        return QStringLiteral("The game is complete. ") + winners.first() + QStringLiteral(" wins with ") + score
               + QStringLiteral(" points\r\n") + lasted;
    QString text = QStringLiteral("The game is a draw. ") + QString::number(winners.size())
                   + QStringLiteral(" players scored ") + score + QStringLiteral(" points\r\n");
    for (const QString& name : winners)
        text += name + QStringLiteral("\r\n");
    return text + lasted;
}

void TfrmMain::ShowBattleResult()
{
    ShowMessage(BattleResultText(scoresWindowRows(), FGameTime), MessageKind::Information);
}
