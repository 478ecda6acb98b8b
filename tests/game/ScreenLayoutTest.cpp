// Where the scene and the menus put each picture, read back from the pixels
// of the screen on a theme whose pictures are told apart by colour, and which
// command each place of the button columns runs.
#include "GameTestSupport.h"
#include "TestThemeFolder.h"

#include "AboutUnit.h"
#include "Fenetres.h"
#include "PanelStatusBar.h"
#include "ScreenView.h"
#include "UnitePerso.h"

#include <QFrame>
#include <QScopeGuard>
#include <QTimer>

#include <functional>
#include <vector>

namespace {

// A button face drawn with its top-left corner at (x, y).
struct PlacedFace
{
    int x, y, face;
};

// The faces of the in-game column from its top, entry by entry, and of the
// home column; the help button stands alone.
const std::vector<std::pair<int, PlacedFace>> kInGameFaces = {
    {0, {80, 140, 5}},  {1, {80, 180, 4}},  {2, {80, 220, 6}},  {3, {80, 260, 9}},   {4, {80, 300, 10}},
    {5, {80, 340, 8}},  {7, {80, 380, 11}}, {8, {80, 420, 17}}, {9, {80, 460, 18}},
};
const std::vector<std::pair<int, PlacedFace>> kHomeFaces = {
    {12, {450, 280, 4}},  {13, {450, 320, 16}}, {4, {450, 360, 10}},
    {15, {450, 400, 12}}, {14, {450, 440, 14}}, {16, {450, 480, 20}}, {9, {450, 520, 13}},
};
constexpr PlacedFace kHelp{940, 1, 19};

class ScreenLayoutTest : public GameWindowTest
{
protected:
    void SetUp() override
    {
        GameWindowTest::SetUp();
        clearSettings();
        start(testThemeAppFolder());
        ASSERT_EQ(m_messages->count(), 0) << m_messages->messages().join(u'\n').toStdString();
        ASSERT_EQ(ScreenImages.item(4)->width(), 600);
    }

    QColor at(int x, int y) const { return QColor::fromRgb(screen().pixel(x, y)); }

    // Every pixel that the face owns (all but its keyed ones) lies on the
    // screen unchanged at (x, y).
    ::testing::AssertionResult faceAt(const ImageList& list, const PlacedFace& p)
    {
        const ThemeImage* face = list.item(p.face);
        if (!face || face->isEmpty())
            return ::testing::AssertionFailure() << "no face " << p.face;
        const QImage& image = face->image();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb own = image.pixel(x, y);
                if (qAlpha(own) != 255)
                    continue;
                if (screen().pixel(p.x + x, p.y + y) != own)
                    return ::testing::AssertionFailure()
                           << "face " << p.face << " is not at (" << p.x << ", " << p.y << "): pixel (" << x << ", "
                           << y << ") differs";
            }
        return ::testing::AssertionSuccess();
    }

    ::testing::AssertionResult faceAt(const PlacedFace& p) { return faceAt(ButtonImages, p); }

    void moveTo(int x, int y) { window().EcranMouseMove(x, y); }

    // A game in play on a simple solution, with the in-game column shown.
    void dealGame()
    {
        TfrmMain& w = window();
        for (int x = 0; x < 9; ++x)
            for (int y = 0; y < 9; ++y) {
                const int i = x * 9 + y;
                w.FSolution[i] = static_cast<std::uint8_t>((x + 3 * (y % 3) + y / 3) % 9);
                w.FGivens[i] = i == 40 || i == 41 ? kEmptyCell : w.FSolution[i];
                w.FCurrent[i] = w.FGivens[i];
            }
        w.GameState = 2;
        w.FGameTime = 0.0;
        w.Timer1->start();
        HomeScreen.Visible = false;
        GameMenu.Visible = true;
    }
};

} // namespace

