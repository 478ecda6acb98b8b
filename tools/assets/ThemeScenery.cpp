// The large theme pictures: screen background, cell backdrop, options panel.
#include "Canvas.h"
#include "ScreenLayout.h"
#include "Theme.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <random>
#include <stdexcept>

using canvas::mix;

namespace {

const QRect kBoardOnPicture = layout::onFullScreenPicture(layout::kBoard);
const QRect kColumnOnPicture = layout::onFullScreenPicture(layout::kGameColumn).adjusted(-12, -12, 12, 12);
// The title stands above the button column, left of the board.
const QRectF kTitleBox(24, 22, 250, 92);

// Wood grain whose fibres run along x: slow wavy rings plus fine streaks.
QColor woodAt(double x, double y, int seed, const QColor& dark, const QColor& light)
{
    const double n = canvas::fbm(x * 0.004, y * 0.05, seed);
    const double rings = 0.5 + 0.5 * std::sin(y * 0.22 + n * 18.0);
    const double fine = canvas::noise(x * 0.3, y * 1.7, seed + 7);
    return mix(dark, light, 0.2 + 0.45 * n + 0.2 * rings * rings + 0.12 * fine);
}

void fillWood(QImage& img, const QRect& area, int seed, const QColor& dark, const QColor& light,
              bool fibresAlongY = false)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = fibresAlongY ? woodAt(y, x, seed, dark, light) : woodAt(x, y, seed, dark, light);
            img.setPixel(x, y, c.rgb());
        }
}

// "Sudoku" in the given family, as one path per letter so each can be
// coloured, as large as fits the title box.
std::vector<QPainterPath> titleLetters(const QString& family)
{
    const QString word = QStringLiteral("Sudoku");
    QFont font(family);
    font.setPixelSize(200);
    font.setBold(true);
    const QFontMetricsF fm(font);
    std::vector<QPainterPath> letters;
    QPainterPath whole;
    double x = 0;
    for (QChar ch : word) {
        QPainterPath p;
        p.addText(x, 0, font, QString(ch));
        letters.push_back(p);
        whole.addPath(p);
        x += fm.horizontalAdvance(ch);
    }
    const QRectF box = whole.boundingRect();
    const double scale = std::min(kTitleBox.width() / box.width(), kTitleBox.height() / box.height());
    QTransform t;
    t.translate(kTitleBox.center().x(), kTitleBox.center().y());
    t.scale(scale, scale);
    t.translate(-box.center().x(), -box.center().y());
    for (auto& p : letters)
        p = t.map(p);
    return letters;
}

QPainterPath joined(const std::vector<QPainterPath>& parts)
{
    QPainterPath all;
    for (const auto& p : parts)
        all.addPath(p);
    return all;
}

// A 3 x 3 grid emblem for the top of the options panel.
void drawEmblem(QPainter& g, QPointF centre, double size, const QColor& line, const std::vector<QColor>& fills)
{
    const double cell = size / 3;
    const QPointF origin = centre - QPointF(size / 2, size / 2);
    for (int i = 0; i < 9; ++i) {
        const QRectF r(origin.x() + (i % 3) * cell + 1.5, origin.y() + (i / 3) * cell + 1.5, cell - 3, cell - 3);
        g.setPen(Qt::NoPen);
        g.setBrush(fills[i % fills.size()]);
        g.drawRoundedRect(r, 3, 3);
    }
    g.setBrush(Qt::NoBrush);
    g.setPen(QPen(line, 2));
    g.drawRoundedRect(QRectF(origin, QSizeF(size, size)), 4, 4);
}

// Section grooves of the options panel, between its groups of controls.
const int kPanelSeparators[] = {58, 146, 242, 376, 456};

// A gradient from top to bottom over an area whose top is at y 0.
void fillTopToBottom(QPainter& g, const QRect& area, const QColor& top, const QColor& bottom)
{
    QLinearGradient fill(0, 0, 0, area.height());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    g.fillRect(area, fill);
}

// ---- Wood -----------------------------------------------------------------

