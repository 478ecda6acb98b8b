// Two copies of the game changing the score file or the saved-game index at
// the same time: each change is whole, and a lock that cannot be had leaves
// the files as they were.
#include "FileLock.h"
#include "SavedGames.h"
#include "Scores.h"
#include "StoragePaths.h"
#include "StorageTestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

// Two writers, each with its own lock objects as two processes would have.
template <typename Change>
void runTwoWritersAtOnce(int changesEach, Change change)
{
    std::thread first([&] {
        for (int i = 0; i < changesEach; ++i)
            change(0, i);
    });
    std::thread second([&] {
        for (int i = 0; i < changesEach; ++i)
            change(1, i);
    });
    first.join();
    second.join();
}

TEST(FileLock, TwoWritersAtOnceKeepEveryScoreAndIndexLine)
{
    QTemporaryDir root;
    const QString scores = scoreFilePath(root.path(), "Sudoku");
    const QString games = gamesFolderPath(root.path(), "Sudoku");
    // A writer may miss the moments the other lets go; on a loaded machine
    // that can take longer than the player's few seconds.
    const std::chrono::milliseconds savedWait = fileLockWait();
    setFileLockWait(std::chrono::minutes(1));
    std::atomic<int> failures{0};
    runTwoWritersAtOnce(60, [&](int writer, int i) {
        QString error;
        if (!addScoreLine(scores, QStringLiteral("%1 min %2 s").arg(writer).arg(i), &error))
            ++failures;
    });
    runTwoWritersAtOnce(15, [&](int writer, int i) {
        QString error;
        if (!saveGame(games, QStringLiteral("Partie %1 %2").arg(writer).arg(i), sampleRecord(), &error))
            ++failures;
    });
    setFileLockWait(savedWait);
    EXPECT_EQ(failures.load(), 0);

    const QStringList scoreLines = *scoreListEntries(scores, nullptr);
    const QStringList indexLines = *readSavedGameIndex(games, nullptr);
    EXPECT_EQ(scoreLines.size(), 120);
    EXPECT_EQ(indexLines.size(), 30);
    for (int writer = 0; writer < 2; ++writer) {
        EXPECT_TRUE(scoreLines.contains(QStringLiteral("%1 min 59 s").arg(writer)));
        EXPECT_TRUE(indexLines.contains(QStringLiteral("Partie %1 14").arg(writer)));
    }
    EXPECT_FALSE(QFileInfo::exists(FileLock::lockPathFor(scores)));
}

class HeldLock : public testing::Test {
protected:
    void SetUp() override { setFileLockWait(std::chrono::milliseconds(50)); }
    void TearDown() override { setFileLockWait(m_savedWait); }

    std::chrono::milliseconds m_savedWait = fileLockWait();
    QTemporaryDir m_root;
};

TEST_F(HeldLock, EveryChangeGivesTheMessageAndLeavesTheFilesAsTheyWere)
{
    const QString scores = scoreFilePath(m_root.path(), "Sudoku");
    const QString games = gamesFolderPath(m_root.path(), "Sudoku");
    const QString index = saveIndexPath(games);
    putFile(scores, "1 min 2 s a\r\n");
    putFile(index, "Partie a\r\n");
    putFile(gameFilePath(games, "Partie a"), QByteArray(999, '\0'));

    // Another copy of the game in the middle of its own change.
    QLockFile scoresHeld(FileLock::lockPathFor(scores));
    QLockFile indexHeld(FileLock::lockPathFor(index));
    ASSERT_TRUE(scoresHeld.tryLock(0));
    ASSERT_TRUE(indexHeld.tryLock(0));

    const QString busy = QStringLiteral(" est en cours de modification par une autre copie du jeu. "
                                        "Rien n'a été changé ; réessayez dans un moment.");
    QString error;
    EXPECT_FALSE(addScoreLine(scores, "3 min 4 s b", &error));
    EXPECT_EQ(error, QStringLiteral("Le fichier ") + scores + busy);
    error.clear();
    EXPECT_FALSE(removeScoreLine(scores, "1 min 2 s a", &error));
    EXPECT_TRUE(error.endsWith(busy));
    error.clear();
    EXPECT_FALSE(saveGame(games, "Partie b", sampleRecord(), &error));
    EXPECT_EQ(error, QStringLiteral("Le fichier ") + index + busy);
    error.clear();
    EXPECT_FALSE(deleteSavedGame(games, "Partie a", &error));
    EXPECT_TRUE(error.endsWith(busy));

    EXPECT_EQ(fileBytes(scores), QByteArray("1 min 2 s a\r\n"));
    EXPECT_EQ(fileBytes(index), QByteArray("Partie a\r\n"));
    EXPECT_TRUE(QFileInfo::exists(gameFilePath(games, "Partie a")));
    EXPECT_FALSE(QFileInfo::exists(gameFilePath(games, "Partie b")));

    // Once the other copy is done, the same change goes through.
    scoresHeld.unlock();
    EXPECT_TRUE(addScoreLine(scores, "3 min 4 s b", &error)) << error.toStdString();
    EXPECT_EQ(fileBytes(scores), QByteArray("1 min 2 s a\r\n3 min 4 s b\r\n"));
}

TEST_F(HeldLock, ALockLeftByACopyThatEndedIsTakenOver)
{
    const QString scores = scoreFilePath(m_root.path(), "Sudoku");
    // The lock file of a process that no longer runs on this machine.
    putFile(FileLock::lockPathFor(scores),
            "2147483646\nsudoku\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    QString error;
    EXPECT_TRUE(addScoreLine(scores, "1 min 2 s a", &error)) << error.toStdString();
    EXPECT_EQ(fileBytes(scores), QByteArray("1 min 2 s a\r\n"));
}

} // namespace
