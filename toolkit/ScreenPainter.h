#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QString>

#include <cstdint>
#include <optional>

// One draw on the screen bitmap, kept with everything its pixels depend on:
// the picture as it was when drawn (a shared copy), where it lands, its mode
// and opacity; for a text, the font, colour and baseline point.
struct ScreenDraw {
    enum class Kind { Image, ScaledImage, Text };

    Kind kind = Kind::Image;
    QRect target;        // Image: where the picture lands; ScaledImage: its destination
    QImage image;
    bool blend = false;  // over the screen by alpha times opacity; else copied
    std::uint8_t alpha = 255;
    bool smooth = false;
    QPoint baseline;     // Text
    QString text;
    std::optional<QFont> font;
    QColor colour;

    bool operator==(const ScreenDraw& other) const;

    // Sets every piece of painter state the draw depends on, then draws.
    void paint(QPainter& painter) const;
    // The pixels the draw can touch.
    QRect bounds() const;
};

// Gathers the draws of one frame and paints them on the screen bitmap, with
// one painter, when the outermost scope closes. The main window opens one
// around its scene. Scopes nest: the draws of an inner one (a scene drawn
// again from inside a command) join the outer one's. Without an open scope
// each draw paints at once.
//
// A frame whose draws equal those of the frame painted last is not painted
// again when the bitmap was not written since and that frame starts with an
// opaque picture under every other draw: painting it once more would give
// the very same pixels. The bitmap then keeps its cache key, which tells the
// screen widget that there is nothing new to show.
class ScreenPainter {
public:
    ScreenPainter();
    ~ScreenPainter();
    ScreenPainter(const ScreenPainter&) = delete;
    ScreenPainter& operator=(const ScreenPainter&) = delete;

    static bool isOpen();
    // Gathers the draw in the open scope, or paints it at once.
    static void draw(ScreenDraw draw);
    // Forgets the frame painted last: the next frame is painted whatever it
    // draws. Called when the screen bitmap is replaced.
    static void forgetLastFrame();

private:
    bool m_owner = false;
};