QImage woodBackground(const Fonts& fonts)
{
    QImage img = canvas::opaque(layout::kScreenW, layout::kScreenH, Qt::black);
    const int plank = 96;
    for (int top = 0, i = 0; top < img.height(); top += plank, ++i) {
        const double tone = 0.9 + 0.2 * canvas::noise(i * 3.1, 0.5, 11);
        const QColor dark = QColor(70, 40, 20).lighter(int(100 * tone));
        const QColor light = QColor(150, 96, 52).lighter(int(100 * tone));
        fillWood(img, QRect(0, top, img.width(), plank).intersected(img.rect()), 100 + i, dark, light);
    }
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    // Plank seams and staggered butt joints.
    for (int top = 0, i = 0; top < img.height(); top += plank, ++i) {
        g.fillRect(QRect(0, top, img.width(), 2), QColor(30, 16, 6, 200));
        g.fillRect(QRect(0, top + 2, img.width(), 1), QColor(255, 220, 170, 50));
        const int joint = 180 + (i * 337) % 600;
        g.fillRect(QRect(joint, top, 2, plank), QColor(30, 16, 6, 160));
    }
    QRadialGradient vignette(QPointF(512, 400), 700);
    vignette.setColorAt(0.55, QColor(0, 0, 0, 0));
    vignette.setColorAt(1.0, QColor(0, 0, 0, 110));
    g.fillRect(img.rect(), vignette);

    // Recessed walnut frame around the board, maple inside.
    const QRectF frame = QRectF(kBoardOnPicture).adjusted(-16, -16, 16, 16);
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(0, 0, 0, 90));
    g.drawRoundedRect(frame.translated(5, 6), 8, 8);
    QLinearGradient walnut(frame.topLeft(), frame.bottomRight());
    walnut.setColorAt(0, QColor(92, 56, 28));
    walnut.setColorAt(1, QColor(48, 28, 12));
    g.setBrush(walnut);
    g.drawRoundedRect(frame, 8, 8);
    g.setPen(QPen(QColor(255, 220, 170, 90), 2));
    g.setBrush(Qt::NoBrush);
    g.drawRoundedRect(frame.adjusted(1, 1, -1, -1), 8, 8);
    g.end();
    fillWood(img, kBoardOnPicture.adjusted(-4, -4, 4, 4), 7, QColor(196, 150, 96), QColor(236, 200, 146));
    g.begin(&img);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(QColor(40, 22, 8), 2));
    g.drawRect(QRectF(kBoardOnPicture).adjusted(-4, -4, 4, 4));

    // A darker tray behind the in-game button column.
    g.setPen(QPen(QColor(255, 225, 180, 70), 2));
    g.setBrush(QColor(30, 15, 5, 90));
    g.drawRoundedRect(QRectF(kColumnOnPicture), 14, 14);

    // Engraved title.
    const QPainterPath title = joined(titleLetters(fonts.serif));
    g.fillPath(title.translated(1.5, 2), QColor(255, 226, 180, 150));
    QLinearGradient ink(kTitleBox.topLeft(), kTitleBox.bottomLeft());
    ink.setColorAt(0, QColor(60, 32, 12));
    ink.setColorAt(1, QColor(28, 14, 4));
    g.fillPath(title, ink);
    return img;
}

QImage woodBackdrop(bool spare)
{
    QImage img = canvas::opaque(layout::kCell, layout::kCell, Qt::black);
    const QColor dark = spare ? QColor(220, 180, 120) : QColor(210, 168, 110);
    const QColor light = spare ? QColor(252, 226, 180) : QColor(244, 212, 160);
    fillWood(img, img.rect(), spare ? 23 : 21, dark, light);
    QPainter g(&img);
    g.fillRect(QRect(0, 0, 60, 2), QColor(255, 245, 220, 120));
    g.fillRect(QRect(0, 0, 2, 60), QColor(255, 245, 220, 120));
    g.fillRect(QRect(0, 58, 60, 2), QColor(90, 50, 20, 90));
    g.fillRect(QRect(58, 0, 2, 60), QColor(90, 50, 20, 90));
    return img;
}

