#include "SavesTestSupport.h"

#include "Fenetres.h"
#include "LineFile.h"
#include "ShellFolders.h"
#include "StoragePaths.h"
#include "UnitePerso.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>

#include <algorithm>
#include <vector>

GameSnapshot snapshotOf(TfrmMain& w)
{
    GameSnapshot s;
    std::copy(std::begin(w.FCurrent), std::end(w.FCurrent), s.current.begin());
    std::copy(std::begin(w.FSolution), std::end(w.FSolution), s.solution.begin());
    std::copy(std::begin(w.FGivens), std::end(w.FGivens), s.givens.begin());
    std::copy(std::begin(w.FMarks), std::end(w.FMarks), s.marks.begin());
    s.player = w.NomDuJoueur->text();
    s.level = w.GameLevel;
    s.difficulty = w.ComboBox2->currentText();
    s.time = w.FGameTime;
    s.gridNumber = w.GridNumber;
    s.state = w.GameState;
    s.homeScreen = HomeScreen.Visible;
    return s;
}

void SavesWindowTest::SetUp()
{
    GameWindowTest::SetUp();
    clearSettings();
    QDir(dataRoot() + QStringLiteral("/Sudoku")).removeRecursively();
    start();
}

QString SavesWindowTest::dataRoot() const
{
    return GetShellFolder(QStringLiteral("appdata"));
}

QString SavesWindowTest::indexFile()
{
    return saveIndexPath(window().gamesFolder());
}

QString SavesWindowTest::scoresFile()
{
    return window().scoreFile();
}

void SavesWindowTest::startPlayedGame(const QString& player, double time)
{
    window().NomDuJoueur->setText(player);
    if (HomeScreen.Visible) {
        clickButton(12);
    } else {
        clickButton(1); // replay, answered yes
        answer(true);
    }
    ASSERT_EQ(window().GameState, 2);
    int placed = 0;
    for (int i = 0; i < 81 && placed < 3; ++i)
        if (window().FGivens[i] == kEmptyCell) {
            window().FCurrent[i] = static_cast<std::uint8_t>((window().FSolution[i] + 1) % 9);
            window().FMarks[i * 9 + placed] = 1;
            ++placed;
        }
    ASSERT_EQ(placed, 3);
    window().FGameTime = time;
}

void SavesWindowTest::clickButton(int button)
{
    // The columns from the top: the in-game one at x 80, the home screen's at
    // x 450; each visible entry stands 40 below the one before, the first at
    // y 140 and 280.
    static const std::vector<int> game{0, 1, 2, 3, 4, 5, 7, 8, 9};
    static const std::vector<int> homeColumn{12, 13, 4, 15, 14, 9};
    const bool home = HomeScreen.Visible
                      && std::find(homeColumn.begin(), homeColumn.end(), button) != homeColumn.end();
    int y = home ? 240 : 100;
    bool found = false;
    for (int entry : home ? homeColumn : game) {
        if (Buttons[entry].Visible)
            y += 40;
        if (entry == button) {
            found = true;
            break;
        }
    }
    ASSERT_TRUE(found) << "button " << button;
    ASSERT_TRUE(Buttons[button].Visible && Buttons[button].Enabled) << "button " << button;
    pressAt((home ? 450 : 80) + 75, y + 19);
    frame();
}

void SavesWindowTest::answer(bool yes)
{
    ASSERT_TRUE(MessageWindow.Visible);
    const std::uint8_t kind = MessageWindow.Kind;
    frame(); // places the window
    pressAt(MessageWindow.X + (yes ? 50 : 300) + 75, MessageWindow.Y + 300 + 19);
    frame();
    ASSERT_FALSE(MessageWindow.Visible && MessageWindow.Kind == kind) << "the answer did not close the window";
}

QStringList SavesWindowTest::listEntries()
{
    QStringList entries;
    for (int i = 0; i < window().ListBox1()->count(); ++i)
        entries << window().ListBox1()->item(i)->text();
    return entries;
}

bool SavesWindowTest::selectEntry(const QString& text)
{
    const QList<QListWidgetItem*> items = window().ListBox1()->findItems(text, Qt::MatchExactly);
    if (items.isEmpty())
        return false;
    window().ListBox1()->setCurrentItem(items.first());
    return true;
}

QStringList SavesWindowTest::fileLines(const QString& path)
{
    if (!QFileInfo::exists(path))
        return {QStringLiteral("<missing>")};
    return readLineFile(path, nullptr).value_or(QStringList{QStringLiteral("<unreadable>")});
}

void SavesWindowTest::writeLines(const QString& path, const QStringList& lines)
{
    QString error;
    ASSERT_TRUE(writeLineFile(path, lines, &error)) << error.toStdString();
}
