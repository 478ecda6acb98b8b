// Saving, listing, loading and deleting games through the main window's
// drawn buttons, the load chooser and the list's pop-up item.
#include "SavesTestSupport.h"

#include "Fenetres.h"
#include "IndexLine.h"
#include "PanelStatusBar.h"
#include "SavedGameCodec.h"
#include "SavedGames.h"
#include "StoragePaths.h"
#include "StorageTestSupport.h"
#include "UnitePerso.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSet>
#include <QTimer>

namespace {

class SavedGamesWindowTest : public SavesWindowTest
{
protected:
    // Saves through the in-game save button and returns the new index line.
    QString saveByButton()
    {
        clickButton(7);
        const QStringList after = fileLines(indexFile());
        if (after.isEmpty() || after == QStringList{QStringLiteral("<missing>")})
            return QString();
        return after.last();
    }

    // Puts a game file with these bytes in the folder and its line in the index.
    QString placeGameFile(const QString& player, const QByteArray& bytes)
    {
        const QString line = buildIndexLine(window().FText(72), QDateTime(QDate(2023, 1, 2), QTime(9, 8, 7)),
                                            window().FText(23), player);
        QStringList lines = fileLines(indexFile());
        lines.removeAll(QStringLiteral("<missing>"));
        writeLines(indexFile(), lines << line);
        putFile(gameFilePath(window().gamesFolder(), line), bytes);
        return line;
    }

