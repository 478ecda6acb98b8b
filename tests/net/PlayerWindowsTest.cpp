// The name prompt, the scores window and the opponent windows, offscreen.
#include "MessageCapture.h"
#include "NameEntryUnit.h"
#include "OtherPlayerProgressUnit.h"
#include "PlayerScoresUnit.h"
#include "WindowsTestSupport.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class PlayerWindowsTest : public ::testing::Test
{
protected:
    void SetUp() override { ensureWidgetsApp(); }
};

QStringList column(const QTableWidget& table, int c)
{
    QStringList texts;
    for (int r = 0; r < table.rowCount(); ++r)
        texts << table.item(r, c)->text();
    return texts;
}

} // namespace

TEST_F(PlayerWindowsTest, NamePromptTrimsRefusesABlankNameAndKeepsTheNameOnCancel)
{
    FakeHost host;
    TfrmEnterName prompt;
    prompt.setHost(&host);
    EXPECT_EQ(prompt.windowTitle(), QStringLiteral("Enter name"));
    EXPECT_EQ(prompt.size(), QSize(312, 213));
    EXPECT_EQ(prompt.minimumSize(), QSize(312, 213));
    EXPECT_EQ(prompt.maximumSize(), QSize(312, 213));
    EXPECT_EQ(prompt.lblName->pos(), QPoint(16, 24));
    EXPECT_EQ(prompt.txtName->geometry().topLeft(), QPoint(16, 48));
    EXPECT_EQ(prompt.txtName->width(), 276);
    EXPECT_EQ(prompt.btnCancel->geometry(), QRect(219, 88, 75, 25));
    EXPECT_EQ(prompt.btnOk->geometry(), QRect(127, 88, 75, 25));
    EXPECT_TRUE(prompt.btnOk->isDefault());

    QString name = QStringLiteral(" \t Ann Lee \x01 ");
    QString started;
    onModal(prompt, [&] {
        started = prompt.txtName->text();
        prompt.txtName->setText(QStringLiteral("\x02 Bob  "));
        prompt.btnOk->click();
    });
    ASSERT_TRUE(prompt.Execute(name));
    EXPECT_EQ(started, QStringLiteral("Ann Lee"));
    EXPECT_EQ(name, QStringLiteral("Bob"));
    EXPECT_EQ(prompt.windowTitle(), QStringLiteral("Enter Name"));
    // Width 260, the right-anchored controls follow; centred on the main
    // window: 100 + 1024 div 2 - 260 div 2, 50 + 768 div 2 - 213 div 2.
    EXPECT_EQ(prompt.width(), 260);
    EXPECT_EQ(prompt.minimumSize(), QSize(260, 213));
    EXPECT_EQ(prompt.maximumSize(), QSize(260, 213));
    EXPECT_EQ(prompt.btnOk->x(), 75);
    EXPECT_EQ(prompt.btnCancel->x(), 167);
    EXPECT_EQ(prompt.txtName->width(), 224);
    EXPECT_EQ(prompt.pos(), QPoint(482, 328));

    MessageCapture messages;
    bool stayedOpen = false;
    onModal(prompt, [&] {
        prompt.txtName->setText(QStringLiteral("   "));
        prompt.btnOk->click();
        stayedOpen = prompt.isVisible();
        prompt.txtName->setText(QStringLiteral("Cy"));
        prompt.btnCancel->click();
    });
    EXPECT_FALSE(prompt.Execute(name));
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(messages.messages(), QStringList{QStringLiteral("You have not entered anything.")});
    EXPECT_EQ(messages.messageKinds(), QList{MessageKind::Error});
    EXPECT_EQ(name, QStringLiteral("Bob"));

    QString empty;
    onModal(prompt, [&] {
        started = prompt.txtName->text();
        prompt.btnCancel->click();
    });
    EXPECT_FALSE(prompt.Execute(empty));
    EXPECT_TRUE(started.isEmpty());
    EXPECT_TRUE(empty.isEmpty());
}

TEST_F(PlayerWindowsTest, ScoresShowHighestFirstWithEqualScoresInRosterOrder)
{
    TfrmPlayerScores scores;
    EXPECT_EQ(scores.windowTitle(), QStringLiteral("Scores"));
    EXPECT_EQ(scores.size(), QSize(312, 206));
    EXPECT_EQ(scores.lvScores->horizontalHeaderItem(0)->text(), QStringLiteral("Player"));
    EXPECT_EQ(scores.lvScores->horizontalHeaderItem(1)->text(), QStringLiteral("Score"));

    scores.ShowScores({{QStringLiteral("2EE0127.0.0.1=Host"), 2},
                       {QStringLiteral("2EE1192.0.2.7=Ann=Lee"), 5},
                       {QStringLiteral("2EE2192.0.2.8=Bob"), 0},
                       {QStringLiteral("2EE3192.0.2.9=Cy"), 5}});
    EXPECT_EQ(column(*scores.lvScores, 0), QStringList({"Ann=Lee", "Cy", "Host", "Bob"}));
    EXPECT_EQ(column(*scores.lvScores, 1), QStringList({"5", "5", "2", "0"}));
    EXPECT_EQ(scores.lvScores->item(0, 0)->data(Qt::UserRole).toInt(), 5);
    EXPECT_FALSE(scores.isVisible());

    QTableWidgetItem low, high;
    low.setData(Qt::UserRole, -1);
    high.setData(Qt::UserRole, 0);
    int compare = 7;
    TfrmPlayerScores::lvScoresCompare(&low, &high, compare);
    EXPECT_EQ(compare, 1);
    TfrmPlayerScores::lvScoresCompare(&high, &low, compare);
    EXPECT_EQ(compare, -1);
    TfrmPlayerScores::lvScoresCompare(&high, &high, compare);
    EXPECT_EQ(compare, 0);

    scores.ShowScores({});
    EXPECT_EQ(scores.lvScores->rowCount(), 0);
}

