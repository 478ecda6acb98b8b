#include "DrawingTestSupport.h"

#include "ScreenPainter.h"
#include "ThemeGraphics.h"
#include "UnitePerso.h"

#include <gtest/gtest.h>

namespace {

const QColor kKey(255, 0, 255);
const QColor kNormal(0, 200, 0);
const QColor kRollover(0, 0, 220);
const QColor kDisabled(128, 128, 128);
constexpr int kFace = 40;   // faces are 40 by 40 discs with transparent corners

ThemeImage& addKeyedFace(ImageList& list, const QColor& colour)
{
    ThemeImage& item = list.add(discPicture(kFace, kKey, colour));
    applyColorKey(item.pixels());
    item.setDrawMode(ThemeImage::DrawMode::Blend);
    return item;
}

// Faces 1 to 3 in the three lists; face 0 is the empty placeholder.
class ImageButtonTest : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        for (ImageList* list : {&ButtonImages, &ButtonRolloverImages, &ButtonDisabledImages})
            list->add();
        for (int face = 1; face <= 3; ++face) {
            addKeyedFace(ButtonImages, kNormal);
            addKeyedFace(ButtonRolloverImages, kRollover);
            addKeyedFace(ButtonDisabledImages, kDisabled);
        }
    }

    TMouseState pressAt(int x, int y, bool left = true, bool right = false)
    {
        TMouseState m;
        m.X = x;
        m.Y = y;
        m.LeftDown = left;
        m.RightDown = right;
        return m;
    }
};

} // namespace

TEST_F(ImageButtonTest, LeftPressIsReportedByTheFirstEnabledButtonOnly)
{
    TMouseState mouse = pressAt(120, 120);
    EXPECT_EQ(DrawImageButton(true, true, 100, 100, mouse, 1), 1);
    EXPECT_FALSE(mouse.LeftDown);
    EXPECT_EQ(mouse.Cursor, crHandPoint);

    // An overlapping button drawn later in the same frame sees no press but
    // still shows that the mouse is over it.
    EXPECT_EQ(DrawImageButton(true, true, 100, 100, mouse, 2), 0);
    EXPECT_EQ(at(120, 120), kRollover);
    // Nor does the next frame.
    EXPECT_EQ(DrawImageButton(true, true, 100, 100, mouse, 1), 0);
}

TEST_F(ImageButtonTest, TransparentCornerPassesThePressOn)
{
    // (102, 102) is in the keyed corner of a button at (100, 100) and on the
    // disc of a button at (85, 85).
    TMouseState mouse = pressAt(102, 102);
    EXPECT_EQ(DrawImageButton(true, true, 100, 100, mouse, 1), 0);
    EXPECT_TRUE(mouse.LeftDown);
    EXPECT_EQ(mouse.Cursor, crDefault);
    EXPECT_EQ(at(120, 120), kNormal);
    EXPECT_EQ(at(101, 101), QColor(Qt::black)); // the corner shows what lies below

    EXPECT_EQ(DrawImageButton(true, true, 85, 85, mouse, 2), 1);
    EXPECT_FALSE(mouse.LeftDown);
}

TEST_F(ImageButtonTest, RightPressIsConsumedAndReportedAsTwo)
{
    TMouseState mouse = pressAt(120, 120, false, true);
    EXPECT_EQ(DrawImageButton(true, true, 100, 100, mouse, 1), 2);
    EXPECT_FALSE(mouse.RightDown);
    EXPECT_EQ(DrawImageButton(true, true, 100, 100, mouse, 2), 0);

    TMouseState both = pressAt(120, 120, true, true);
    EXPECT_EQ(DrawImageButton(true, true, 100, 100, both, 1), 2);
    EXPECT_FALSE(both.LeftDown);
    EXPECT_FALSE(both.RightDown);
}

TEST_F(ImageButtonTest, DisabledButtonShowsItsDisabledFaceAndLeavesThePress)
{
    TMouseState mouse = pressAt(120, 120);
    EXPECT_EQ(DrawImageButton(false, true, 100, 100, mouse, 1), 0);
    EXPECT_EQ(at(120, 120), kDisabled);
    EXPECT_TRUE(mouse.LeftDown);
    EXPECT_EQ(mouse.Cursor, crDefault);

    EXPECT_EQ(DrawImageButton(true, true, 300, 300, mouse, 2), 0); // not under the mouse
    EXPECT_TRUE(mouse.LeftDown);
    EXPECT_EQ(DrawImageButton(true, true, 100, 100, mouse, 2), 1);
}

TEST_F(ImageButtonTest, InvisibleButtonDrawsNothingAndLeavesTheMouseAlone)
{
    TMouseState mouse = pressAt(120, 120);
    EXPECT_EQ(DrawImageButton(true, false, 100, 100, mouse, 1), 0);
    EXPECT_TRUE(mouse.LeftDown);
    EXPECT_EQ(mouse.Cursor, crDefault);
    EXPECT_EQ(at(120, 120), QColor(Qt::black));
}

