// The score table and the rules text in the list window, and the list's
// pop-up item that deletes a score or a saved game. A file that cannot be
// read or written is reported in a message box; the caller's own steps go on.
#include "MainUnit.h"

#include "Fenetres.h"
#include "LanguageLines.h"
#include "MessageBox.h"
#include "ShellFolders.h"
#include "SudokuStorage.h"
#include "WindowKind.h"

#include <QDate>
#include <QLineEdit>
#include <QListWidget>

QString TfrmMain::scoreFile() const
{
    return scoreFilePath(GetShellFolder(FShellFolderName), FText(Line::ProgramWord));
}

void TfrmMain::AjouteScore()
{
    ScoreLineTexts texts{FText(Line::Minutes), FText(Line::Seconds), FText(Line::ScoreLineTemplate), {}};
    for (int level = 0; level < 5; ++level)
        texts.levelNames << FText(Line::levelName(level));
    const QString date = scoreDateText(QDate::currentDate(), regionalDateSeparator());
    const QString line = buildScoreLine(FGameTime, GameLevel, NomDuJoueur->text(), date, texts);

    QString error;
    if (!addScoreLine(scoreFile(), line, &error))
        ShowMessage(error);
}

void TfrmMain::ScoresClick()
{
    QString error;
    const std::optional<QStringList> lines = scoreListEntries(scoreFile(), &error);
    if (!lines) {
        ShowMessage(error);
        return;
    }
    FListSorted = true;
    fillListWindow(*lines);
    OpenMessageWindow(WindowKind::Scores, FText(Line::ScoresText), QStringLiteral("OUI"), QString());
}

void TfrmMain::BtRegleClick()
{
    ListBox1()->clear();
    FListSorted = false;
    QString error;
    const std::optional<QStringList> lines = readRulesText(FAppFolder, &error);
    if (!lines) {
        ShowMessage(error);
        return;
    }
    fillListWindow(*lines);
    OpenMessageWindow(WindowKind::Rules, FText(Line::RulesText), QStringLiteral("Oui"), QString());
}

void TfrmMain::EffacerClick()
{
    const int row = selectedListRow();
    switch (MessageWindow.Kind) {
    case WindowKind::Scores:
        if (EnleveLigne(QStringLiteral("scores"), row))
            delete ListBox1()->takeItem(row);
        break;
    case WindowKind::LoadChooser:
        if (EnleveLigne(QStringLiteral("charge"), row))
            delete ListBox1()->takeItem(row);
        break;
    default:
        break;
    }
}

bool TfrmMain::EnleveLigne(const QString& fileWord, int entry)
{
    if (entry < 0 || entry >= ListBox1()->count())
        return false;
    const QString line = ListBox1()->item(entry)->text();
    QString error;
    bool done = false;
    if (fileWord == QLatin1String("scores"))
        done = removeScoreLine(scoreFile(), line, &error);
    else if (fileWord == QLatin1String("charge"))
        done = deleteSavedGame(gamesFolder(), line, &error);
    else
        return false;
    if (!done)
        ShowMessage(error);
    return done;
}