TEST_F(ScreenLayoutTest, BackgroundAndGridLinesStandOnePixelRightOfTheirCorners)
{
    showBoardOnly();
    frame();
    // The background's pixel (0, 0) lies at (1, 1).
    for (const QPoint p : {QPoint(1, 1), QPoint(10, 20), QPoint(5, 700), QPoint(900, 50), QPoint(1023, 767)}) {
        SCOPED_TRACE(testing::Message() << p.x() << "," << p.y());
        EXPECT_EQ(at(p.x(), p.y()), testBackgroundPixel(p.x() - 1, p.y() - 1));
    }
    // The grid picture's left column is screen column 299, its top row is
    // screen row 140: one pixel right of the board's corner (298, 140).
    const struct
    {
        int x, y;
        bool line;
    } cases[] = {
        {299, 140, true},  {299, 400, true},  {299, 680, true}, {298, 400, false}, {300, 400, false},
        {500, 140, true},  {839, 140, true},  {500, 139, false}, {500, 141, false}, {298, 140, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        EXPECT_EQ(at(c.x, c.y) == kTestGridLineColour, c.line);
    }
}

TEST_F(ScreenLayoutTest, ColumnsShowTheirFacesInOrderWithoutGaps)
{
    // Each case hides at most one entry: the entries below it move up by 40.
    const auto expectColumn = [&](const std::vector<std::pair<int, PlacedFace>>& column, int hidden) {
        int slot = 0;
        for (const auto& [button, placed] : column) {
            if (button == hidden)
                continue;
            const PlacedFace p{placed.x, column.front().second.y + 40 * slot++, placed.face};
            EXPECT_TRUE(faceAt(p)) << "entry " << button;
        }
        // The slot after the last one is empty.
        const int x = column.front().second.x;
        const int y = column.front().second.y + 40 * slot;
        EXPECT_NE(at(x + 75, y + 19), kTestFaceColour);
    };

    HomeScreen.Visible = false;
    GameMenu.Visible = true;
    for (int hidden : {-1, 0, 1, 2, 3, 4, 5, 7, 8, 9}) {
        SCOPED_TRACE(testing::Message() << "in-game column, hidden " << hidden);
        for (const auto& entry : kInGameFaces)
            Buttons[entry.first].Visible = entry.first != hidden;
        frame();
        expectColumn(kInGameFaces, hidden);
        EXPECT_TRUE(faceAt(kHelp));
    }

    // Entries 0 and 1 hidden: check stands first, at y 140.
    Buttons[0].Visible = false;
    Buttons[1].Visible = false;
    frame();
    EXPECT_TRUE(faceAt({80, 140, 6}));
    EXPECT_TRUE(faceAt({80, 180, 9}));
    for (const auto& entry : kInGameFaces)
        Buttons[entry.first].Visible = true;

    HomeScreen.Visible = true;
    GameMenu.Visible = false;
    for (int hidden : {-1, 12, 13, 4, 15, 14, 9}) {
        SCOPED_TRACE(testing::Message() << "home column, hidden " << hidden);
        for (const auto& entry : kHomeFaces)
            Buttons[entry.first].Visible = entry.first != hidden;
        frame();
        expectColumn(kHomeFaces, hidden);
        // The home picture covers the board from (1, 1).
        EXPECT_EQ(at(1, 1), kTestHomeColour);
        EXPECT_EQ(at(700, 600), kTestHomeColour);
        EXPECT_NE(at(kHelp.x + 32, kHelp.y + 32), kTestHelpColour);
    }

    // Both columns shown: the home picture and column are drawn over the
    // in-game column, each column with its own load and quit buttons.
    for (const auto& entry : kHomeFaces)
        Buttons[entry.first].Visible = true;
    GameMenu.Visible = true;
    frame();
    expectColumn(kHomeFaces, -1);
}

TEST_F(ScreenLayoutTest, HoverStartsOnePixelInsideTheFace)
{
    // The first in-game button: face 5 at (80, 140), 150 by 38.
    HomeScreen.Visible = false;
    GameMenu.Visible = true;
    const struct
    {
        int x, y;
        bool over;
    } cases[] = {
        {80, 160, false}, {81, 160, true},  {229, 160, true}, {230, 160, false}, {150, 140, false},
        {150, 141, true}, {150, 177, true}, {150, 178, false}, {81, 141, false},  // (1, 1) is the key colour
        {82, 141, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        moveTo(c.x, c.y);
        frame();
        EXPECT_EQ(window().FMouse.Cursor, c.over ? crHandPoint : crDefault);
        EXPECT_EQ(window().Ecran->cursor().shape(), c.over ? Qt::PointingHandCursor : Qt::ArrowCursor);
        EXPECT_TRUE(faceAt(c.over ? ButtonRolloverImages : ButtonImages, {80, 140, 5}));
    }
}

TEST_F(ScreenLayoutTest, CursorGoesBackToTheArrowOnEveryMoveAndUnderAnIdlePicker)
{
    HomeScreen.Visible = false;
    GameMenu.Visible = true;
    moveTo(150, 160);  // over the first in-game button
    frame();
    ASSERT_EQ(window().Ecran->cursor().shape(), Qt::PointingHandCursor);
    moveTo(20, 700);  // over nothing
    frame();
    EXPECT_EQ(window().FMouse.Cursor, crDefault);
    EXPECT_EQ(window().Ecran->cursor().shape(), Qt::ArrowCursor);

    // Playing, the hand shows over an empty cell; an open picker with no
    // item under the mouse puts the arrow back.
    dealGame();
    const QPoint emptyCell(298 + 4 * 60 + 30, 140 + 5 * 60 + 30);  // cell (4, 5)
    moveTo(emptyCell.x(), emptyCell.y());
    frame();
    EXPECT_EQ(window().Ecran->cursor().shape(), Qt::PointingHandCursor);
    window().FPickerOpen = true;
    window().FPickerLeft = 298 + 30 - 90;  // opened on cell (0, 0)
    window().FPickerTop = 140 + 30 - 90;
    window().FPickerSpin = 0;
    moveTo(emptyCell.x(), emptyCell.y());
    ASSERT_EQ(window().FMouse.Cursor, crHandPoint);
    frame();
    EXPECT_TRUE(window().FPickerOpen);
    EXPECT_EQ(window().FPickerHover, -2);
    EXPECT_EQ(window().FMouse.Cursor, crDefault);
    EXPECT_EQ(window().Ecran->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(ScreenLayoutTest, MessageWindowIsCentredWithTheAnswerFramesBehindItsButtons)
{
    showBoardOnly();
    // The window picture is 600 wide: its corner is (212, 200); the answer
    // buttons and their 170 by 50 frames stand at (262, 500) and (512, 500).
    const struct
    {
        QString first, second;
        bool yesEnabled, noShown;
    } cases[] = {
        {QStringLiteral("Yes"), QStringLiteral("No"), true, true},
        {QStringLiteral("Yes"), QString(), true, false},
        {QString(), QString(), false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.yesEnabled << c.noShown);
        OpenMessageWindow(4, QStringLiteral("Short"), c.first, c.second);
        frame();
        EXPECT_EQ(MessageWindow.X, 212);
        EXPECT_EQ(MessageWindow.Y, 200);
        EXPECT_EQ(at(212, 200), kTestWindowColour);
        EXPECT_EQ(at(811, 599), kTestWindowColour);
        EXPECT_NE(at(211, 300), kTestWindowColour);
        EXPECT_NE(at(812, 300), kTestWindowColour);

        // The yes frame is always drawn; the button covers its top-left part.
        EXPECT_EQ(at(262, 545), kTestAnswerFrameColour);
        EXPECT_EQ(at(431, 549), kTestAnswerFrameColour);
        EXPECT_EQ(at(420, 500), kTestAnswerFrameColour);
        EXPECT_EQ(at(261, 545), kTestWindowColour);
        EXPECT_EQ(at(262, 550), kTestWindowColour);
        EXPECT_EQ(at(432, 520), kTestWindowColour);
        EXPECT_TRUE(faceAt(c.yesEnabled ? ButtonImages : ButtonDisabledImages, {262, 500, 1}));

        EXPECT_EQ(at(512, 545) == kTestAnswerFrameColour, c.noShown);
        EXPECT_EQ(at(681, 549) == kTestAnswerFrameColour, c.noShown);
        if (c.noShown) {
            EXPECT_TRUE(faceAt({512, 500, 2}));
        } else {
            EXPECT_EQ(at(587, 519), kTestWindowColour);
        }
    }
}

TEST_F(ScreenLayoutTest, PickerItemsSpinIntoPlaceOverFourPasses)
{
    // Picker corner (400, 300). Item i of a pass stands at angle
    // i * 36 degrees less the spin in radians, the spin going down by one per
    // item from 36: the points below each lie in the 40 by 40 box of the one
    // item named and of no other.
    const struct
    {
        int pass, x, y, item;
    } cases[] = {
        {1, 533, 339, 1}, {1, 461, 434, 7}, {1, 423, 370, 10}, {2, 459, 438, 1}, {2, 558, 371, 6},
        {2, 538, 357, 10}, {3, 425, 395, 2}, {3, 524, 331, 8}, {3, 441, 435, 10}, {4, 527, 425, 1},
        {4, 494, 324, 6},  {4, 480, 440, 10}, {5, 515, 429, 1}, {5, 480, 320, 5}, {5, 480, 440, 10},
        {1, 480, 320, -2}, {5, 480, 380, -2},
    };
    TfrmMain& w = window();
    showBoardOnly();
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "pass " << c.pass << " at " << c.x << "," << c.y);
        w.FPickerOpen = true;
        w.FPickerLeft = 400;
        w.FPickerTop = 300;
        w.FPickerSpin = 36;
        w.FHoverX = 0;
        w.FHoverY = 0;
        for (int pass = 1; pass < c.pass; ++pass)
            frame();
        w.FHoverX = c.x;
        w.FHoverY = c.y;
        frame();
        EXPECT_EQ(w.FPickerHover, c.item);
    }
    EXPECT_EQ(w.FPickerSpin, 0);
}

TEST_F(ScreenLayoutTest, StartUpRunsOnceLaysOutTheWindowAndClosesTheSplash)
{
    // A window of its own, started step by step.
    m_window.reset();
    resetScreenGlobals();
    TfrmAbout splash(testThemeAppFolder());
    frmAbout = &splash;
    const auto forget = qScopeGuard([] { frmAbout = nullptr; });
    TfrmMain& w = create(testThemeAppFolder());
    EXPECT_TRUE(splash.isVisible());
    w.FormShow();
    EXPECT_TRUE(w.Timer2SplashScreen->isActive());
    EXPECT_EQ(w.Timer2SplashScreen->interval(), 500);
    w.FMouse.LeftDown = true;
    w.FMouse.RightDown = true;

    w.Timer2SplashScreenTimer();
    EXPECT_FALSE(w.Timer2SplashScreen->isActive());
    EXPECT_FALSE(splash.isVisible());
    EXPECT_FALSE(w.FMouse.LeftDown);
    EXPECT_FALSE(w.FMouse.RightDown);
    EXPECT_EQ(w.Ecran->size(), QSize(1024, 768));
    EXPECT_EQ(w.Panel_Options->geometry(), QRect(871, 151, 153, 597));
    EXPECT_TRUE(w.FGraphicsLoaded);
    EXPECT_TRUE(w.DXTimer->isActive());
    EXPECT_TRUE(HomeScreen.Visible);
    EXPECT_FALSE(GameMenu.Visible);
}

namespace {

// A press on a literal place of a column, and what its command leaves behind.
struct PlaceCommand
{
    const char* name;
    bool home;
    int x, y;
    std::function<bool(TfrmMain&)> done;
};

void PrintTo(const PlaceCommand& c, std::ostream* os)
{
    *os << c.name;
}

// Print dialogs asked for by the press under test; none is shown.
int printDialogsAsked = 0;

bool windowOfKind(int kind)
{
    return MessageWindow.Visible && MessageWindow.Kind == kind;
}

class ColumnCommandTest : public ScreenLayoutTest, public ::testing::WithParamInterface<PlaceCommand>
{
};

} // namespace

TEST_P(ColumnCommandTest, PressOnThePlaceRunsTheCommandOfThatPlace)
{
    const PlaceCommand& c = GetParam();
    if (!c.home)
        dealGame();
    window().Panel_Options->hide();
    printDialogsAsked = 0;
    window().RunPrintDialog = [](QPrinter&) {
        ++printDialogsAsked;
        return false;
    };
    pressAt(c.x, c.y);
    frame();
    EXPECT_FALSE(window().FMouse.LeftDown);
    EXPECT_TRUE(c.done(window()));
}

INSTANTIATE_TEST_SUITE_P(
    Places, ColumnCommandTest,
    ::testing::Values(
        PlaceCommand{"solve", false, 155, 159, [](TfrmMain& w) { return w.GameState == 4; }},
        PlaceCommand{"replay", false, 155, 199, [](TfrmMain&) { return windowOfKind(3); }},
        PlaceCommand{"check", false, 155, 239,
                     [](TfrmMain& w) { return w.FGameTime == 20.0 && !MessageWindow.Visible; }},
        PlaceCommand{"print", false, 155, 279,
                     [](TfrmMain& w) {
                         return printDialogsAsked == 1 && w.GameState == 2 && w.FGameTime == 0.0
                                && !MessageWindow.Visible;
                     }},
        PlaceCommand{"load", false, 155, 319, [](TfrmMain&) { return windowOfKind(1); }},
        PlaceCommand{"options", false, 155, 359, [](TfrmMain& w) { return !w.Panel_Options->isHidden(); }},
        PlaceCommand{"save", false, 155, 399,
                     [](TfrmMain& w) { return w.StatusBar1->panelText(4) == w.FText(50); }},
        PlaceCommand{"pause", false, 155, 439, [](TfrmMain& w) { return w.GameState == 3; }},
        PlaceCommand{"quit", false, 155, 479, [](TfrmMain&) { return windowOfKind(6); }},
        PlaceCommand{"help", false, 972, 33, [](TfrmMain& w) { return w.FGameTime == 60.0; }},
        PlaceCommand{"newGame", true, 525, 299, [](TfrmMain& w) { return w.GameState == 2 && GameMenu.Visible; }},
        PlaceCommand{"design", true, 525, 339, [](TfrmMain& w) { return w.GameState == 1; }},
        PlaceCommand{"homeLoad", true, 525, 379, [](TfrmMain&) { return windowOfKind(1); }},
        PlaceCommand{"scores", true, 525, 419, [](TfrmMain&) { return windowOfKind(7); }},
        PlaceCommand{"rules", true, 525, 459, [](TfrmMain&) { return windowOfKind(8); }},
        PlaceCommand{"homeQuit", true, 525, 539, [](TfrmMain&) { return windowOfKind(4); }}),
    [](const ::testing::TestParamInfo<PlaceCommand>& info) { return std::string(info.param.name); });
