// The small board pictures of a theme: digits, picker items, disc, overlay.
#include "Canvas.h"
#include "Theme.h"

#include <QDir>
#include <QPainter>
#include <QRadialGradient>
#include <QLinearGradient>
#include <QtMath>

#include <stdexcept>

namespace {
constexpr int kDigitBox = 52;
constexpr int kDiscSize = 182;
// Picker items stand on a 60-pixel circle; with 52-pixel item pictures their
// centres ring the disc's centre at this offset from its corner.
constexpr double kDiscCentre = kDiscSize / 2.0;
constexpr double kItemRadius = 60.0;
// Digit heights: neighbouring picker items stand 37 pixels apart, so the
// player's digits, which are the picker items, stay under that.
constexpr double kPlayerHeight = 31;
constexpr double kGivenHeight = 34;
}  // namespace

Palette paletteFor(ThemeKind kind, const Fonts& f)
{
    switch (kind) {
    case ThemeKind::Wood:  // carved dark givens, blue ink for the player
        return {.matte = QColor(232, 196, 140),
                .givenFamily = f.serif,
                .givenTop = QColor(78, 44, 20),
                .givenBottom = QColor(40, 20, 8),
                .givenEdge = QColor(255, 236, 196),
                .givenEdgeWidth = 2.0,
                .playerFamily = f.comic,
                .playerFill = QColor(24, 62, 150),
                .playerEdge = QColor(10, 30, 90),
                .playerEdgeWidth = 1.2,
                .discFill = QColor(246, 227, 189),
                .discInner = QColor(255, 244, 220),
                .discRim = QColor(107, 63, 28),
                .eraserBody = QColor(240, 120, 140),
                .eraserSleeve = QColor(40, 90, 170),
                .hoverGlow = QColor(255, 200, 90)};
    case ThemeKind::Night:  // ice-white givens, lamplight gold for the player
        return {.matte = QColor(36, 52, 104),
                .givenFamily = f.sans,
                .givenTop = QColor(255, 255, 255),
                .givenBottom = QColor(170, 215, 255),
                .givenEdge = QColor(8, 16, 44),
                .givenEdgeWidth = 3.0,
                .playerFamily = f.comic,
                .playerFill = QColor(255, 208, 80),
                .playerEdge = QColor(70, 40, 0),
                .playerEdgeWidth = 2.4,
                .discFill = QColor(16, 26, 62),
                .discInner = QColor(34, 50, 104),
                .discRim = QColor(111, 183, 255),
                .eraserBody = QColor(255, 150, 170),
                .eraserSleeve = QColor(90, 150, 230),
                .hoverGlow = QColor(80, 150, 255)};
    case ThemeKind::Pastel:  // sticker-like digits with a white rim
        return {.matte = QColor(255, 248, 250),
                .givenFamily = f.gothic,
                .givenTop = QColor(92, 70, 150),
                .givenBottom = QColor(60, 44, 110),
                .givenEdge = QColor(255, 255, 255),
                .givenEdgeWidth = 3.0,
                .playerFamily = f.comic,
                .playerFill = QColor(255, 104, 140),
                .playerEdge = QColor(255, 255, 255),
                .playerEdgeWidth = 3.0,
                .discFill = QColor(255, 255, 255),
                .discInner = QColor(255, 240, 248),
                .discRim = QColor(245, 154, 192),
                .eraserBody = QColor(255, 170, 190),
                .eraserSleeve = QColor(110, 200, 190),
                .hoverGlow = QColor(255, 214, 120)};
    }
    throw std::logic_error("unknown theme");
}

QImage paintDigit(const Palette& p, int digit, bool given)
{
    QImage img = canvas::transparent(kDigitBox, kDigitBox);
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    const QString text = QString::number(digit);
    const double c = kDigitBox / 2.0;
    if (given) {
        const QPainterPath path = canvas::textPath(p.givenFamily, QFont::Bold, text, kGivenHeight, c, c + 0.5);
        g.strokePath(path, QPen(p.givenEdge, p.givenEdgeWidth * 2, Qt::SolidLine, Qt::RoundCap,
                                Qt::RoundJoin));
        QLinearGradient fill(0, c - 18, 0, c + 18);
        fill.setColorAt(0, p.givenTop);
        fill.setColorAt(1, p.givenBottom);
        g.fillPath(path, fill);
    } else {
        const QPainterPath path = canvas::textPath(p.playerFamily, QFont::Bold, text, kPlayerHeight, c, c);
        g.strokePath(path, QPen(p.playerEdge, p.playerEdgeWidth * 2, Qt::SolidLine, Qt::RoundCap,
                                Qt::RoundJoin));
        g.fillPath(path, p.playerFill);
    }
    g.end();
    return canvas::flattenKeyed(img, p.matte);
}