QImage woodPanel()
{
    const QRect r = layout::kPanel;
    QImage img = canvas::opaque(r.width(), r.height(), Qt::black);
    fillWood(img, img.rect(), 31, QColor(206, 164, 108), QColor(240, 208, 156), true);
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    for (int y : kPanelSeparators) {
        g.fillRect(QRect(10, y, r.width() - 20, 1), QColor(110, 66, 30, 160));
        g.fillRect(QRect(10, y + 1, r.width() - 20, 1), QColor(255, 240, 210, 160));
    }
    drawEmblem(g, QPointF(r.width() / 2.0, 30), 38, QColor(90, 52, 22),
               {QColor(150, 96, 52), QColor(196, 146, 90), QColor(120, 74, 38)});
    g.setPen(QPen(QColor(80, 46, 18), 3));
    g.setBrush(Qt::NoBrush);
    g.drawRect(QRectF(1.5, 1.5, r.width() - 3, r.height() - 3));
    return img;
}

// ---- Night ----------------------------------------------------------------

void drawStars(QPainter& g, const QRect& area, int count, unsigned seed)
{
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> ux(area.left(), area.right()), uy(area.top(), area.bottom()),
        u01(0, 1);
    g.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF at(ux(rng), uy(rng));
        const double b = 0.3 + 0.7 * u01(rng) * u01(rng);
        const double size = 0.5 + 1.1 * u01(rng) * b;
        g.setBrush(QColor(220, 230, 255, int(255 * b)));
        g.drawEllipse(at, size, size);
        if (b > 0.85) {  // a few bright ones twinkle
            g.setPen(QPen(QColor(200, 220, 255, 120), 1));
            g.drawLine(at - QPointF(5, 0), at + QPointF(5, 0));
            g.drawLine(at - QPointF(0, 5), at + QPointF(0, 5));
            g.setPen(Qt::NoPen);
        }
    }
}

QImage nightBackground(const Fonts& fonts)
{
    QImage img = canvas::opaque(layout::kScreenW, layout::kScreenH, Qt::black);
    const QColor top(6, 10, 30), bottom(22, 34, 78), violet(70, 40, 110), teal(20, 80, 110);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            QColor c = mix(top, bottom, double(y) / img.height());
            const double n = canvas::fbm(x * 0.003, y * 0.004, 5);
            c = mix(c, n > 0.5 ? violet : teal, std::max(0.0, std::abs(n - 0.5) - 0.08) * 0.9);
            img.setPixel(x, y, c.rgb());
        }
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    drawStars(g, img.rect(), 420, 42);

    // Crescent moon with a halo.
    const QPointF moon(800, 66);
    QRadialGradient halo(moon, 110);
    halo.setColorAt(0, QColor(255, 240, 200, 90));
    halo.setColorAt(1, QColor(255, 240, 200, 0));
    g.setPen(Qt::NoPen);
    g.setBrush(halo);
    g.drawEllipse(moon, 110, 110);
    QPainterPath disc, bite;
    disc.addEllipse(moon, 34, 34);
    bite.addEllipse(moon + QPointF(14, -8), 30, 30);
    g.setBrush(QColor(255, 244, 214));
    g.drawPath(disc.subtracted(bite));

    // Hills along the bottom edge.
    for (int layer = 0; layer < 2; ++layer) {
        QPainterPath hills;
        hills.moveTo(0, img.height());
        for (int x = 0; x <= img.width(); x += 8)
            hills.lineTo(x, 712 + layer * 18 - 22 * std::sin(x * 0.006 + layer * 2.1) -
                                10 * std::sin(x * 0.017 + layer));
        hills.lineTo(img.width(), img.height());
        g.setBrush(layer == 0 ? QColor(14, 22, 54) : QColor(8, 12, 32));
        g.drawPath(hills);
    }

    // Board frame with a soft blue glow.
    const QRectF frame = QRectF(kBoardOnPicture).adjusted(-14, -14, 14, 14);
    for (int i = 10; i >= 1; --i) {
        g.setPen(QPen(QColor(77, 163, 255, 10), i * 2.4));
        g.setBrush(Qt::NoBrush);
        g.drawRoundedRect(frame, 16, 16);
    }
    g.setPen(QPen(QColor(111, 183, 255), 2));
    g.setBrush(QColor(11, 19, 50));
    g.drawRoundedRect(frame, 16, 16);
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(20, 30, 66));
    g.drawRect(QRectF(kBoardOnPicture).adjusted(-3, -3, 3, 3));

    g.setPen(QPen(QColor(111, 183, 255, 70), 1.5));
    g.setBrush(QColor(255, 255, 255, 12));
    g.drawRoundedRect(QRectF(kColumnOnPicture), 14, 14);

    const QPainterPath title = joined(titleLetters(fonts.sans));
    for (int i = 6; i >= 1; --i)
        g.strokePath(title, QPen(QColor(90, 160, 255, 22), i * 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QLinearGradient ice(kTitleBox.topLeft(), kTitleBox.bottomLeft());
    ice.setColorAt(0, Qt::white);
    ice.setColorAt(1, QColor(170, 215, 255));
    g.fillPath(title, ice);
    return img;
}

QImage nightBackdrop(bool spare)
{
    QImage img = canvas::opaque(layout::kCell, layout::kCell, QColor(20, 30, 66));
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, 60);
    fill.setColorAt(0, spare ? QColor(56, 80, 150) : QColor(46, 66, 128));
    fill.setColorAt(1, spare ? QColor(36, 54, 110) : QColor(28, 42, 90));
    g.setBrush(fill);
    g.setPen(QPen(QColor(100, 140, 220), 1));
    g.drawRoundedRect(QRectF(2.5, 2.5, 55, 55), 8, 8);
    return img;
}

