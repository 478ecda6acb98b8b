#include "Scores.h"
#include "StoragePaths.h"
#include "StorageTestSupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(Scores, FileKeepsTheOrderOfWinningTheListIsSortedAsTextWithoutCase)
{
    QTemporaryDir root;
    const QString file = scoreFilePath(root.path(), "Sudoku");
    EXPECT_EQ(scoreListEntries(file, nullptr), QStringList()) << "no file yet";
    for (const char* line : {"9 min 1 s b", "10 min 0 s a", "2 min 5 s Zed", "2 min 5 s alf"})
        ASSERT_TRUE(addScoreLine(file, line, nullptr));
    EXPECT_EQ(fileBytes(file), QByteArray("9 min 1 s b\r\n10 min 0 s a\r\n2 min 5 s Zed\r\n2 min 5 s alf\r\n"));
    EXPECT_EQ(scoreListEntries(file, nullptr),
              (QStringList{"10 min 0 s a", "2 min 5 s alf", "2 min 5 s Zed", "9 min 1 s b"}));
}

TEST(Scores, DeletingOneOfTwoEqualScoresKeepsTheOther)
{
    QTemporaryDir root;
    const QString file = scoreFilePath(root.path(), "Sudoku");
    putFile(file, "2 min 5 s x\r\n1 min 0 s y\r\n2 min 5 s x\r\n");
    const QStringList shown = *scoreListEntries(file, nullptr);
    ASSERT_TRUE(removeScoreLine(file, shown.at(1), nullptr));
    EXPECT_EQ(fileBytes(file), QByteArray("1 min 0 s y\r\n2 min 5 s x\r\n"));
}

} // namespace
