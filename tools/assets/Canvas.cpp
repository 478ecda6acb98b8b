#include "Canvas.h"

#include <QFont>
#include <QFontDatabase>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace canvas {

QImage transparent(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage opaque(int width, int height, const QColor& fill)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

QImage flattenKeyed(const QImage& argb, const QColor& matte)
{
    const QImage src = argb.convertToFormat(QImage::Format_ARGB32);
    QImage out(src.size(), QImage::Format_RGB32);
    const QRgb key = kKey.rgb();
    for (int y = 0; y < src.height(); ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < src.width(); ++x) {
            const int a = qAlpha(in[x]);
            if (a < 128) {
                line[x] = key;
                continue;
            }
            auto over = [a](int c, int m) { return (c * a + m * (255 - a) + 127) / 255; };
            QRgb p = qRgb(over(qRed(in[x]), matte.red()), over(qGreen(in[x]), matte.green()),
                          over(qBlue(in[x]), matte.blue()));
            if ((p & 0xFFFFFF) == (key & 0xFFFFFF))
                p = qRgb(254, 0, 255);  // one step off, so it stays visible
            line[x] = p;
        }
    }
    // Pixel (1, 1) names the key; make sure it does even if artwork strayed there.
    if (out.width() > 1 && out.height() > 1)
        out.setPixel(1, 1, key);
    return out;
}

void saveBmp(const QImage& image, const QString& path)
{
    // Qt writes 24 bits per pixel for images without an alpha channel.
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    if (!rgb.save(path, "BMP"))
        throw std::runtime_error("cannot write " + path.toStdString());
}

QString loadFont(const QString& path)
{
    if (!QFileInfo::exists(path))
        throw std::runtime_error("font file missing: " + path.toStdString() +
                                 " (install the Debian packages listed in scripts/deps)");
    const int id = QFontDatabase::addApplicationFont(path);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (id < 0 || families.isEmpty())
        throw std::runtime_error("unusable font file: " + path.toStdString());
    return families.first();
}

QPainterPath textPath(const QString& family, int weight, const QString& text, double height,
                      double cx, double cy, const QString& reference)
{
    QFont font(family);
    font.setPixelSize(200);
    font.setWeight(static_cast<QFont::Weight>(weight));
    QPainterPath ref;
    ref.addText(0, 0, font, reference);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    const double scale = height / ref.boundingRect().height();
    QTransform t;
    t.translate(cx, cy);
    t.scale(scale, scale);
    t.translate(-box.center().x(), -box.center().y());
    return t.map(path);
}

namespace {
double hash(int x, int y, int seed)
{
    unsigned h = static_cast<unsigned>(x) * 374761393u + static_cast<unsigned>(y) * 668265263u +
                 static_cast<unsigned>(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xFFFFFF) / double(0xFFFFFF);
}
double smooth(double t) { return t * t * (3 - 2 * t); }
}  // namespace

double noise(double x, double y, int seed)
{
    const int xi = static_cast<int>(std::floor(x));
    const int yi = static_cast<int>(std::floor(y));
    const double fx = smooth(x - xi);
    const double fy = smooth(y - yi);
    const double a = hash(xi, yi, seed), b = hash(xi + 1, yi, seed);
    const double c = hash(xi, yi + 1, seed), d = hash(xi + 1, yi + 1, seed);
    return (a + (b - a) * fx) + ((c + (d - c) * fx) - (a + (b - a) * fx)) * fy;
}

double fbm(double x, double y, int seed, int octaves)
{
    double sum = 0, amp = 0.5, norm = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amp * noise(x, y, seed + i * 31);
        norm += amp;
        x *= 2.03;
        y *= 2.03;
        amp *= 0.5;
    }
    return sum / norm;
}

QColor mix(const QColor& a, const QColor& b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                            a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

}  // namespace canvas
