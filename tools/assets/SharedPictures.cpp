#include "SharedPictures.h"

#include "Canvas.h"
#include "ScreenLayout.h"

#include <QDir>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>
#include <stdexcept>

using canvas::mix;

namespace {

const QColor kFaceRim(138, 90, 28);

QImage buttonFace()
{
    QImage img = canvas::transparent(layout::kFaceW, layout::kFaceH);
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    const QRectF pill(2.5, 2.5, layout::kFaceW - 5, layout::kFaceH - 5);
    QLinearGradient fill(0, pill.top(), 0, pill.bottom());
    fill.setColorAt(0.0, QColor(255, 250, 232));
    fill.setColorAt(0.5, QColor(252, 230, 170));
    fill.setColorAt(1.0, QColor(236, 190, 100));
    g.setPen(QPen(kFaceRim, 2));
    g.setBrush(fill);
    g.drawRoundedRect(pill, pill.height() / 2, pill.height() / 2);
    // Soft gloss along the top; the caption sits below its middle.
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(255, 255, 255, 90));
    g.drawRoundedRect(QRectF(pill.left() + 12, pill.top() + 2, pill.width() - 24, 9), 4.5, 4.5);
    g.end();
    return canvas::flattenKeyed(img, kFaceRim);
}

// The frame behind an answer button: a golden rim that shows around the face.
QImage answerFrame()
{
    QImage img = canvas::transparent(layout::kFaceW, layout::kFaceH);
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    const QRectF pill(0.5, 0.5, layout::kFaceW - 1, layout::kFaceH - 1);
    QLinearGradient fill(0, 0, 0, layout::kFaceH);
    fill.setColorAt(0, QColor(255, 220, 120));
    fill.setColorAt(1, QColor(190, 120, 30));
    g.setPen(QPen(QColor(90, 50, 10), 1));
    g.setBrush(fill);
    g.drawRoundedRect(pill, pill.height() / 2, pill.height() / 2);
    g.end();
    return canvas::flattenKeyed(img, QColor(90, 50, 10));
}

