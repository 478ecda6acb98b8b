// The board under the mouse: when the number picker opens, which press
// places a piece or toggles a mark, the sounds of a placement, the battle
// rules and the picker closing when the mouse wanders off.
#include "PlayTestSupport.h"

#include "Fenetres.h"
#include "MultiPlayerSetupUnit.h"

#include <QTimer>

namespace {

// Items of the picker.
constexpr int kEraser = 1;
int digitItem(int digitShown)
{
    return digitShown + 1;
}

class BoardInputTest : public PlayTest
{
};

// A multiplayer state of one local player for the length of a test.
class BattleTest : public PlayTest
{
protected:
    void SetUp() override
    {
        PlayTest::SetUp();
        frmMultiplayerSetup = &m_setup;
        window().FGameType = 1;
    }
    void TearDown() override
    {
        frmMultiplayerSetup = nullptr;
        PlayTest::TearDown();
    }
    TfrmMultiplayerSetup m_setup;
};

} // namespace

TEST_F(BoardInputTest, PickerOpensAroundAnEmptyCellWithItsSound)
{
    if (soundsAvailable())
        markSounds();
    click(cellCentre(4, 3));
    const TfrmMain& w = window();
    EXPECT_TRUE(w.FPickerOpen);
    EXPECT_EQ(w.FPickerCellX, 4);
    EXPECT_EQ(w.FPickerCellY, 3);
    // The cell's centre (568, 350) minus 90.
    EXPECT_EQ(w.FPickerLeft, 478);
    EXPECT_EQ(w.FPickerTop, 260);
    EXPECT_EQ(w.FPickerHover, -2);
    EXPECT_EQ(w.FPickerSpin, 36);
    if (soundsAvailable()) {
        EXPECT_EQ(lastSound(), QStringLiteral("7"));
    }
}

TEST_F(BoardInputTest, PickerOpensOnlyOnNonGivenCellsInsideTheInnerBoard)
{
    struct Case
    {
        const char* what;
        QPoint point;
        bool opens;
    };
    const Case cases[] = {
        {"given cell", cellCentre(4, 4), false},
        {"filled by the player", cellCentre(3, 4), true},
        {"left edge, 3 pixels in", {301, 170 + 60}, false},
        {"left edge, 4 pixels in", {302, 170 + 60}, true},
        {"right edge, 4 pixels in", {834, 616}, true},
        {"bottom edge, 4 pixels in", {750, 676}, true},
        {"right edge, 3 pixels in", {835, 230}, false},
        {"top edge, 3 pixels in", {330 + 60, 143}, false},
        {"left of the board", {200, 300}, false},
    };
    current(3, 4) = knownSolution()[3 * 9 + 4];
    for (const Case& c : cases) {
        window().FPickerOpen = false;
        if (soundsAvailable())
            markSounds();
        click(c.point);
        EXPECT_EQ(window().FPickerOpen, c.opens) << c.what;
        if (soundsAvailable() && !c.opens) {
            EXPECT_EQ(lastSound(), QString()) << c.what;
        }
    }
}

TEST_F(BoardInputTest, PickerOpensInDesignPlayAndPauseOnlyWithNoMessageWindow)
{
    const bool opensIn[5] = {false, true, true, true, false};
    for (int state = 0; state < 5; ++state) {
        window().FPickerOpen = false;
        window().GameState = static_cast<std::uint8_t>(state);
        click(cellCentre(4, 3));
        EXPECT_EQ(window().FPickerOpen, opensIn[state]) << "state " << state;
    }

    window().GameState = 2;
    window().FPickerOpen = false;
    OpenMessageWindow(6, window().FText(1), window().FText(1), window().FText(2));
    pressAt(cellCentre(4, 3).x(), cellCentre(4, 3).y());
    EXPECT_FALSE(window().FPickerOpen);
    // The answer buttons still get the press.
    EXPECT_TRUE(window().FMouse.LeftDown);
}

