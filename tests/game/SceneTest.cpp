// The frame loop and the scene, looked at through the screen bitmap.
#include "GameTestSupport.h"

#include "PanelStatusBar.h"
#include "ScreenView.h"
#include "UnitePerso.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <stdexcept>

namespace {

constexpr int kLeft = 298;
constexpr int kTop = 140;
constexpr int kCell = 60;

// The inside of a cell's digit, clear of the grid lines.
QRect digitArea(int x, int y)
{
    return QRect(kLeft + x * kCell + 10, kTop + y * kCell + 10, 40, 40);
}

QImage region(const QImage& screen, const QRect& r)
{
    return screen.copy(r);
}

class SceneTest : public GameWindowTest
{
protected:
    void SetUp() override
    {
        GameWindowTest::SetUp();
        start();
        showBoardOnly();
        // An empty board without givens.
        window().ClearGrid();
        window().StoreGivens();
        std::fill(std::begin(window().FSolution), std::end(window().FSolution), 0);
    }

    // The digit area of cell (x, y) as drawn with board picture `picture`
    // (and the error overlay) over the same cell left empty.
    QImage expectedDigit(int x, int y, int picture, bool errorOverlay)
    {
        const std::uint8_t kept = window().FCurrent[x * 9 + y];
        window().FCurrent[x * 9 + y] = kEmptyCell;
        const std::uint8_t flash = window().FErrorFlash;
        frame();
        window().FErrorFlash = flash;
        window().FCurrent[x * 9 + y] = kept;
        QImage expected = screen().copy();
        QImage* previous = screenBitmap();
        setScreenBitmap(&expected);
        const int px = kLeft + x * kCell + 4;
        const int py = kTop + y * kCell + 4;
        DrawScreenImage(px, py, BoardImages.item(picture), 205);
        if (errorOverlay)
            DrawScreenImage(px, py, BoardImages.item(26), 150);
        setScreenBitmap(previous);
        return region(expected, digitArea(x, y));
    }

    QImage drawnDigit(int x, int y)
    {
        frame();
        return region(screen(), digitArea(x, y));
    }
};

} // namespace

TEST_F(GameWindowTest, FrameBeforeTheThemeDrawsNothingButMirrorsTheOptionRows)
{
    TfrmMain& w = create();
    const QImage before = screen().copy();
    w.ComboBox2->setEditText(QStringLiteral("Level"));
    w.ComboBox1->setEditText(QStringLiteral("Theme"));
    frame();
    EXPECT_EQ(screen(), before);
    EXPECT_EQ(w.Edit1->text(), QStringLiteral("Level"));
    EXPECT_EQ(w.Edit2->text(), QStringLiteral("Theme"));
    // The home picture is on the screen from creation on.
    EXPECT_NE(screen().pixel(512, 100), qRgb(0, 0, 0));
}

TEST_F(SceneTest, DigitStyleFollowsTheGameStateAndTheGivens)
{
    TfrmMain& w = window();
    w.FCurrent[2 * 9 + 3] = 4;  // a player's digit 5 at column 2, row 3
    w.FSolution[2 * 9 + 3] = 4;
    w.FCurrent[5 * 9 + 1] = 7;  // a given 8
    w.FGivens[5 * 9 + 1] = 7;
    w.FSolution[5 * 9 + 1] = 7;

    const struct
    {
        std::uint8_t state;
        int playerPicture;
    } cases[] = {{0, 14 + 4}, {1, 14 + 4}, {2, 1 + 4}, {3, 1 + 4}, {4, 1 + 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.state));
        w.GameState = c.state;
        EXPECT_EQ(drawnDigit(2, 3), expectedDigit(2, 3, c.playerPicture, false));
        EXPECT_EQ(drawnDigit(5, 1), expectedDigit(5, 1, 14 + 7, false));
    }
    // The two styles really look different.
    EXPECT_NE(expectedDigit(2, 3, 5, false), expectedDigit(2, 3, 18, false));
}

TEST_F(SceneTest, ErrorFlashMarksWrongDigitsGivensIncludedForFourteenPasses)
{
    TfrmMain& w = window();
    w.GameState = 2;
    w.FCurrent[0] = 3;   // wrong player digit
    w.FSolution[0] = 5;
    w.FCurrent[80] = 2;  // wrong given
    w.FGivens[80] = 2;
    w.FSolution[80] = 6;
    w.FCurrent[40] = 1;  // right digit
    w.FSolution[40] = 1;

    w.FErrorFlash = 15;
    for (int pass = 1; pass <= 14; ++pass) {
        SCOPED_TRACE(pass);
        const QImage expectedWrong = expectedDigit(0, 0, 1 + 3, true);
        const QImage expectedGiven = expectedDigit(8, 8, 1 + 2, true);
        const QImage expectedRight = expectedDigit(4, 4, 1 + 1, false);
        frame();
        EXPECT_EQ(w.FErrorFlash, 15 - pass);
        EXPECT_EQ(region(screen(), digitArea(0, 0)), expectedWrong);
        EXPECT_EQ(region(screen(), digitArea(8, 8)), expectedGiven);
        EXPECT_EQ(region(screen(), digitArea(4, 4)), expectedRight);
    }
    // The fifteenth pass brings the counter to 0: plain styles again.
    frame();
    EXPECT_EQ(w.FErrorFlash, 0);
    EXPECT_EQ(drawnDigit(0, 0), expectedDigit(0, 0, 1 + 3, false));
    EXPECT_EQ(drawnDigit(8, 8), expectedDigit(8, 8, 14 + 2, false));
}