    // Opens the chooser with the load button, selects the entry and answers yes.
    void loadEntry(const QString& line)
    {
        clickButton(4);
        ASSERT_TRUE(MessageWindow.Visible);
        ASSERT_EQ(MessageWindow.Kind, 1);
        ASSERT_TRUE(selectEntry(line)) << line.toStdString();
        answer(true);
    }
};

TEST_F(SavedGamesWindowTest, ASavedGameReloadsAfterAnotherGameWithEverythingItHad)
{
    startPlayedGame(QStringLiteral("Ann"), 125.5);
    window().GameLevel = 3;
    window().GridNumber = 7;
    const GameSnapshot saved = snapshotOf(window());

    const QString line = saveByButton();
    ASSERT_FALSE(line.isEmpty()) << m_messages->messages().join(u'\n').toStdString();
    EXPECT_TRUE(line.startsWith(window().FText(72) + u' '));
    EXPECT_TRUE(line.endsWith(u' ' + window().FText(26) + QStringLiteral(" Ann")));
    EXPECT_EQ(QFileInfo(gameFilePath(window().gamesFolder(), line)).size(), 999);
    EXPECT_EQ(window().StatusBar1->panelText(4), window().FText(50));
    // Saving changes nothing of the game in play.
    EXPECT_EQ(snapshotOf(window()), saved);
    EXPECT_TRUE(window().Timer1->isActive());

    // Another game, another player, another level.
    startPlayedGame(QStringLiteral("Bob"), 3.0);
    window().GameLevel = 0;
    window().GridNumber = 0;
    ASSERT_NE(snapshotOf(window()), saved);

    loadEntry(line);
    EXPECT_TRUE(m_messages->messages().isEmpty()) << m_messages->messages().join(u'\n').toStdString();
    GameSnapshot loaded = snapshotOf(window());
    EXPECT_EQ(loaded.difficulty, window().FText(26));
    EXPECT_EQ(window().Edit1->text(), window().FText(26));
    loaded.difficulty = saved.difficulty;
    EXPECT_EQ(loaded, saved);
    EXPECT_EQ(window().GameState, 2);
    EXPECT_EQ(window().FGameType, 0);
    EXPECT_TRUE(window().Timer1->isActive());
    EXPECT_FALSE(Buttons[10].Visible); // help only at the first level
    EXPECT_EQ(window().ListBox1()->count(), 0);
    EXPECT_TRUE(window().ListBox1()->isHidden());

    // Saved again, the game keeps its loaded level.
    const QString again = saveByButton();
    EXPECT_TRUE(again.endsWith(u' ' + window().FText(26) + QStringLiteral(" Ann")));
}

TEST_F(SavedGamesWindowTest, LoadingFromTheHomeScreenEntersTheGameWithoutPause)
{
    startPlayedGame(QStringLiteral("Cy"), 10.0);
    window().FForceSolved = true;
    const QString line = saveByButton();
    ASSERT_FALSE(line.isEmpty());
    const GameSnapshot saved = snapshotOf(window());

    // Back home through the quit question, then load from the home column.
    clickButton(9);
    answer(true);
    ASSERT_TRUE(HomeScreen.Visible);
    Buttons[8].Visible = true;
    Buttons[12].Enabled = false;

    loadEntry(line);
    EXPECT_FALSE(HomeScreen.Visible);
    EXPECT_TRUE(GameMenu.Visible);
    EXPECT_FALSE(Buttons[8].Visible);
    EXPECT_TRUE(Buttons[10].Visible); // the first level offers help
    for (int i : {0, 2, 3, 7, 12})
        EXPECT_TRUE(Buttons[i].Enabled) << "button " << i;
    for (int i : {1, 2, 4, 7})
        EXPECT_TRUE(Buttons[i].Visible) << "button " << i;
    EXPECT_FALSE(window().FForceSolved);
    EXPECT_TRUE(window().PanPaused->isHidden());
    GameSnapshot loaded = snapshotOf(window());
    EXPECT_FALSE(loaded.homeScreen);
    loaded.homeScreen = saved.homeScreen;
    EXPECT_EQ(loaded, saved);
}

TEST_F(SavedGamesWindowTest, ALongPlayerNameStandsWholeInTheIndexButComesBackAsTenCharacters)
{
    startPlayedGame(QStringLiteral("Bartholomew Ng"), 1.0);
    const QString line = saveByButton();
    EXPECT_TRUE(line.endsWith(QStringLiteral(" Bartholomew Ng")));
    window().NomDuJoueur->setText(QStringLiteral("Other"));
    loadEntry(line);
    EXPECT_EQ(window().NomDuJoueur->text(), QStringLiteral("Bartholome"));
}

TEST_F(SavedGamesWindowTest, ANameThatCannotStandInAFileNameIsSavedInsideTheGamesFolder)
{
    startPlayedGame(QStringLiteral("../a/b"), 1.0);
    const QString line = saveByButton();
    ASSERT_FALSE(line.isEmpty()) << m_messages->messages().join(u'\n').toStdString();
    EXPECT_FALSE(line.contains(u'/'));
    const QStringList files =
        QDir(window().gamesFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    EXPECT_EQ(QSet<QString>(files.begin(), files.end()), (QSet<QString>{QStringLiteral("Save.frd"), line}));
    EXPECT_EQ(QDir(dataRoot() + QStringLiteral("/Sudoku")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("Parties")});

    window().NomDuJoueur->setText(QStringLiteral("x"));
    loadEntry(line);
    EXPECT_EQ(window().NomDuJoueur->text(), QStringLiteral("../a/b"));
}

TEST_F(SavedGamesWindowTest, ASaveThatCannotBeWrittenIsReportedAndChangesNothing)
{
    startPlayedGame(QStringLiteral("Di"), 5.0);
    // A file where the program's data folder should be: no folder can be made.
    putFile(dataRoot() + QStringLiteral("/Sudoku"), QByteArray("not a folder"));
    const GameSnapshot before = snapshotOf(window());
    clickButton(7);
    ASSERT_EQ(m_messages->count(), 1);
    EXPECT_TRUE(m_messages->messages().first().contains(QStringLiteral("Sudoku")))
        << m_messages->messages().first().toStdString();
    EXPECT_NE(window().StatusBar1->panelText(4), window().FText(50));
    EXPECT_EQ(snapshotOf(window()), before);
    EXPECT_EQ(window().GameState, 2);
    QFile::remove(dataRoot() + QStringLiteral("/Sudoku"));
}

TEST_F(SavedGamesWindowTest, TheChooserListsTheIndexSortedUnlessTheRulesWereShownLast)
{
    const QStringList fileOrder{QStringLiteral("Game 10-01-2024 09 H00 Mn00 S Easy Zed"),
                                QStringLiteral("game 02-05-2024 09 H00 Mn00 S Easy amy"),
                                QStringLiteral("Game 02-05-2024 08 H00 Mn00 S Hard Bea")};
    const QStringList sorted{fileOrder[2], fileOrder[1], fileOrder[0]};
    writeLines(indexFile(), fileOrder);

    clickButton(4);
    EXPECT_EQ(listEntries(), sorted);
    EXPECT_EQ(MessageWindow.Text, window().FText(71));
    EXPECT_TRUE(YesButton.Enabled);
    EXPECT_TRUE(NoButton.Visible);
    EXPECT_FALSE(window().ListBox1()->isHidden());
    EXPECT_TRUE(window().ListBox1()->isEnabled());
    answer(false);
    EXPECT_EQ(window().ListBox1()->count(), 0);

    clickButton(14); // rules: the list is no longer sorted
    answer(true);
    clickButton(4);
    EXPECT_EQ(listEntries(), fileOrder);
    answer(false);

    clickButton(15); // scores: sorted again
    answer(true);
    clickButton(4);
    EXPECT_EQ(listEntries(), sorted);
    answer(false);
    EXPECT_EQ(fileLines(indexFile()), fileOrder);
}

TEST_F(SavedGamesWindowTest, WithoutIndexTheChooserOpensEmptyAndDisabled)
{
    clickButton(4);
    EXPECT_EQ(MessageWindow.Kind, 1);
    EXPECT_EQ(window().ListBox1()->count(), 0);
    EXPECT_FALSE(window().ListBox1()->isEnabled());
    answer(true);
    EXPECT_TRUE(HomeScreen.Visible);
    EXPECT_EQ(window().GameState, 0);
    EXPECT_TRUE(m_messages->messages().isEmpty());
}

TEST_F(SavedGamesWindowTest, DeletingFromTheChooserRemovesFileLineAndEntryAndOthersStillLoad)
{
    startPlayedGame(QStringLiteral("Ed"), 20.0);
    const QString first = saveByButton();
    startPlayedGame(QStringLiteral("Flo"), 40.0);
    const GameSnapshot second = snapshotOf(window());
    const QString kept = saveByButton();
    ASSERT_FALSE(first.isEmpty());
    ASSERT_FALSE(kept.isEmpty());
    ASSERT_NE(first, kept);

    clickButton(4);
    ASSERT_TRUE(selectEntry(first));
    window().Effacer->trigger();
    EXPECT_EQ(listEntries(), QStringList{kept});
    EXPECT_EQ(fileLines(indexFile()), QStringList{kept});
    EXPECT_FALSE(QFileInfo::exists(gameFilePath(window().gamesFolder(), first)));
    EXPECT_TRUE(MessageWindow.Visible);

    // With nothing selected the item deletes nothing.
    window().ListBox1()->clearSelection();
    window().Effacer->trigger();
    EXPECT_EQ(listEntries(), QStringList{kept});

    answer(false);

    startPlayedGame(QStringLiteral("Gus"), 1.0);
    loadEntry(kept);
    EXPECT_EQ(snapshotOf(window()), second);
}

TEST_F(SavedGamesWindowTest, DeletingAGameWhoseFileIsGoneStillRemovesItsLine)
{
    const QString line = placeGameFile(QStringLiteral("Hal"), EncodeSavedGame(sampleRecord()));
    QFile::remove(gameFilePath(window().gamesFolder(), line));
    clickButton(4);
    ASSERT_TRUE(selectEntry(line));
    window().Effacer->trigger();
    EXPECT_TRUE(listEntries().isEmpty());
    EXPECT_TRUE(fileLines(indexFile()).isEmpty());
    EXPECT_TRUE(m_messages->messages().isEmpty());
}

TEST_F(SavedGamesWindowTest, AnEntryWhoseFileIsMissingSaysSoAndLeavesTheGame)
{
    startPlayedGame(QStringLiteral("Ida"), 12.0);
    const GameSnapshot before = snapshotOf(window());
    const QString line = placeGameFile(QStringLiteral("Jo"), EncodeSavedGame(sampleRecord()));
    const QString path = gameFilePath(window().gamesFolder(), line);
    QFile::remove(path);

    loadEntry(line);
    ASSERT_EQ(m_messages->count(), 1);
    EXPECT_EQ(m_messages->messages().first(), QDir::toNativeSeparators(path) + QStringLiteral("Introuvable"));
    EXPECT_EQ(snapshotOf(window()), before);
}

// Files that the game never writes: each is refused with a message naming
// the file and the game in play stays as it was.
struct RefusedFile
{
    const char* name;
    QByteArray (*bytes)();
    const char* reason; // part of the message
};

QByteArray withByte(qsizetype offset, char value)
{
    QByteArray bytes = EncodeSavedGame(sampleRecord());
    bytes[offset] = value;
    return bytes;
}

QByteArray withLevel(std::int32_t level)
{
    SavedGameRecord record = sampleRecord();
    record.level = level;
    return EncodeSavedGame(record);
}

const RefusedFile kRefusedFiles[] = {
    {"OneByteShort", [] { return EncodeSavedGame(sampleRecord()).chopped(1); }, "998 octets"},
    {"OneByteLong", [] { return EncodeSavedGame(sampleRecord()) + '\0'; }, "1000 octets"},
    {"Empty", [] { return QByteArray(); }, "0 octets"},
    {"NameLengthEleven", [] { return withByte(SavedGameLayout::kName, 11); }, "11 caract"},
    {"NameLength255", [] { return withByte(SavedGameLayout::kName, char(255)); }, "255 caract"},
    {"LevelFive", [] { return withLevel(5); }, "niveau 5 "},
    {"LevelMinusOne", [] { return withLevel(-1); }, "niveau -1 "},
};

class RefusedFileTest : public SavedGamesWindowTest, public ::testing::WithParamInterface<RefusedFile>
{
};

TEST_P(RefusedFileTest, IsReportedAndTheGameInPlayStaysAsItWas)
{
    startPlayedGame(QStringLiteral("Kai"), 33.0);
    window().GameLevel = 2;
    const GameSnapshot before = snapshotOf(window());
    const QString line = placeGameFile(QStringLiteral("Lee"), GetParam().bytes());

    loadEntry(line);
    ASSERT_EQ(m_messages->count(), 1);
    const QString message = m_messages->messages().first();
    EXPECT_TRUE(message.contains(QDir::toNativeSeparators(gameFilePath(window().gamesFolder(), line))))
        << message.toStdString();
    EXPECT_TRUE(message.contains(QLatin1String(GetParam().reason))) << message.toStdString();
    EXPECT_EQ(snapshotOf(window()), before);
    EXPECT_TRUE(GameMenu.Visible);
    // The file is left for the player to inspect; its entry is still listed.
    EXPECT_TRUE(QFileInfo::exists(gameFilePath(window().gamesFolder(), line)));
    EXPECT_EQ(fileLines(indexFile()), QStringList{line});
}

INSTANTIATE_TEST_SUITE_P(SavedGameFiles, RefusedFileTest, ::testing::ValuesIn(kRefusedFiles),
                         [](const ::testing::TestParamInfo<RefusedFile>& info) { return info.param.name; });

} // namespace