TEST_F(ImageButtonTest, HoverShowsTheRolloverFaceAndTheHandWithoutAPress)
{
    TMouseState away = pressAt(500, 500, false);
    EXPECT_EQ(DrawImageButton(true, true, 100, 100, away, 1), 0);
    EXPECT_EQ(at(120, 120), kNormal);
    EXPECT_EQ(away.Cursor, crDefault);

    TMouseState over = pressAt(120, 120, false);
    EXPECT_EQ(DrawImageButton(true, true, 100, 100, over, 1), 0);
    EXPECT_EQ(at(120, 120), kRollover);
    EXPECT_EQ(over.Cursor, crHandPoint);
    EXPECT_EQ(at(138, 120), QColor(Qt::black)); // no pressed look without a click
}

TEST_F(ImageButtonTest, ReportedClickDrawsThePressedLookTwoPixelsRight)
{
    // The disc ends before column 38 of the face; pressed, it covers 38.
    TMouseState mouse = pressAt(120, 120);
    ASSERT_EQ(DrawImageButton(true, true, 100, 100, mouse, 1), 1);
    EXPECT_EQ(at(138, 120), kRollover);
    EXPECT_EQ(at(102, 120), kRollover); // the first drawing stays below
}

TEST_F(ImageButtonTest, FirstRowAndColumnAndTheFarEdgesAreNeverOver)
{
    // A square face opaque everywhere but its key pixel (1, 1).
    QImage square(kFace, kFace, QImage::Format_RGB32);
    square.fill(kNormal);
    square.setPixelColor(1, 1, kKey);
    ThemeImage& face = ButtonImages.add(square);
    applyColorKey(face.pixels());
    const int index = ButtonImages.count() - 1;

    EXPECT_FALSE(IsOverButton(100, 100, 100, 100, index));
    EXPECT_FALSE(IsOverButton(100, 100, 100, 120, index));
    EXPECT_FALSE(IsOverButton(100, 100, 120, 100, index));
    EXPECT_FALSE(IsOverButton(100, 100, 140, 120, index));
    EXPECT_FALSE(IsOverButton(100, 100, 120, 140, index));
    EXPECT_FALSE(IsOverButton(100, 100, 101, 101, index)); // the key pixel itself
    EXPECT_TRUE(IsOverButton(100, 100, 101, 120, index));
    EXPECT_TRUE(IsOverButton(100, 100, 139, 139, index));
}

TEST_F(ImageButtonTest, MissingOrTinyFaceIsNeverOverAndDrawsNothing)
{
    TMouseState mouse = pressAt(120, 120);
    EXPECT_EQ(DrawImageButton(true, true, 100, 100, mouse, 9), 0);
    EXPECT_EQ(DrawImageButton(true, true, 100, 100, mouse, 0), 0); // the empty placeholder
    EXPECT_EQ(DrawImageButton(false, true, 100, 100, mouse, 200), 0);
    EXPECT_TRUE(mouse.LeftDown);
    EXPECT_EQ(at(120, 120), QColor(Qt::black));

    ButtonImages.add(QImage(1, 1, QImage::Format_RGB32));
    EXPECT_FALSE(IsOverButton(0, 0, 0, 0, ButtonImages.count() - 1));

    ButtonImages.clear();
    EXPECT_EQ(DrawImageButton(true, true, 100, 100, mouse, 1), 0);
}

TEST_F(ImageButtonTest, ButtonsDrawWithoutAScreen)
{
    setScreenBitmap(nullptr);
    TMouseState mouse = pressAt(120, 120);
    EXPECT_EQ(DrawImageButton(true, true, 100, 100, mouse, 1), 1);
}

using ScreenImageTest = ScreenTest;

TEST_F(ScreenImageTest, BlendMixesByOpacityAndKeepsTheOpacitySet)
{
    QImage red(10, 10, QImage::Format_RGB32);
    red.fill(Qt::red);
    ThemeImage image(red);
    image.setDrawMode(ThemeImage::DrawMode::Blend);
    m_screen.fill(QColor(0, 0, 200));

    DrawScreenImage(5, 5, &image, 128);
    EXPECT_EQ(image.masterAlpha(), 128);
    const QColor mixed = at(7, 7);
    EXPECT_NEAR(mixed.red(), 128, 2);
    EXPECT_NEAR(mixed.blue(), 100, 2);
    EXPECT_EQ(at(4, 4), QColor(0, 0, 200));
    EXPECT_EQ(at(15, 15), QColor(0, 0, 200));
}

TEST_F(ScreenImageTest, BlendLeavesKeyedPixelsUntouched)
{
    ThemeImage image(discPicture(20, kKey, kNormal));
    applyColorKey(image.pixels());
    image.setDrawMode(ThemeImage::DrawMode::Blend);
    DrawScreenImage(0, 0, &image, 255);
    EXPECT_EQ(at(0, 0), QColor(Qt::black));
    EXPECT_EQ(at(1, 1), QColor(Qt::black));
    EXPECT_EQ(at(10, 10), kNormal);
}

TEST_F(ScreenImageTest, OpaqueCopiesPixelsWhateverTheOpacity)
{
    QImage red(10, 10, QImage::Format_RGB32);
    red.fill(Qt::red);
    ThemeImage image(red);
    m_screen.fill(Qt::blue);
    DrawScreenImage(0, 0, &image, 10);
    EXPECT_EQ(at(5, 5), QColor(Qt::red));
    EXPECT_EQ(image.masterAlpha(), 10);
}