TEST_F(BoardInputTest, HandCursorShowsOnlyOverEmptyCellsWhilePlaying)
{
    current(3, 4) = knownSolution()[3 * 9 + 4];
    auto cursorAt = [&](QPoint p) {
        window().EcranMouseMove(p.x(), p.y());
        return window().FMouse.Cursor;
    };
    EXPECT_EQ(cursorAt(cellCentre(5, 4)), crHandPoint);
    EXPECT_EQ(cursorAt(cellCentre(3, 4)), crDefault) << "filled by the player";
    EXPECT_EQ(cursorAt(cellCentre(4, 4)), crDefault) << "given";
    EXPECT_EQ(cursorAt({302, 170 + 60}), crDefault) << "the move bounds are strict";
    EXPECT_EQ(cursorAt({303, 170 + 60}), crHandPoint);
    window().GameState = 3;
    EXPECT_EQ(cursorAt(cellCentre(5, 4)), crDefault) << "paused";
}

TEST_F(BoardInputTest, EveryPressClosesThePickerAndActsOnTheItemUnderThePress)
{
    const QPoint item = pickerItemCentre(4, 3, digitItem(2));
    // Opened on cell (4, 3), drawn at rest, the mouse over no item.
    auto openAtRest = [&] {
        openPicker(4, 3);
        frame();
    };

    // A quick click: the move onto the item and the press come within one
    // frame, so no frame has seen the mouse over the item yet.
    openAtRest();
    click(item);
    EXPECT_FALSE(window().FPickerOpen);
    EXPECT_EQ(current(4, 3), 1);

    // The press's own position counts, not the last move's.
    openAtRest();
    window().EcranMouseDown(Qt::RightButton, item.x(), item.y());
    window().EcranMouseUp(Qt::RightButton, item.x(), item.y());
    EXPECT_EQ(mark(4, 3, 1), 1);

    // An item found under the mouse by the last frame no longer counts once
    // the mouse has left it: a press away from every item only closes.
    current(4, 3) = kEmptyCell;
    openAtRest();
    window().EcranMouseMove(item.x(), item.y());
    frame();
    EXPECT_EQ(window().FPickerHover, digitItem(2));
    click(cellCentre(4, 3));
    EXPECT_FALSE(window().FPickerOpen);
    EXPECT_EQ(current(4, 3), kEmptyCell);
    EXPECT_EQ(mark(4, 3, 1), 1) << "only the closing happened";

    // The item's edges are not part of it: the eraser of cell (4, 3) stands
    // at (573, 369), 40 by 40.
    openAtRest();
    click({590, 369});
    EXPECT_EQ(mark(4, 3, 1), 1) << "a press on the top edge closes only";
    openAtRest();
    click({590, 370});
    EXPECT_EQ(marksOf(4, 3), 0) << "one pixel in, the eraser clears the marks";
}

TEST_F(BoardInputTest, EveryItemPlacesItsPiece)
{
    for (int digit = 1; digit <= 9; ++digit) {
        pick(5, 4, digitItem(digit));
        EXPECT_EQ(current(5, 4), digit - 1) << "digit " << digit;
    }
    pick(5, 4, kEraser);
    EXPECT_EQ(current(5, 4), kEmptyCell);
}

TEST_F(BoardInputTest, PlacementSoundsFollowTheOldAndTheNewValue)
{
    if (!soundsAvailable())
        GTEST_SKIP() << "no audio device";
    struct Step
    {
        const char* what;
        int item;
        std::uint8_t after;
        const char* sound;
    };
    const Step steps[] = {
        {"eraser on an empty cell", kEraser, kEmptyCell, ""},
        {"digit into an empty cell", digitItem(3), 2, "Loud"},
        {"digit over a digit", digitItem(7), 6, ""},
        {"same digit again", digitItem(7), 6, ""},
        {"eraser on a digit", kEraser, kEmptyCell, "erase"},
    };
    for (const Step& s : steps) {
        openPicker(4, 3);
        markSounds();
        chooseItem(4, 3, s.item);
        EXPECT_EQ(current(4, 3), s.after) << s.what;
        EXPECT_EQ(lastSound(), QString::fromLatin1(s.sound)) << s.what;
    }
}

