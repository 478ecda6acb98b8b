// The score table through the main window: the win window's yes answer adds
// the line, the scores and the rules fill the list window, and the list's
// pop-up item deletes a score.
#include "SavesTestSupport.h"

#include "Fenetres.h"
#include "RulesText.h"
#include "ScoreLine.h"
#include "StorageTestSupport.h"
#include "UnitePerso.h"

#include <QAction>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>

#include <algorithm>

namespace {

class ScoresWindowTest : public SavesWindowTest
{
protected:
    // Completes the grid: the game ends and the win window opens.
    void winTheGame()
    {
        std::copy(std::begin(window().FSolution), std::end(window().FSolution), std::begin(window().FCurrent));
        window().CheckCompletion();
        ASSERT_TRUE(MessageWindow.Visible);
        ASSERT_EQ(MessageWindow.Kind, 0);
        ASSERT_FALSE(Buttons[4].Enabled);
    }

    QString today() const { return scoreDateText(QDate::currentDate(), regionalDateSeparator()); }
};

TEST_F(ScoresWindowTest, TheWinWindowsYesAddsTheGamesLineAfterTheOthers)
{
    writeLines(scoresFile(), {QStringLiteral("1 min 2 s by Old on 01/01/2020 Easy")});
    startPlayedGame(QStringLiteral("Zoe"), 125.7);
    window().GameLevel = 1;
    winTheGame();
    answer(true);

    EXPECT_TRUE(m_messages->messages().isEmpty()) << m_messages->messages().join(u'\n').toStdString();
    EXPECT_EQ(fileLines(scoresFile()),
              (QStringList{QStringLiteral("1 min 2 s by Old on 01/01/2020 Easy"),
                           QStringLiteral("2 min 5 s by Zoe on ") + today() + u' ' + window().FText(24)}));
    for (int i : {1, 4, 5, 9})
        EXPECT_TRUE(Buttons[i].Enabled) << "button " << i;
}

TEST_F(ScoresWindowTest, AScoreThatCannotBeWrittenIsReportedAndTheWinWindowStillFinishes)
{
    putFile(dataRoot() + QStringLiteral("/Sudoku/Scores"), QByteArray("not a folder"));
    startPlayedGame(QStringLiteral("Bo"), 10.0);
    winTheGame();
    answer(true);
    ASSERT_EQ(m_messages->count(), 1);
    EXPECT_TRUE(m_messages->messages().first().contains(QStringLiteral("Scores")))
        << m_messages->messages().first().toStdString();
    for (int i : {1, 4, 5, 9})
        EXPECT_TRUE(Buttons[i].Enabled) << "button " << i;
    EXPECT_FALSE(MessageWindow.Visible);
    EXPECT_FALSE(BoardInputBlocked);
}

TEST_F(ScoresWindowTest, TheScoresAreListedSortedAsTextAndStayAfterTheAnswer)
{
    const QStringList file{QStringLiteral("9 min 1 s by Cy on 02/02/2022 Easy"),
                           QStringLiteral("10 min 0 s by Di on 03/03/2023 Hard"),
                           QStringLiteral("1 min 59 s by ed on 04/04/2024 Easy")};
    writeLines(scoresFile(), file);
    clickButton(15);
    EXPECT_EQ(MessageWindow.Kind, 7);
    EXPECT_EQ(MessageWindow.Text, window().FText(46));
    EXPECT_TRUE(YesButton.Enabled);
    EXPECT_FALSE(NoButton.Visible);
    EXPECT_FALSE(window().ListBox1()->isHidden());
    EXPECT_EQ(window().ListBox1()->contextMenuPolicy(), Qt::ActionsContextMenu);
    EXPECT_EQ(listEntries(), (QStringList{file[2], file[1], file[0]}));

    answer(true);
    EXPECT_TRUE(window().ListBox1()->isHidden());
    EXPECT_EQ(window().ListBox1()->count(), 3);
    EXPECT_EQ(fileLines(scoresFile()), file);
}

TEST_F(ScoresWindowTest, WithoutScoreFileTheWindowOpensWithAnEmptyList)
{
    clickButton(15);
    EXPECT_EQ(MessageWindow.Kind, 7);
    EXPECT_EQ(window().ListBox1()->count(), 0);
    EXPECT_FALSE(window().ListBox1()->isEnabled());
    EXPECT_TRUE(m_messages->messages().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(scoresFile()));
}

TEST_F(ScoresWindowTest, AScoreFileThatCannotBeReadIsReportedAndNoWindowOpens)
{
    QDir().mkpath(scoresFile()); // a folder where the file should be
    clickButton(15);
    EXPECT_EQ(m_messages->count(), 1);
    EXPECT_FALSE(MessageWindow.Visible);
    EXPECT_TRUE(window().ListBox1()->isHidden());
    QDir(scoresFile()).removeRecursively();
}

TEST_F(ScoresWindowTest, DeletingAScoreRemovesOneOfTwoEqualLinesWhateverTheListOrder)
{
    const QString twice = QStringLiteral("3 min 5 s by Ann on 05/05/2024 Easy");
    const QString other = QStringLiteral("2 min 0 s by Bea on 06/06/2024 Hard");
    const QString last = QStringLiteral("7 min 7 s by Cal on 07/07/2024 Easy");
    writeLines(scoresFile(), {twice, other, twice, last});
    clickButton(15);
    ASSERT_EQ(listEntries(), (QStringList{other, twice, twice, last}));

    ASSERT_TRUE(selectEntry(twice));
    window().Effacer->trigger();
    EXPECT_EQ(fileLines(scoresFile()), (QStringList{other, twice, last}));
    EXPECT_EQ(listEntries(), (QStringList{other, twice, last}));

    // Nothing selected: nothing goes.
    window().ListBox1()->clearSelection();
    window().Effacer->trigger();
    EXPECT_EQ(fileLines(scoresFile()), (QStringList{other, twice, last}));
    EXPECT_EQ(listEntries().size(), 3);

    ASSERT_TRUE(selectEntry(last));
    window().Effacer->trigger();
    EXPECT_EQ(fileLines(scoresFile()), (QStringList{other, twice}));
    EXPECT_TRUE(m_messages->messages().isEmpty());
}

TEST_F(ScoresWindowTest, AScoreThatCannotBeDeletedIsReportedAndStaysListed)
{
    const QString line = QStringLiteral("4 min 4 s by Dan on 08/08/2024 Easy");
    writeLines(scoresFile(), {line});
    clickButton(15);
    ASSERT_TRUE(selectEntry(line));
    QFile::remove(scoresFile());
    QDir().mkpath(scoresFile());
    window().Effacer->trigger();
    EXPECT_EQ(m_messages->count(), 1);
    EXPECT_EQ(listEntries(), QStringList{line});
    QDir(scoresFile()).removeRecursively();
}

TEST_F(ScoresWindowTest, TheRulesAreShownInFileOrderWithoutPopUpOrHint)
{
    const std::optional<QStringList> rules = readRulesText(dataFolder(), nullptr);
    ASSERT_TRUE(rules.has_value());
    ASSERT_GT(rules->size(), 3);
    clickButton(14);
    EXPECT_EQ(MessageWindow.Kind, 8);
    EXPECT_EQ(MessageWindow.Text, window().FText(65));
    EXPECT_FALSE(NoButton.Visible);
    EXPECT_EQ(listEntries(), *rules);
    EXPECT_EQ(window().ListBox1()->contextMenuPolicy(), Qt::NoContextMenu);
    EXPECT_TRUE(window().ListBox1()->toolTip().isEmpty());

    // The pop-up item does nothing to the rules.
    ASSERT_TRUE(selectEntry(rules->first()));
    window().Effacer->trigger();
    EXPECT_EQ(listEntries(), *rules);
    answer(true);
    EXPECT_EQ(window().ListBox1()->count(), rules->size());
}

TEST_F(ScoresWindowTest, AMissingRulesFileIsReportedAndNoWindowOpens)
{
    writeLines(scoresFile(), {QStringLiteral("1 min 1 s by Eve on 09/09/2024 Easy")});
    clickButton(15);
    answer(true);
    ASSERT_EQ(window().ListBox1()->count(), 1);

    QTemporaryDir elsewhere;
    window().FAppFolder = elsewhere.path() + u'/';
    clickButton(14);
    ASSERT_EQ(m_messages->count(), 1);
    EXPECT_TRUE(m_messages->messages().first().contains(QStringLiteral("regles demo.txt")))
        << m_messages->messages().first().toStdString();
    EXPECT_FALSE(MessageWindow.Visible);
    EXPECT_EQ(window().ListBox1()->count(), 0);
    EXPECT_FALSE(window().FListSorted);
}

} // namespace