QImage nightPanel()
{
    const QRect r = layout::kPanel;
    QImage img = canvas::opaque(r.width(), r.height(), Qt::black);
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    fillTopToBottom(g, img.rect(), QColor(20, 32, 76), QColor(8, 14, 40));
    drawStars(g, img.rect(), 60, 7);
    for (int y : kPanelSeparators)
        g.fillRect(QRect(10, y, r.width() - 20, 1), QColor(111, 183, 255, 90));
    drawEmblem(g, QPointF(r.width() / 2.0, 30), 38, QColor(111, 183, 255),
               {QColor(40, 64, 130), QColor(255, 208, 80), QColor(60, 90, 170)});
    g.setPen(QPen(QColor(111, 183, 255), 2));
    g.setBrush(Qt::NoBrush);
    g.drawRect(QRectF(1, 1, r.width() - 2, r.height() - 2));
    return img;
}

// ---- Pastel ---------------------------------------------------------------

const QColor kPastels[] = {QColor(255, 183, 206), QColor(255, 226, 140), QColor(160, 214, 250),
                           QColor(170, 232, 200), QColor(206, 180, 250)};

void drawBubbles(QPainter& g, const QRect& area, int count, double maxRadius, unsigned seed)
{
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> ux(area.left(), area.right()), uy(area.top(), area.bottom()),
        u01(0, 1);
    for (int i = 0; i < count; ++i) {
        const QPointF at(ux(rng), uy(rng));
        const double radius = 6 + maxRadius * u01(rng) * u01(rng);
        QColor c = kPastels[i % 5];
        c.setAlpha(90);
        g.setBrush(c);
        g.setPen(QPen(QColor(255, 255, 255, 130), 2));
        g.drawEllipse(at, radius, radius);
    }
}