TEST_F(SceneTest, PencilMarksShowOnlyWhilePlayingAndAreKept)
{
    TfrmMain& w = window();
    const int x = 1, y = 6;
    w.GameState = 2;
    frame();
    const QImage empty = region(screen(), QRect(kLeft + x * kCell, kTop + y * kCell, kCell, kCell));
    w.FMarks[x * 81 + y * 9 + 0] = 1;  // top-left mark
    w.FMarks[x * 81 + y * 9 + 8] = 1;  // bottom-right mark
    frame();
    const QImage marked = region(screen(), QRect(kLeft + x * kCell, kTop + y * kCell, kCell, kCell));
    EXPECT_NE(marked, empty);
    // The marks sit in 20-pixel squares at offsets 2 and 39/40 of the cell.
    EXPECT_NE(marked.copy(2, 2, 20, 20), empty.copy(2, 2, 20, 20));
    EXPECT_NE(marked.copy(39, 40, 20, 20), empty.copy(39, 40, 20, 20));
    EXPECT_EQ(marked.copy(21, 21, 18, 18), empty.copy(21, 21, 18, 18));

    for (std::uint8_t state : {0, 1, 3, 4}) {
        SCOPED_TRACE(int(state));
        w.GameState = state;
        frame();
        EXPECT_EQ(region(screen(), QRect(kLeft + x * kCell, kTop + y * kCell, kCell, kCell)), empty);
        EXPECT_EQ(w.FMarks[x * 81 + y * 9 + 8], 1);
    }
}

TEST_F(SceneTest, PencilMarkOfATenthDigitIsRefused)
{
    EXPECT_THROW(window().DrawPencilMark(0, 0, 9), std::out_of_range);
    try {
        window().DrawPencilMark(0, 0, 9);
    } catch (const std::out_of_range& e) {
        EXPECT_STREQ(e.what(), "Invalid n value");
    }
}

TEST_F(SceneTest, PickerSpinsIntoPlaceOverFourPasses)
{
    TfrmMain& w = window();
    w.FPickerOpen = true;
    w.FPickerLeft = kLeft + 4 * kCell + 30 - 90;
    w.FPickerTop = kTop + 4 * kCell + 30 - 90;
    w.FPickerSpin = 36;
    const int expectedAfter[] = {26, 16, 6, 0, 0};
    for (int spin : expectedAfter) {
        frame();
        EXPECT_EQ(w.FPickerSpin, spin);
    }
}

TEST_F(SceneTest, PickerItemUnderTheMouseIsFoundWithStrictEdges)
{
    TfrmMain& w = window();
    w.FPickerOpen = true;
    w.FPickerLeft = 400;
    w.FPickerTop = 300;
    w.FPickerSpin = 0;
    // Item 10 (digit 9) stands straight below the circle's centre: its
    // corner is at (left + 60, top + 120); item 5 straight above at (left + 60, top).
    const struct
    {
        int x, y, hover;
    } cases[] = {
        {461, 421, 10}, {499, 459, 10}, {500, 450, -2}, {480, 460, -2}, {500, 455, -2},
        {461, 301, 5},  {430, 250, -2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        w.FHoverX = c.x;
        w.FHoverY = c.y;
        w.FMouse.Cursor = crDefault;
        frame();
        EXPECT_EQ(w.FPickerHover, c.hover);
        EXPECT_EQ(w.FMouse.Cursor, c.hover == -2 ? crDefault : crHandPoint);
        EXPECT_EQ(w.Ecran->cursor().shape(), c.hover == -2 ? Qt::ArrowCursor : Qt::PointingHandCursor);
    }
}

TEST_F(SceneTest, HoveredPickerItemUsesItsHoverPicture)
{
    TfrmMain& w = window();
    w.FPickerOpen = true;
    w.FPickerLeft = 400;
    w.FPickerTop = 300;
    w.FHoverX = 0;
    w.FHoverY = 0;
    frame();
    const QImage plain = region(screen(), QRect(460, 420, 40, 40));
    w.FHoverX = 480;
    w.FHoverY = 440;
    frame();
    EXPECT_NE(region(screen(), QRect(460, 420, 40, 40)), plain);
    w.FPickerOpen = false;
    frame();
    EXPECT_EQ(w.FPickerHover, 10);  // kept from the last pass with the picker open
}

TEST_F(SceneTest, StatusBarTextsFollowTheGameState)
{
    TfrmMain& w = window();
    w.FCurrent[0] = 1;
    w.FCurrent[1] = 2;
    const struct
    {
        std::uint8_t state;
        int line;
    } cases[] = {{0, 54}, {1, 54}, {2, 56}, {3, 55}};
    for (const auto& c : cases) {
        w.GameState = c.state;
        frame();
        EXPECT_EQ(w.StatusBar1->panelText(2), w.FText(c.line));
    }
    w.GameState = 2;
    frame();
    EXPECT_EQ(w.StatusBar1->panelText(0), w.FText(58) + QStringLiteral(" : 2"));
    EXPECT_EQ(w.StatusBar1->panelText(1), w.FText(57));
    // Paused: the count keeps its last text; finished: the state text stays.
    w.GameState = 3;
    w.FCurrent[2] = 3;
    frame();
    EXPECT_EQ(w.StatusBar1->panelText(0), w.FText(58) + QStringLiteral(" : 2"));
    w.GameState = 4;
    frame();
    EXPECT_EQ(w.StatusBar1->panelText(2), w.FText(55));
    // While the clock runs, its panel belongs to the clock.
    w.StatusBar1->setPanelText(1, QStringLiteral("clock"));
    w.Timer1->start();
    frame();
    EXPECT_EQ(w.StatusBar1->panelText(1), QStringLiteral("clock"));
    w.Timer1->stop();
}