QImage paintEraser(const Palette& p, bool hover)
{
    QImage img = canvas::transparent(kDigitBox, kDigitBox);
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    const double c = kDigitBox / 2.0;
    if (hover) {
        g.setPen(QPen(p.hoverGlow.darker(140), 2));
        g.setBrush(p.hoverGlow);
        g.drawEllipse(QPointF(c, c), 23, 23);
    }
    g.translate(c, c);
    g.rotate(-35);
    const QRectF body(-17, -9, 34, 18);
    QPainterPath outline;
    outline.addRoundedRect(body, 4, 4);
    g.setPen(QPen(QColor(40, 30, 30), 2.4));
    g.setBrush(hover ? p.eraserBody.lighter(112) : p.eraserBody);
    g.drawPath(outline);
    g.setClipPath(outline);
    g.fillRect(QRectF(3, -9, 14, 18), hover ? p.eraserSleeve.lighter(120) : p.eraserSleeve);
    g.setClipping(false);
    g.setBrush(Qt::NoBrush);
    g.drawPath(outline);
    g.drawLine(QPointF(3, -9), QPointF(3, 9));
    g.end();
    return canvas::flattenKeyed(img, p.matte);
}

QImage paintPickerDisc(const Palette& p)
{
    QImage img = canvas::transparent(kDiscSize, kDiscSize);
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(kDiscCentre, kDiscCentre);
    QPainterPath ring;
    ring.addEllipse(centre, 89, 89);
    ring.addEllipse(centre, 27, 27);  // odd-even fill: the clicked cell shows through
    QRadialGradient fill(centre, 89);
    fill.setColorAt(0.3, p.discInner);
    fill.setColorAt(1.0, p.discFill);
    g.fillPath(ring, fill);
    // A soft seat under each of the ten items.
    for (int i = 1; i <= 10; ++i) {
        const double a = qDegreesToRadians(36.0 * i);
        const QPointF at(kDiscCentre + kItemRadius * std::sin(a), kDiscCentre + kItemRadius * std::cos(a));
        g.setPen(Qt::NoPen);
        g.setBrush(canvas::mix(p.discFill, p.discRim, 0.18));
        g.drawEllipse(at, 17, 17);
    }
    g.setBrush(Qt::NoBrush);
    g.setPen(QPen(p.discRim, 3));
    g.drawEllipse(centre, 87.5, 87.5);
    g.setPen(QPen(p.discRim, 2));
    g.drawEllipse(centre, 28, 28);
    g.end();
    return canvas::flattenKeyed(img, p.discFill);
}

QImage paintErrorOverlay()
{
    QImage img = canvas::opaque(kDigitBox, kDigitBox, Qt::white);
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    QRadialGradient fill(QPointF(26, 26), 36);
    fill.setColorAt(0.0, QColor(255, 214, 214));
    fill.setColorAt(0.55, QColor(255, 130, 130));
    fill.setColorAt(1.0, QColor(210, 20, 30));
    g.fillRect(img.rect(), fill);
    g.setPen(QPen(QColor(190, 0, 20), 4));
    g.drawRect(QRectF(2, 2, 48, 48));
    g.end();
    return img;
}

void writeTheme(ThemeKind kind, const Fonts& fonts, const QString& folder)
{
    if (!QDir().mkpath(folder))
        throw std::runtime_error("cannot create " + folder.toStdString());
    const Palette p = paletteFor(kind, fonts);
    auto save = [&](int n, const QImage& img) {
        canvas::saveBmp(img, folder + '/' + QString::number(n) + ".bmp");
    };
    save(0, paintEraser(p, false));
    save(13, paintEraser(p, true));
    for (int d = 1; d <= 9; ++d) {
        save(d, paintDigit(p, d, false));
        save(d + 13, paintDigit(p, d, true));
    }
    save(10, paintCellBackdrop(kind, false));
    save(11, paintCellBackdrop(kind, true));
    save(24, paintCellBackdrop(kind, true));
    save(12, paintBackground(kind, fonts));
    save(23, paintPanel(kind));
    save(25, paintPickerDisc(p));
    save(26, paintErrorOverlay());
}