TEST_F(BoardInputTest, GivenCellRefusesAPieceWithASound)
{
    if (!soundsAvailable())
        GTEST_SKIP() << "no audio device";
    // The picker never opens on a given; its target may still be one.
    window().FPickerCellX = 4;
    window().FPickerCellY = 4;
    window().FPickerHover = digitItem(1);
    const std::uint8_t given = current(4, 4);
    markSounds();
    window().PlacePionDansGrille();
    EXPECT_EQ(current(4, 4), given);
    EXPECT_EQ(lastSound(), QStringLiteral("Impossible"));
}

TEST_F(BoardInputTest, DesignModePlacesSilentlyAndPausedPlacesNothing)
{
    window().GameState = 1;
    if (soundsAvailable()) {
        openPicker(4, 3);
        markSounds();
        chooseItem(4, 3, digitItem(5));
        EXPECT_EQ(lastSound(), QString());
    } else {
        pick(4, 3, digitItem(5));
    }
    EXPECT_EQ(current(4, 3), 4);
    EXPECT_EQ(window().GameState, 1);

    window().GameState = 3;
    pick(4, 3, digitItem(8));
    EXPECT_EQ(current(4, 3), 4) << "paused: nothing placed";
}

TEST_F(BoardInputTest, RightButtonTogglesMarksAndALeftClickClearsThem)
{
    pick(4, 3, digitItem(5), Qt::RightButton);
    EXPECT_EQ(mark(4, 3, 4), 1);
    pick(4, 3, digitItem(1), Qt::RightButton);
    pick(4, 3, digitItem(9), Qt::RightButton);
    EXPECT_EQ(marksOf(4, 3), 3);
    pick(4, 3, digitItem(5), Qt::RightButton);
    EXPECT_EQ(mark(4, 3, 4), 0) << "toggled off";
    EXPECT_EQ(marksOf(4, 3), 2);

    pick(4, 3, kEraser, Qt::RightButton);
    EXPECT_FALSE(window().FPickerOpen);
    EXPECT_EQ(marksOf(4, 3), 2) << "the eraser holds no mark";

    // The middle button works as the right one.
    pick(4, 3, digitItem(2), Qt::MiddleButton);
    EXPECT_EQ(mark(4, 3, 1), 1);
    EXPECT_EQ(marksOf(4, 3), 3);
    EXPECT_EQ(current(4, 3), kEmptyCell);

    // A left click on an item clears the cell's marks whatever it places:
    // here the eraser on an empty cell.
    pick(4, 3, kEraser);
    EXPECT_EQ(current(4, 3), kEmptyCell);
    EXPECT_EQ(marksOf(4, 3), 0);

    // Paused: marks still toggle, and a left click places nothing but clears them.
    window().GameState = 3;
    pick(4, 3, digitItem(6), Qt::RightButton);
    EXPECT_EQ(mark(4, 3, 5), 1);
    pick(4, 3, digitItem(6));
    EXPECT_EQ(current(4, 3), kEmptyCell);
    EXPECT_EQ(marksOf(4, 3), 0);

    // Marks of other cells are left alone.
    window().GameState = 2;
    pick(5, 4, digitItem(3), Qt::RightButton);
    pick(4, 3, digitItem(3));
    EXPECT_EQ(mark(5, 4, 2), 1);
}

