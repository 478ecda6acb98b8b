#include "StoragePaths.h"

#include <gtest/gtest.h>

namespace {

TEST(StoragePaths, FoldersAndFilesHaveOneSpellingEach)
{
    const QString games = gamesFolderPath("/home/u/.local/share", "Sudoku");
    EXPECT_EQ(games, "/home/u/.local/share/Sudoku/Parties");
    EXPECT_EQ(saveIndexPath(games), "/home/u/.local/share/Sudoku/Parties/Save.frd");
    EXPECT_EQ(scoreFilePath("/home/u/.local/share", "Sudoku"), "/home/u/.local/share/Sudoku/Scores/Scores.frd");
    EXPECT_EQ(rulesFilePath("/opt/sudoku/"), "/opt/sudoku/Textes/regles demo.txt");
}

} // namespace