TEST_F(ScreenImageTest, ScaledDrawUsesTheOpacityTheImageAlreadyHas)
{
    QImage red(40, 40, QImage::Format_RGB32);
    red.fill(Qt::red);
    ThemeImage image(red);
    image.setDrawMode(ThemeImage::DrawMode::Blend);
    image.setMasterAlpha(255);
    DrawScreenImageScaled(QRect(100, 100, 20, 20), &image);
    EXPECT_EQ(at(110, 110), QColor(Qt::red));
    EXPECT_EQ(at(121, 110), QColor(Qt::black));
}

TEST_F(ScreenImageTest, MissingImagesDrawNothing)
{
    ThemeImage empty;
    DrawScreenImage(0, 0, &empty, 200);
    EXPECT_EQ(empty.masterAlpha(), 200);
    DrawScreenImage(0, 0, nullptr, 255);
    DrawScreenImage(0, 0, BoardImages.item(12), 255); // no theme loaded
    DrawScreenImageScaled(QRect(0, 0, 20, 20), nullptr);
    EXPECT_EQ(at(0, 0), QColor(Qt::black));
}

TEST_F(ScreenImageTest, DrawsOfNestedScopesLandWhenTheOuterScopeCloses)
{
    QImage red(10, 10, QImage::Format_RGB32);
    red.fill(Qt::red);
    ThemeImage image(red);
    {
        ScreenPainter frame;
        ASSERT_TRUE(ScreenPainter::isOpen());
        {
            const ScreenPainter nested;
            DrawScreenImage(0, 0, &image, 255);
        }
        EXPECT_TRUE(ScreenPainter::isOpen());
        DrawScreenImage(20, 0, &image, 255);
    }
    EXPECT_FALSE(ScreenPainter::isOpen());
    EXPECT_EQ(at(5, 5), QColor(Qt::red));
    EXPECT_EQ(at(25, 5), QColor(Qt::red));
}

// A repeated frame is left out only where painting it again could change
// nothing: the bitmap unwritten since, every draw on the frame's first, opaque picture.
TEST_F(ScreenImageTest, RepeatedFrameIsPaintedAgainWhereItsResultCouldDiffer)
{
    QImage blue(100, 100, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    ThemeImage base(blue);
    ThemeImage half(blue);
    half.setDrawMode(ThemeImage::DrawMode::Blend);
    const auto frameAt = [&](int x) {
        const ScreenPainter frame;
        DrawScreenImage(0, 0, &base, 255);
        DrawScreenImage(x, 0, &half, 128);
    };
    frameAt(0);
    m_screen.fill(Qt::black); // written outside the frames
    frameAt(0);
    EXPECT_EQ(at(50, 50), QColor(Qt::blue));
    // Outside the opaque picture the half-blue square builds up from frame to frame.
    frameAt(200);
    const QColor once = at(205, 5);
    frameAt(200);
    EXPECT_GT(at(205, 5).blue(), once.blue());
}

TEST_F(ScreenImageTest, ModeOfOneDrawDoesNotLeakIntoTheNextInAFrame)
{
    QImage red(10, 10, QImage::Format_RGB32);
    red.fill(Qt::red);
    ThemeImage opaque(red);
    ThemeImage blended(red);
    blended.setDrawMode(ThemeImage::DrawMode::Blend);
    {
        ScreenPainter frame;
        DrawScreenImage(0, 0, &blended, 0);   // fully transparent
        DrawScreenImage(20, 0, &opaque, 0);   // opaque ignores the opacity
    }
    EXPECT_EQ(at(5, 5), QColor(Qt::black));
    EXPECT_EQ(at(25, 5), QColor(Qt::red));
}

using ScreenTextTest = ScreenTest;

TEST_F(ScreenTextTest, WritesBelowAndRightOfItsCornerInTheWindowsColour)
{
    DrawScreenText(200, 300, 13, 0x282896, QStringLiteral("HELLO"));
    int hits = 0;
    for (int y = 0; y < 768; ++y)
        for (int x = 0; x < 1024; ++x) {
            if (at(x, y) == QColor(Qt::black))
                continue;
            EXPECT_GE(x, 200);
            EXPECT_GE(y, 300);
            EXPECT_LT(y, 300 + pointsToPixels(11) + 4);
            if (at(x, y) == QColor(150, 40, 40))
                ++hits;
        }
    EXPECT_GT(hits, 20);
}

TEST(ScreenColours, WindowsColourValuesAreBlueGreenRed)
{
    EXPECT_EQ(windowsColor(0x282896), QColor(150, 40, 40));
    EXPECT_EQ(windowsColor(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(pointsToPixels(11), 15);
    EXPECT_EQ(pointsToPixels(12), 16);
    EXPECT_EQ(toQtCursor(crHandPoint), Qt::PointingHandCursor);
    EXPECT_EQ(toQtCursor(crDefault), Qt::ArrowCursor);
}