TEST_F(BoardInputTest, MovingOffTheBoardClosesThePickerUnlessAnItemIsUnderTheMouse)
{
    struct Case
    {
        QPoint point;
        bool staysOpen;
    };
    const Case cases[] = {
        {{298 - 36, 400}, false}, {{298 - 34, 400}, true},  {{838 + 19, 400}, true},
        {{838 + 20, 400}, false}, {{500, 140 - 34}, true},   {{500, 140 - 35}, false},
        {{500, 680 + 19}, true},  {{500, 680 + 20}, false},
    };
    for (const Case& c : cases) {
        window().FPickerOpen = false;
        openPicker(4, 3);
        window().EcranMouseMove(c.point.x(), c.point.y());
        EXPECT_EQ(window().FPickerOpen, c.staysOpen) << c.point.x() << "," << c.point.y();
    }

    // An item found under the mouse by the last frame keeps it open.
    openPicker(4, 3);
    const QPoint item = pickerItemCentre(4, 3, kEraser);
    window().EcranMouseMove(item.x(), item.y());
    frame();
    window().EcranMouseMove(50, 50);
    EXPECT_TRUE(window().FPickerOpen);
    frame();
    window().EcranMouseMove(40, 40);
    EXPECT_FALSE(window().FPickerOpen);
}

TEST_F(BoardInputTest, WhileAMessageWindowIsOpenMovesReachOnlyTheButtons)
{
    window().EcranMouseMove(400, 300);
    OpenMessageWindow(3, window().FText(35), window().FText(1), window().FText(2));
    window().EcranMouseMove(cellCentre(5, 4).x(), cellCentre(5, 4).y());
    EXPECT_EQ(window().FMouse.X, cellCentre(5, 4).x());
    EXPECT_EQ(window().FHoverX, 400);
    EXPECT_EQ(window().FHoverY, 300);
    EXPECT_EQ(window().FMouse.Cursor, crDefault);
}

TEST_F(BattleTest, SettledCellIsRefusedAndEachPlacementIsScored)
{
    m_setup.FPlayers = {{QStringLiteral("2EE0127.0.0.2=Ann"), 5}};
    const int right = knownSolution()[4 * 9 + 3] + 1;
    const int wrong = right % 9 + 1;

    pick(4, 3, digitItem(wrong));
    EXPECT_EQ(current(4, 3), wrong - 1);
    EXPECT_EQ(m_setup.FPlayers[0].Score, 4) << "a wrong digit costs a point";
    pick(4, 3, digitItem(wrong));
    EXPECT_EQ(m_setup.FPlayers[0].Score, 4) << "the same digit again: no change, no score";
    pick(4, 3, kEraser);
    EXPECT_EQ(m_setup.FPlayers[0].Score, 4) << "an erasure costs nothing";
    pick(4, 3, digitItem(right));
    EXPECT_EQ(m_setup.FPlayers[0].Score, 5);

    if (soundsAvailable()) {
        openPicker(4, 3);
        markSounds();
        chooseItem(4, 3, kEraser);
        EXPECT_EQ(lastSound(), QStringLiteral("Impossible"));
    } else {
        pick(4, 3, kEraser);
    }
    EXPECT_EQ(current(4, 3), right - 1) << "a right digit stays in a battle";
    EXPECT_EQ(m_setup.FPlayers[0].Score, 5);
}

TEST_F(BattleTest, ScoreNeverDropsBelowZeroAndABadIndexIsReported)
{
    m_setup.FPlayers = {{QStringLiteral("2EE0host=Ann"), 0}, {QStringLiteral("2EE1other=Bob"), 2}};
    m_setup.FMyIndex = 0;
    m_setup.DecMyScore();
    EXPECT_EQ(m_setup.FPlayers[0].Score, 0);
    EXPECT_THROW(m_setup.IncScore(2), std::out_of_range);
    EXPECT_EQ(m_setup.FPlayers[1].Score, 2);

    // A placement whose score hook fails keeps the digit and says why.
    m_setup.FMyIndex = 5;
    pick(4, 3, digitItem(knownSolution()[4 * 9 + 3] + 1));
    EXPECT_EQ(current(4, 3), knownSolution()[4 * 9 + 3]);
    ASSERT_EQ(m_messages->count(), 1);
    EXPECT_TRUE(m_messages->messages().first().contains(QStringLiteral("5")));
}
