// Saving the game in play, the load chooser and loading a saved game, and the
// list window they share with the scores and the rules. The file formats and
// file operations are storage's; these methods only tie them to the window.
// A file that cannot be read or written is reported in a message box and
// leaves the game in play as it was.
#include "MainUnit.h"

#include "ButtonId.h"
#include "Fenetres.h"
#include "GameState.h"
#include "GameType.h"
#include "LanguageLines.h"
#include "MessageBox.h"
#include "ShellFolders.h"
#include "SudokuStorage.h"
#include "UnitePerso.h"
#include "WindowKind.h"

#include <QComboBox>
#include <QDateTime>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>

#include <initializer_list>

QString TfrmMain::gamesFolder() const
{
    return gamesFolderPath(GetShellFolder(FShellFolderName), FText(Line::ProgramWord));
}

void TfrmMain::fillListWindow(const QStringList& lines)
{
    QListWidget* list = ListBox1();
    list->setSortingEnabled(false);
    list->clear();
    list->addItems(lines);
}

int TfrmMain::selectedListRow() const
{
    const QListWidget* list = m_listBox1;
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

void TfrmMain::mnuSaveClick()
{
    FPickerOpen = false;
    const QString line =
        buildIndexLine(FText(Line::IndexWord), QDateTime::currentDateTime(), FText(Line::levelName(GameLevel)),
                       NomDuJoueur->text());

    SavedGameRecord record;
    captureEngineGrids(*this, record);
    record.playerName = NomDuJoueur->text();
    record.gridNumber = GridNumber;
    record.gameTime = FGameTime;

    QString error;
    if (!saveGame(gamesFolder(), line, record, &error)) {
        ShowMessage(error);
        return;
    }
    FMessage(FText(Line::GameSaved));
}

void TfrmMain::mnuLoadClick()
{
    FPickerOpen = false;
    ListBox1()->clear();
    QString error;
    const std::optional<QStringList> entries = savedGameChooserEntries(gamesFolder(), FListSorted, &error);
    if (!entries) {
        ShowMessage(error);
        return;
    }
    fillListWindow(*entries);
    OpenMessageWindow(WindowKind::LoadChooser, FText(Line::LoadChooserText), QStringLiteral("Ok"),
                      QStringLiteral("Annuler"));
}

void TfrmMain::ChargeJeu()
{
    const QString folder = gamesFolder();
    if (!QFileInfo::exists(saveIndexPath(folder)))
        return;
    const int row = selectedListRow();
    if (row < 0)
        return;

    // Everything is read and checked before the game in play changes.
    QString error;
    const std::optional<SavedGameRecord> record = loadSavedGame(folder, ListBox1()->item(row)->text(), &error);
    if (!record) {
        ShowMessage(error);
        return;
    }

    ResetBoardView();
    restoreEngineGrids(*record, *this);
    GridNumber = record->gridNumber;
    FGameTime = record->gameTime;
    NomDuJoueur->setText(record->playerName);
    ShowLoadedDifficulty(GameLevel);

    if (HomeScreen.Visible) {
        HomeScreen.Visible = false;
        Buttons[ButtonId::Play].Visible = false;
        GameMenu.Visible = true;
    }
    showButtons({ButtonId::Check, ButtonId::Save, ButtonId::Replay, ButtonId::Load}, true);
    Buttons[ButtonId::Help].Visible = ComboBox2->currentText() == FText(Line::FirstLevelName);
    enableButtons({ButtonId::Solve, ButtonId::Check, ButtonId::NewGame, ButtonId::Print, ButtonId::Save}, true);
    PanPaused->hide();

    GameState = GameState::Playing;
    StopNetworkGame();
    FGameType = GameType::SinglePlayer;
    Timer1->start();
}

void TfrmMain::ShowLoadedDifficulty(std::uint8_t level)
{
    const QString name = FText(Line::levelName(level));
    ComboBox2->setEditText(name);
    Edit1->setText(name);
}
