#include "IndexLine.h"
#include "LineFile.h"
#include "SavedGameCodec.h"
#include "SavedGames.h"
#include "StoragePaths.h"
#include "StorageTestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class SavedGamesTest : public testing::Test {
protected:
    SavedGamesTest() : m_games(gamesFolderPath(m_root.path(), "Sudoku")) {}

    QStringList index() const { return readSavedGameIndex(m_games, nullptr).value_or(QStringList{"<unreadable>"}); }
    bool gameFileExists(const QString& line) const { return QFileInfo::exists(gameFilePath(m_games, line)); }

    static QString line(const QString& player, int hour = 14)
    {
        return buildIndexLine("Game", QDateTime(QDate(2024, 3, 5), QTime(hour, 7, 9)), "Easy", player);
    }

    QString save(const QString& player, const SavedGameRecord& record = sampleRecord(), int hour = 14)
    {
        QString error;
        EXPECT_TRUE(saveGame(m_games, line(player, hour), record, &error)) << error.toStdString();
        return line(player, hour);
    }

    QTemporaryDir m_root;
    QString m_games;
};

TEST_F(SavedGamesTest, SaveCreatesTheFolderAndLoadGivesTheGameBack)
{
    const QString saved = save("Bob");
    EXPECT_EQ(fileBytes(saveIndexPath(m_games)), (saved + "\r\n").toLatin1());
    EXPECT_EQ(QFileInfo(gameFilePath(m_games, saved)).size(), 999);
    QString error;
    const auto loaded = loadSavedGame(m_games, saved, &error);
    ASSERT_TRUE(loaded.has_value()) << error.toStdString();
    EXPECT_EQ(*loaded, sampleRecord());
}

TEST_F(SavedGamesTest, SavingTheSameLineAgainReplacesTheGameWithoutASecondLine)
{
    SavedGameRecord newer = sampleRecord();
    newer.gameTime = 300.0;
    save("Bob");
    const QString saved = save("Bob", newer);
    EXPECT_EQ(index(), QStringList{saved});
    EXPECT_EQ(loadSavedGame(m_games, saved, nullptr)->gameTime, 300.0);
}

TEST_F(SavedGamesTest, PlayerNameWithSeparatorsStaysInsideTheGamesFolder)
{
    const QString saved = save("../../x/y");
    EXPECT_EQ(QDir(m_games).entryList(QDir::Files, QDir::Name), (QStringList{saved, "Save.frd"}));
    EXPECT_EQ(QDir(m_root.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"Sudoku"});
}

TEST_F(SavedGamesTest, UnsafeLinesAreRefusedAndTouchNoFileOutside)
{
    const QString victim = QDir(m_root.path()).filePath("victim");
    putFile(victim, EncodeSavedGame(sampleRecord()));
    putFile(saveIndexPath(m_games), "../../victim\r\n");
    QString error;
    EXPECT_FALSE(saveGame(m_games, "../../victim", sampleRecord(), &error));
    EXPECT_FALSE(loadSavedGame(m_games, "../../victim", &error).has_value());
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(deleteSavedGame(m_games, "../../victim", &error)) << error.toStdString();
    EXPECT_TRUE(index().isEmpty()) << "the bad line itself goes";
    EXPECT_TRUE(QFileInfo(victim).isFile());
}

TEST_F(SavedGamesTest, MissingOrCorruptGameFileGivesAnErrorNamingIt)
{
    const QString saved = save("Bob");
    putFile(gameFilePath(m_games, saved), QByteArray(500, '\0'));
    QString error;
    EXPECT_FALSE(loadSavedGame(m_games, saved, &error).has_value());
    EXPECT_TRUE(error.contains(saved) && error.contains("500")) << error.toStdString();

    ASSERT_TRUE(QFile::remove(gameFilePath(m_games, saved)));
    EXPECT_FALSE(loadSavedGame(m_games, saved, &error).has_value());
    EXPECT_EQ(error, gameFilePath(m_games, saved) + "Introuvable");
}

TEST_F(SavedGamesTest, DeleteRemovesFileAndLineAndLeavesTheOthersLoadable)
{
    const QString a = save("Ann", sampleRecord(), 10);
    const QString b = save("Bob", sampleRecord(), 11);
    const QString c = save("Cid", sampleRecord(), 12);
    ASSERT_TRUE(QFile::remove(gameFilePath(m_games, c))); // gone by other means
    QString error;
    ASSERT_TRUE(deleteSavedGame(m_games, b, &error)) << error.toStdString();
    ASSERT_TRUE(deleteSavedGame(m_games, c, &error)) << error.toStdString();
    EXPECT_EQ(index(), QStringList{a});
    EXPECT_FALSE(gameFileExists(b));
    EXPECT_TRUE(loadSavedGame(m_games, a, nullptr).has_value());
}

TEST_F(SavedGamesTest, DeletingOneOfTwoEqualLinesKeepsTheFileForTheOther)
{
    const QString saved = save("Bob");
    ASSERT_TRUE(writeLineFile(saveIndexPath(m_games), {saved, "other", saved}, nullptr));
    ASSERT_TRUE(deleteSavedGame(m_games, saved, nullptr));
    EXPECT_EQ(index(), (QStringList{"other", saved}));
    EXPECT_TRUE(gameFileExists(saved));

    ASSERT_TRUE(deleteSavedGame(m_games, saved, nullptr));
    EXPECT_EQ(index(), QStringList{"other"});
    EXPECT_FALSE(gameFileExists(saved));
}

TEST_F(SavedGamesTest, ChooserSortsAsTextWithoutCaseOrKeepsFileOrder)
{
    const QStringList lines = {"Game 12-01-2024 10 H00 Mn00 S Easy Ann", "game 03-02-2024 10 H00 Mn00 S Easy Bob",
                               "Game 05-03-2023 10 H00 Mn00 S Easy Cid", "Another 31-12-2024 10 H00 Mn00 S Easy "};
    ASSERT_TRUE(writeLineFile(saveIndexPath(m_games), lines, nullptr));
    EXPECT_EQ(savedGameChooserEntries(m_games, true, nullptr), (QStringList{lines[3], lines[1], lines[2], lines[0]}));
    EXPECT_EQ(savedGameChooserEntries(m_games, false, nullptr), lines);
}

TEST_F(SavedGamesTest, FailedIndexWriteLeavesNeitherANewLineNorAnOrphanFile)
{
    QStringList old;
    for (int i = 0; i < 100; ++i)
        old << line(QStringLiteral("old %1").arg(i));
    ASSERT_TRUE(writeLineFile(saveIndexPath(m_games), old, nullptr));
    const QByteArray oldBytes = fileBytes(saveIndexPath(m_games));
    QString error;
    bool saved = true;
    {
        // The game file (999 bytes) fits under the limit, the grown index does not.
        FileSizeLimit limit(static_cast<rlim_t>(oldBytes.size()));
        saved = saveGame(m_games, line("Bob"), sampleRecord(), &error);
    }
    EXPECT_FALSE(saved);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(fileBytes(saveIndexPath(m_games)), oldBytes);
    EXPECT_FALSE(gameFileExists(line("Bob")));
}

TEST_F(SavedGamesTest, SaveWithAnUnreadableIndexWritesNothing)
{
    ASSERT_TRUE(QDir().mkpath(saveIndexPath(m_games)));
    QString error;
    EXPECT_FALSE(saveGame(m_games, line("Bob"), sampleRecord(), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(gameFileExists(line("Bob")));
}

} // namespace
