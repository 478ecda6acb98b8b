#include "UnitePerso.h"

#include "ScreenPainter.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <utility>

ImageList ButtonImages;
ImageList ButtonRolloverImages;
ImageList ButtonDisabledImages;
ImageList BoardImages;
ImageList ScreenImages;

QString TextFontName = QStringLiteral("Courier new");

std::array<TKaloBouton, 18> Buttons;

namespace {

QImage* g_screen = nullptr;

// The pieces of a picture's draw that come from the picture itself.
ScreenDraw imageDraw(ScreenDraw::Kind kind, const QRect& target, const ThemeImage& image, bool smooth)
{
    ScreenDraw draw;
    draw.kind = kind;
    draw.target = target;
    draw.image = image.image();
    draw.blend = image.drawMode() == ThemeImage::DrawMode::Blend;
    draw.alpha = image.masterAlpha();
    draw.smooth = smooth;
    return draw;
}

// The stored 32-bit value of a pixel, without conversion. Keyed pixels are
// all 0 in the premultiplied format.
QRgb rawPixel(const QImage& image, int x, int y)
{
    return reinterpret_cast<const QRgb*>(image.constScanLine(y))[x];
}

} // namespace

void setScreenBitmap(QImage* screen)
{
    g_screen = screen;
    ScreenPainter::forgetLastFrame();
}

QImage* screenBitmap()
{
    return g_screen;
}

QColor windowsColor(std::uint32_t colour)
{
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

int pointsToPixels(int points)
{
    return (points * 96 + 36) / 72;
}

void DrawScreenText(std::int32_t x, std::int32_t y, std::int32_t size, std::uint32_t colour,
                    const QString& text)
{
    const int pixels = pointsToPixels(size - 2);
    if (pixels <= 0 || text.isEmpty())
        return;
    // The frame draws a few dozen texts in two or three sizes: keep the font
    // and its ascent of the last size asked for. Never freed, so no font
    // outlives the application's font system at exit.
    struct FontCache
    {
        QString family;
        int pixels = 0;
        QFont font;
        int ascent = 0;
    };
    static auto* cache = new FontCache;
    if (cache->family != TextFontName || cache->pixels != pixels) {
        cache->font = QFont(TextFontName);
        cache->font.setBold(true);
        cache->font.setPixelSize(pixels);
        cache->ascent = QFontMetrics(cache->font).ascent();
        cache->family = TextFontName;
        cache->pixels = pixels;
    }
    ScreenDraw draw;
    draw.kind = ScreenDraw::Kind::Text;
    draw.baseline = QPoint(x, y + cache->ascent);
    draw.text = text;
    draw.font = cache->font;
    draw.colour = windowsColor(colour);
    ScreenPainter::draw(std::move(draw));
}

void DrawScreenImage(std::int32_t x, std::int32_t y, ThemeImage* image, std::uint8_t alpha)
{
    if (!image)
        return;
    image->setMasterAlpha(alpha);
    if (image->isEmpty())
        return;
    ScreenPainter::draw(imageDraw(ScreenDraw::Kind::Image, QRect(QPoint(x, y), image->image().size()), *image, false));
}

void DrawScreenImageScaled(const QRect& dest, const ThemeImage* image)
{
    if (!image || image->isEmpty() || dest.isEmpty())
        return;
    ScreenPainter::draw(imageDraw(ScreenDraw::Kind::ScaledImage, dest, *image, true));
}

bool IsOverButton(std::int32_t x, std::int32_t y, std::int32_t mouseX, std::int32_t mouseY,
                  std::uint8_t face)
{
    const ThemeImage* normal = ButtonImages.item(face);
    if (!normal || normal->width() < 2 || normal->height() < 2)
        return false;
    const QImage& image = normal->image();
    const std::int64_t dx = std::int64_t(mouseX) - x;
    const std::int64_t dy = std::int64_t(mouseY) - y;
    if (dx <= 0 || dx >= image.width() || dy <= 0 || dy >= image.height())
        return false;
    return rawPixel(image, int(dx), int(dy)) != rawPixel(image, 1, 1);
}

std::uint8_t DrawImageButton(bool enabled, bool visible, std::int32_t x, std::int32_t y,
                             TMouseState& mouse, std::uint8_t face)
{
    if (!visible)
        return 0;
    const bool over = IsOverButton(x, y, mouse.X, mouse.Y, face);
    if (!enabled) {
        DrawScreenImage(x, y, ButtonDisabledImages.item(face), 255);
        return 0;
    }
    DrawScreenImage(x, y, over ? ButtonRolloverImages.item(face) : ButtonImages.item(face), 255);
    if (!over)
        return 0;

    mouse.Cursor = crHandPoint;
    std::uint8_t result = 0;
    if (mouse.LeftDown)
        result = 1;
    if (mouse.RightDown)
        result = 2;
    mouse.LeftDown = false;
    mouse.RightDown = false;
    if (result != 0)
        DrawScreenImage(x + 2, y, ButtonRolloverImages.item(face), 255);
    return result;
}