QImage pastelBackground(const Fonts& fonts)
{
    QImage img = canvas::opaque(layout::kScreenW, layout::kScreenH, Qt::white);
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, layout::kScreenW, layout::kScreenH);
    sky.setColorAt(0.0, QColor(205, 243, 230));
    sky.setColorAt(0.5, QColor(227, 217, 251));
    sky.setColorAt(1.0, QColor(255, 227, 211));
    g.fillRect(img.rect(), sky);
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(255, 255, 255, 60));
    for (int y = 12; y < img.height(); y += 24)
        for (int x = (y / 24 % 2) * 12 + 12; x < img.width(); x += 24)
            g.drawEllipse(QPointF(x, y), 2, 2);
    drawBubbles(g, img.rect(), 48, 70, 3);

    const QRectF frame = QRectF(kBoardOnPicture).adjusted(-14, -14, 14, 14);
    g.setPen(Qt::NoPen);
    for (int i = 8; i >= 1; --i) {
        g.setBrush(QColor(150, 120, 200, 9));
        g.drawRoundedRect(frame.adjusted(-i + 4, -i + 6, i + 4, i + 6), 24, 24);
    }
    g.setBrush(Qt::white);
    g.setPen(QPen(QColor(247, 184, 210), 4));
    g.drawRoundedRect(frame, 22, 22);
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(253, 238, 245));
    g.drawRect(QRectF(kBoardOnPicture).adjusted(-3, -3, 3, 3));

    g.setPen(QPen(Qt::white, 2));
    g.setBrush(QColor(255, 255, 255, 110));
    g.drawRoundedRect(QRectF(kColumnOnPicture), 18, 18);

    const auto letters = titleLetters(fonts.gothic);
    const QColor inks[] = {QColor(240, 90, 130), QColor(60, 170, 160), QColor(240, 170, 40),
                           QColor(140, 100, 220), QColor(80, 150, 230), QColor(240, 110, 90)};
    g.fillPath(joined(letters).translated(3, 3), QColor(120, 90, 160, 70));
    for (size_t i = 0; i < letters.size(); ++i) {
        g.strokePath(letters[i], QPen(Qt::white, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        g.fillPath(letters[i], inks[i % 6]);
    }
    return img;
}

QImage pastelBackdrop(bool spare)
{
    QImage img = canvas::opaque(layout::kCell, layout::kCell, QColor(253, 238, 245));
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    g.setBrush(spare ? QColor(236, 252, 246) : QColor(255, 253, 249));
    g.setPen(QPen(spare ? QColor(150, 220, 200) : QColor(247, 198, 218), 2));
    g.drawRoundedRect(QRectF(3, 3, 54, 54), 10, 10);
    return img;
}

QImage pastelPanel()
{
    const QRect r = layout::kPanel;
    QImage img = canvas::opaque(r.width(), r.height(), Qt::white);
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    fillTopToBottom(g, img.rect(), QColor(255, 240, 246), QColor(236, 246, 255));
    drawBubbles(g, img.rect(), 14, 18, 9);
    for (int y : kPanelSeparators)
        for (int x = 14; x < r.width() - 12; x += 8) {
            g.setPen(Qt::NoPen);
            g.setBrush(QColor(245, 154, 192));
            g.drawEllipse(QPointF(x, y + 0.5), 1.5, 1.5);
        }
    drawEmblem(g, QPointF(r.width() / 2.0, 30), 38, QColor(245, 154, 192),
               std::vector<QColor>(std::begin(kPastels), std::end(kPastels)));
    g.setPen(QPen(QColor(245, 154, 192), 3));
    g.setBrush(Qt::NoBrush);
    g.drawRoundedRect(QRectF(1.5, 1.5, r.width() - 3, r.height() - 3), 10, 10);
    return img;
}

}  // namespace

QImage paintBackground(ThemeKind kind, const Fonts& fonts)
{
    switch (kind) {
    case ThemeKind::Wood: return woodBackground(fonts);
    case ThemeKind::Night: return nightBackground(fonts);
    case ThemeKind::Pastel: return pastelBackground(fonts);
    }
    throw std::logic_error("unknown theme");
}

QImage paintCellBackdrop(ThemeKind kind, bool spare)
{
    switch (kind) {
    case ThemeKind::Wood: return woodBackdrop(spare);
    case ThemeKind::Night: return nightBackdrop(spare);
    case ThemeKind::Pastel: return pastelBackdrop(spare);
    }
    throw std::logic_error("unknown theme");
}

QImage paintPanel(ThemeKind kind)
{
    switch (kind) {
    case ThemeKind::Wood: return woodPanel();
    case ThemeKind::Night: return nightPanel();
    case ThemeKind::Pastel: return pastelPanel();
    }
    throw std::logic_error("unknown theme");
}