TEST_F(PlayerWindowsTest, TheScoreColumnShowsBesideTheLongestName)
{
    TfrmPlayerScores scores;
    scores.ShowScores({{QStringLiteral("2EE0127.0.0.1=") + QString(255, QLatin1Char('W')), 12},
                       {QStringLiteral("2EE1192.0.2.7=Ann"), 3}});
    scores.show();
    QCoreApplication::processEvents();
    const QHeaderView& header = *scores.lvScores->horizontalHeader();
    EXPECT_GE(header.sectionViewportPosition(1), 0);
    EXPECT_LE(header.sectionViewportPosition(1) + header.sectionSize(1), scores.lvScores->viewport()->width());
    EXPECT_GE(header.sectionSize(1), scores.lvScores->fontMetrics().horizontalAdvance(QStringLiteral("Score")));
}

TEST_F(PlayerWindowsTest, OpponentWindowMarksFilledCellsAndKnowsWhenTheGridIsComplete)
{
    TfrmOtherPlayerProgress opponent(QStringLiteral("Ann"), kTestPuzzle, kTestSolution);
    EXPECT_EQ(opponent.windowTitle(), QStringLiteral("Ann"));
    EXPECT_EQ(opponent.size(), QSize(123, 158));
    EXPECT_EQ(opponent.StatusBar1->height(), 19);
    EXPECT_EQ(TfrmOtherPlayerProgress().windowTitle(), QStringLiteral("Player..."));
    // Without a solution there is nothing to complete.
    EXPECT_FALSE(TfrmOtherPlayerProgress().IsComplete());
    // The puzzle's givens: row 0 "1_3_5_7_9" puts 3 at (2, 0); (1, 0) is empty.
    EXPECT_EQ(opponent.FOpponentGrid[2 * 9 + 0], 2);
    EXPECT_EQ(opponent.FOpponentGrid[1 * 9 + 0], 255);
    EXPECT_EQ(opponent.FOpponentSolution[1 * 9 + 0], 1);
    EXPECT_EQ(opponent.StatusBar1->currentMessage(), QStringLiteral("41 / 81"));

    // Played through to one empty cell, then complete.
    for (int i = 0; i < 81; ++i)
        opponent.PiecePlaced(i / 9, i % 9, opponent.FOpponentSolution[i]);
    opponent.PiecePlaced(4, 4, -1);
    opponent.PiecePlaced(9, 0, 1);
    opponent.PiecePlaced(0, 0, 9);
    EXPECT_FALSE(opponent.IsComplete());
    EXPECT_EQ(opponent.StatusBar1->currentMessage(), QStringLiteral("80 / 81"));
    opponent.PiecePlaced(4, 4, opponent.FOpponentSolution[4 * 9 + 4]);
    EXPECT_TRUE(opponent.IsComplete());
    opponent.ClearEntries();
    EXPECT_FALSE(opponent.IsComplete());
    EXPECT_EQ(opponent.StatusBar1->currentMessage(), QStringLiteral("0 / 81"));

    // The miniature stays square, however the window is shaped.
    opponent.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(opponent.Image1->width(), opponent.Image1->height());
    EXPECT_GE(opponent.Image1->width(), 100);
    opponent.resize(300, 158);
    QCoreApplication::processEvents();
    EXPECT_EQ(opponent.Image1->width(), opponent.Image1->height());
    opponent.hide();

    // The miniature marks exactly the filled cells, and the window shows it.
    opponent.PiecePlaced(3, 5, 8);
    opponent.PiecePlaced(8, 0, 0);
    const QImage shown = opponent.Image1->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(shown,
              TfrmOtherPlayerProgress::DrawMiniature(opponent.FOpponentGrid).convertToFormat(QImage::Format_ARGB32));
    const int cell = TfrmOtherPlayerProgress::kCellPixels;
    for (int x = 0; x < 9; ++x) {
        for (int y = 0; y < 9; ++y) {
            const bool filled = (x == 3 && y == 5) || (x == 8 && y == 0);
            EXPECT_EQ(shown.pixel(x * cell + cell / 2, y * cell + cell / 2),
                      filled ? TfrmOtherPlayerProgress::kFilledColour : TfrmOtherPlayerProgress::kEmptyColour)
                << x << "," << y;
        }
    }
}

TEST_F(PlayerWindowsTest, NamePromptRefusesNamesThatOtherPlayersWouldDrop)
{
    TfrmEnterName prompt;
    MessageCapture messages;
    const QString tooLong(256, QLatin1Char('n'));
    QString name = QStringLiteral("Zoe");
    QStringList refused;
    onModal(prompt, [&] {
        for (const QString& text : {tooLong, QStringLiteral("Ann\tLee"), QStringLiteral("Ann\u0085Lee")}) {
            prompt.txtName->setText(text);
            prompt.btnOk->click();
            if (prompt.isVisible())
                refused << text;
        }
        prompt.btnCancel->click();
    });
    EXPECT_FALSE(prompt.Execute(name));
    EXPECT_EQ(refused.size(), 3);
    EXPECT_EQ(messages.messages().size(), 3);
    EXPECT_EQ(name, QStringLiteral("Zoe"));

    // 255 characters of the code page, or 255 that each travel as one "?", fit.
    for (const QString& text : {QString(255, QLatin1Char('n')), QString(255, QChar(0x0141))}) {
        onModal(prompt, [&] {
            prompt.txtName->setText(text);
            prompt.btnOk->click();
        });
        EXPECT_TRUE(prompt.Execute(name));
        EXPECT_EQ(name, text);
    }
}
