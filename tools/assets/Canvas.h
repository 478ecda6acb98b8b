#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QString>

// Helpers shared by every picture the asset maker paints.
//
// The game reads 24-bit BMP files. Pictures that the game colour-keys take
// the colour of their pixel (1, 1) as "transparent", so such a picture is
// painted on a transparent canvas first and flattened afterwards: every
// pixel that is mostly transparent becomes the key colour, every other pixel
// becomes opaque (its soft edge mixed with a matte colour close to what the
// picture will be drawn over, so no pink fringe shows).
namespace canvas {

// Magenta never occurs in our artwork, so it serves as the key everywhere.
inline const QColor kKey(255, 0, 255);

// A transparent ARGB canvas for a keyed picture.
QImage transparent(int width, int height);

// An opaque canvas filled with a colour.
QImage opaque(int width, int height, const QColor& fill);

// Turns a transparent canvas into a keyed opaque picture (see above).
QImage flattenKeyed(const QImage& argb, const QColor& matte);

// Saves as a 24-bit BMP; throws std::runtime_error when the file cannot be
// written.
void saveBmp(const QImage& image, const QString& path);

// Registers a font file with the application and returns its family; throws
// std::runtime_error naming the file when it is missing or unusable.
QString loadFont(const QString& path);

// The outline of a text, scaled so that the ink of `reference` in the same
// font would be `height` pixels tall, with the text's own ink box centred on
// (cx, cy). A shared reference keeps all digits of one style the same size.
QPainterPath textPath(const QString& family, int weight, const QString& text, double height,
                      double cx, double cy, const QString& reference = QStringLiteral("0123456789"));

// Smooth value noise in [0, 1], repeatable for a given seed.
double noise(double x, double y, int seed);
// Fractal sum of a few noise octaves, in [0, 1].
double fbm(double x, double y, int seed, int octaves = 4);

QColor mix(const QColor& a, const QColor& b, double t);

}  // namespace canvas
