// Which language line each button face carries, and the size of drawn text:
// captions in 12 points, screen text two points below the size asked for.
#include "DrawingTestSupport.h"

#include "MessageCapture.h"
#include "ThemeGraphics.h"
#include "UnitePerso.h"

#include <QDir>
#include <QFont>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QColor kKey(255, 0, 255);
const QColor kFaceColour(230, 210, 160);
const QString kCaption = QStringLiteral("HHHHHHHH");

// A 150 by 38 face, opaque but for its key pixel (1, 1).
QImage blankFace()
{
    QImage image(150, 38, QImage::Format_RGB32);
    image.fill(kFaceColour);
    image.setPixelColor(1, 1, kKey);
    return image;
}

QImage keyedBlank()
{
    QImage image = blankFace().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    applyColorKey(image);
    return image;
}

// The bounding box of the pixels that are not `ground`.
QRect inkBox(const QImage& image, QRgb ground)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != ground)
                box |= QRect(x, y, 1, 1);
    return box;
}

// The bounding box of the pixels where two images of one size differ.
QRect differences(const QImage& a, const QImage& b)
{
    QRect box;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                box |= QRect(x, y, 1, 1);
    return box;
}

// The ink of a text written with the game's font, bold, `pixels` high.
QSize referenceInk(const QString& text, int pixels)
{
    QImage image(400, 100, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    QFont font(TextFontName);
    font.setBold(true);
    font.setPixelSize(pixels);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QPoint(10, 80), text);
    painter.end();
    return inkBox(image, qRgb(0, 0, 0)).size();
}

class FaceCaptionTest : public ScreenTest
{
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        const QString graphics = m_dir.path() + QStringLiteral("/graphisme/");
        QDir().mkpath(graphics);
        ASSERT_TRUE(blankFace().save(graphics + QStringLiteral("1.bmp"), "BMP"));
        ASSERT_TRUE(blankFace().save(graphics + QStringLiteral("aide.bmp"), "BMP"));
        ASSERT_TRUE(blankFace().save(graphics + QStringLiteral("aideRoll.bmp"), "BMP"));
    }

    // Loads the faces with every language line empty but `line`.
    void loadWithOnlyLine(int line)
    {
        loadThemeGraphics(m_dir.path(), QStringLiteral("Bois"),
                          [line](int n) { return n == line ? kCaption : QString(); });
    }

    QTemporaryDir m_dir;
    MessageCapture m_messages;  // the board pictures are missing
};

} // namespace

TEST_F(FaceCaptionTest, FaceNumberNShowsLanguageLineNPlusOne)
{
    const QImage blank = keyedBlank();
    for (int line = 1; line <= 20; ++line) {
        SCOPED_TRACE(testing::Message() << "line " << line);
        loadWithOnlyLine(line);
        for (int face = 1; face <= 19; ++face) {
            SCOPED_TRACE(testing::Message() << "face " << face);
            const bool captioned = face == line - 1 && face <= 18;
            EXPECT_EQ(ButtonImages.item(face)->image() != blank, captioned);
            EXPECT_EQ(ButtonDisabledImages.item(face)->image() != blank, captioned);
            // The rollover face 15 carries no caption.
            EXPECT_EQ(ButtonRolloverImages.item(face)->image() != blank, captioned && face != 15);
        }
    }
}

TEST_F(FaceCaptionTest, CaptionIsTwelvePointsBoldStartingAtItsCountedPlace)
{
    loadWithOnlyLine(6);
    const QRect ink = differences(ButtonImages.item(5)->image(), keyedBlank());
    // 8 characters on a face 150 wide: x = 75 - 32 - 2 = 41; top 14.
    EXPECT_GE(ink.left(), 41);
    EXPECT_LE(ink.left(), 43);
    EXPECT_GE(ink.top(), 14);
    EXPECT_EQ(ink.size(), referenceInk(kCaption, 16));  // 12 points at 96 dots an inch
}

TEST_F(ScreenTest, ScreenTextIsDrawnTwoPointsBelowTheSizeAskedFor)
{
    const struct
    {
        int size, pixels;
    } cases[] = {{13, 15}, {20, 24}, {10, 11}};  // 11, 18 and 8 points
    const QString text = QStringLiteral("HEH HEH");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size);
        m_screen.fill(Qt::black);
        DrawScreenText(200, 300, c.size, 0xFFFFFF, text);
        const QRect ink = inkBox(m_screen, qRgb(0, 0, 0));
        EXPECT_GE(ink.left(), 200);
        EXPECT_GE(ink.top(), 300);
        EXPECT_EQ(ink.size(), referenceInk(text, c.pixels));
    }
}