QImage helpButton(const Fonts& fonts, bool hover)
{
    const QRect r = layout::kHelpButton;
    QImage img = canvas::transparent(r.width(), r.height());
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    const QPointF c(r.width() / 2.0, r.height() / 2.0);
    const QColor rim = hover ? QColor(122, 74, 16) : QColor(14, 58, 102);
    QRadialGradient fill(c - QPointF(8, 10), 36);
    fill.setColorAt(0, hover ? QColor(255, 240, 170) : QColor(130, 210, 250));
    fill.setColorAt(1, hover ? QColor(240, 168, 48) : QColor(30, 110, 184));
    g.setPen(QPen(rim, 2.5));
    g.setBrush(fill);
    g.drawEllipse(c, 29, 29);
    const QPainterPath mark = canvas::textPath(fonts.comic, QFont::Bold, "?", 36, c.x(), c.y() + 1, "?");
    g.strokePath(mark, QPen(rim, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    g.fillPath(mark, hover ? QColor(90, 46, 0) : Qt::white);
    g.end();
    return canvas::flattenKeyed(img, rim);
}

// Grid lines over the board. The picture is drawn one pixel right of the
// board's corner, so a cell edge that is at x = 60k on the board is at
// x = 60k - 1 here (y is not shifted). The outer border belongs to each
// theme's background, which leaves pixel (1, 1) free for the colour key.
QImage gridLines()
{
    const int size = layout::kBoard.width();
    QImage img = canvas::transparent(size, size);
    QPainter g(&img);
    const QColor dark(40, 30, 40), light(250, 240, 225), thin(96, 84, 90);
    for (int k = 1; k < 9; ++k) {
        const int ex = layout::kCell * k - 1, ey = layout::kCell * k;
        if (k % 3 == 0) {
            g.fillRect(QRect(ex - 2, 0, 4, size), light);
            g.fillRect(QRect(0, ey - 2, size, 4), light);
        }
    }
    for (int k = 1; k < 9; ++k) {
        const int ex = layout::kCell * k - 1, ey = layout::kCell * k;
        if (k % 3 == 0) {
            g.fillRect(QRect(ex - 1, 0, 2, size), dark);
            g.fillRect(QRect(0, ey - 1, size, 2), dark);
        } else {
            g.fillRect(QRect(ex - 1, 0, 1, size), thin);
            g.fillRect(QRect(0, ey - 1, size, 1), thin);
        }
    }
    g.end();
    return canvas::flattenKeyed(img, dark);
}

QPainterPath titlePath(const Fonts& fonts, double height, QPointF centre)
{
    return canvas::textPath(fonts.comic, QFont::Bold, "Sudoku", height, centre.x(), centre.y(), "Sudoku");
}

void drawTitle(QPainter& g, const QPainterPath& title, double height)
{
    const QRectF box = title.boundingRect();
    g.fillPath(title.translated(height * 0.04, height * 0.06), QColor(0, 0, 0, 90));
    g.strokePath(title, QPen(QColor(60, 26, 0), height * 0.09, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QLinearGradient gold(0, box.top(), 0, box.bottom());
    gold.setColorAt(0, QColor(255, 240, 150));
    gold.setColorAt(0.55, QColor(255, 190, 60));
    gold.setColorAt(1, QColor(230, 120, 30));
    g.fillPath(title, gold);
}

// A small tilted 3 x 3 board, as decoration.
void drawMiniBoard(QPainter& g, const Fonts& fonts, QPointF centre, double size, double angle,
                   const QColor& cell, const QColor& line, const QColor& ink, const QString& digits)
{
    g.save();
    g.translate(centre);
    g.rotate(angle);
    const double c = size / 3;
    g.setPen(Qt::NoPen);
    g.setBrush(QColor(0, 0, 0, 70));
    g.drawRoundedRect(QRectF(-size / 2 + 6, -size / 2 + 8, size, size), 10, 10);
    g.setBrush(line);
    g.drawRoundedRect(QRectF(-size / 2 - 4, -size / 2 - 4, size + 8, size + 8), 10, 10);
    for (int i = 0; i < 9; ++i) {
        const QRectF r(-size / 2 + (i % 3) * c + 2, -size / 2 + (i / 3) * c + 2, c - 4, c - 4);
        g.setBrush(cell);
        g.drawRoundedRect(r, 5, 5);
        if (i < digits.size() && digits[i] != ' ')
            g.fillPath(canvas::textPath(fonts.comic, QFont::Bold, QString(digits[i]), c * 0.6, r.center().x(),
                                        r.center().y()),
                       ink);
    }
    g.restore();
}

// The night-blue to teal sky of the home screen and the splash: a gradient
// from the top-left corner to the bottom edge, slant times the width along.
void fillSky(QPainter& g, const QRect& area, double slant)
{
    QLinearGradient sky(0, 0, area.width() * slant, area.height());
    sky.setColorAt(0, QColor(30, 42, 96));
    sky.setColorAt(1, QColor(34, 112, 130));
    g.fillRect(area, sky);
}

QImage homeScreen(const Fonts& fonts)
{
    QImage img = canvas::opaque(layout::kScreenW, layout::kScreenH, Qt::black);
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    fillSky(g, img.rect(), 0.4);
    QRadialGradient glow(QPointF(512, 120), 520);
    glow.setColorAt(0, QColor(255, 230, 170, 80));
    glow.setColorAt(1, QColor(255, 230, 170, 0));
    g.fillRect(img.rect(), glow);

    // A large faint grid behind everything.
    g.save();
    g.translate(512, 430);
    g.rotate(-10);
    for (int k = 0; k <= 9; ++k) {
        g.setPen(QPen(QColor(255, 255, 255, k % 3 == 0 ? 34 : 16), k % 3 == 0 ? 4 : 2));
        const double p = -360 + 80 * k;
        g.drawLine(QPointF(p, -360), QPointF(p, 360));
        g.drawLine(QPointF(-360, p), QPointF(360, p));
    }
    const char* faint = "5 3 7 6 1 9 5 9 8 6 8 6 3 4 8 3 1 7 2 6 6 2 8 4 1 9 5 8 7 9";
    int n = 0;
    for (int i = 0; faint[i] && n < 81; ++i, ++n) {
        if (faint[i] == ' ')
            continue;
        const int cellIndex = (n * 7) % 81;
        const QPointF at(-320 + 80 * (cellIndex % 9), -320 + 80 * (cellIndex / 9));
        g.fillPath(canvas::textPath(fonts.comic, QFont::Bold, QString(QChar(faint[i])), 40, at.x(), at.y()),
                   QColor(255, 255, 255, 30));
    }
    g.restore();

    drawMiniBoard(g, fonts, QPointF(200, 420), 200, -12, QColor(240, 208, 156), QColor(92, 56, 28),
                  QColor(24, 62, 150), "5 3 7 9  1");
    drawMiniBoard(g, fonts, QPointF(830, 300), 150, 10, QColor(40, 60, 120), QColor(111, 183, 255),
                  QColor(255, 208, 80), " 8 2 4  6");
    drawMiniBoard(g, fonts, QPointF(840, 560), 130, -6, QColor(255, 253, 249), QColor(245, 154, 192),
                  QColor(255, 104, 140), "1  9 3 7 ");

    const QPainterPath title = titlePath(fonts, 120, QPointF(512, 150));
    drawTitle(g, title, 120);

    // A card behind the home buttons.
    const QRectF card = QRectF(layout::onFullScreenPicture(layout::kHomeColumn)).adjusted(-26, -26, 26, 26);
    g.setPen(QPen(QColor(255, 255, 255, 140), 2));
    g.setBrush(QColor(255, 255, 255, 46));
    g.drawRoundedRect(card, 22, 22);
    return img;
}

QImage messageWindow()
{
    QImage img = canvas::opaque(layout::kWindowW, layout::kWindowH, Qt::white);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const double n = canvas::fbm(x * 0.02, y * 0.02, 77, 3);
            img.setPixel(x, y, mix(QColor(250, 240, 214), QColor(255, 250, 236), n).rgb());
        }
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    const int bandTop = 286;
    g.fillRect(QRect(0, bandTop, img.width(), img.height() - bandTop), QColor(180, 130, 60, 40));
    g.fillRect(QRect(14, bandTop, img.width() - 28, 1), QColor(160, 110, 50, 160));
    g.setBrush(Qt::NoBrush);
    g.setPen(QPen(kFaceRim, 4));
    g.drawRect(QRectF(2, 2, img.width() - 4, img.height() - 4));
    g.setPen(QPen(QColor(200, 160, 96), 1));
    g.drawRect(QRectF(8.5, 8.5, img.width() - 17, img.height() - 17));
    // Small diamonds in the corners of the inner line.
    for (const QPointF& at : {QPointF(8.5, 8.5), QPointF(img.width() - 8.5, 8.5),
                              QPointF(8.5, img.height() - 8.5), QPointF(img.width() - 8.5, img.height() - 8.5)}) {
        QPolygonF d({at + QPointF(0, -5), at + QPointF(5, 0), at + QPointF(0, 5), at + QPointF(-5, 0)});
        g.setPen(Qt::NoPen);
        g.setBrush(kFaceRim);
        g.drawPolygon(d);
    }
    return img;
}

QImage splash(const Fonts& fonts)
{
    QImage img = canvas::opaque(layout::kSplashW, layout::kSplashH, Qt::black);
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    fillSky(g, img.rect(), 0.5);
    const QPainterPath title = titlePath(fonts, 74, QPointF(layout::kSplashW / 2.0, 92));
    drawTitle(g, title, 74);
    // The nine digits on a row of tiles.
    const double tile = 38, gap = 4;
    const double left = (layout::kSplashW - 9 * tile - 8 * gap) / 2;
    const QColor tiles[] = {QColor(240, 208, 156), QColor(46, 66, 128), QColor(255, 253, 249)};
    const QColor inks[] = {QColor(24, 62, 150), QColor(255, 208, 80), QColor(255, 104, 140)};
    for (int i = 0; i < 9; ++i) {
        const QRectF r(left + i * (tile + gap), 170, tile, tile);
        g.setPen(QPen(QColor(255, 255, 255, 150), 1.5));
        g.setBrush(tiles[i / 3]);
        g.drawRoundedRect(r, 6, 6);
        g.fillPath(canvas::textPath(fonts.comic, QFont::Bold, QString::number(i + 1), 24, r.center().x(),
                                    r.center().y()),
                   inks[i / 3]);
    }
    g.setPen(QPen(QColor(255, 255, 255, 160), 2));
    g.setBrush(Qt::NoBrush);
    g.drawRect(QRectF(1, 1, layout::kSplashW - 2, layout::kSplashH - 2));
    return img;
}

QImage arrow(bool right)
{
    QImage img = canvas::opaque(layout::kArrowW, layout::kArrowH, QColor(120, 60, 0));
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, layout::kArrowH);
    fill.setColorAt(0, QColor(255, 200, 110));
    fill.setColorAt(1, QColor(224, 123, 0));
    g.setPen(QPen(QColor(122, 61, 0), 1));
    g.setBrush(fill);
    g.drawRoundedRect(QRectF(0.5, 0.5, layout::kArrowW - 1, layout::kArrowH - 1), 4, 4);
    const double cx = layout::kArrowW / 2.0, cy = layout::kArrowH / 2.0, d = right ? 1 : -1;
    const QPolygonF tip({QPointF(cx + 5 * d, cy), QPointF(cx - 3 * d, cy - 5), QPointF(cx - 3 * d, cy + 5)});
    g.setPen(QPen(QColor(122, 61, 0), 1));
    g.setBrush(Qt::white);
    g.drawPolygon(tip);
    return img;
}

}  // namespace

void writeSharedPictures(const Fonts& fonts, const QString& folder)
{
    if (!QDir().mkpath(folder))
        throw std::runtime_error("cannot create " + folder.toStdString());
    auto save = [&](const char* name, const QImage& img) { canvas::saveBmp(img, folder + '/' + name); };
    save("1.bmp", buttonFace());
    save("Tour.bmp", answerFrame());
    save("aide.bmp", helpButton(fonts, false));
    save("aideRoll.bmp", helpButton(fonts, true));
    save("Grid.bmp", gridLines());
    save("accueil.bmp", homeScreen(fonts));
    save("fenetre.bmp", messageWindow());
    save("splash.bmp", splash(fonts));
    save("R.bmp", arrow(true));
    save("L.bmp", arrow(false));
}
