#include "TestThemeFolder.h"

#include "GameTestSupport.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

namespace {

QImage solid(int w, int h, const QColor& colour, bool keyed = true)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    if (keyed)
        image.setPixelColor(1, 1, kTestKeyColour);
    return image;
}

QImage background()
{
    QImage image(1024, 768, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixelColor(x, y, testBackgroundPixel(x, y));
    return image;
}

QImage gridLines()
{
    QImage image = solid(541, 541, kTestKeyColour, false);
    for (int i = 0; i < 541; ++i) {
        image.setPixelColor(i, 0, kTestGridLineColour);
        image.setPixelColor(0, i, kTestGridLineColour);
    }
    return image;
}

void save(const QString& path, const QImage& image)
{
    if (!image.save(path, "BMP"))
        qFatal("cannot write %s", qPrintable(path));
}

QString makeFolder()
{
    static QTemporaryDir dir;
    if (!dir.isValid())
        qFatal("no temporary folder for the test theme");
    const QString root = dir.path() + u'/';
    const QString data = dataFolder();
    for (const char* shared : {"Textes", "sons", "Musique"})
        QFile::link(data + QLatin1String(shared), root + QLatin1String(shared));

    const QString graphics = root + QStringLiteral("graphisme/");
    // The folder of the default theme, named as the language file names it.
    const QString theme = graphics + QStringLiteral("Wood/");
    QDir().mkpath(theme);
    QFile::link(data + QStringLiteral("graphisme/CHOWFUN_.TTF"), graphics + QStringLiteral("CHOWFUN_.TTF"));

    for (int n = 0; n <= 26; ++n) {
        const bool small = (n >= 0 && n <= 9) || (n >= 13 && n <= 22);
        const int side = small ? 40 : 60;
        QImage picture = n == 12 ? background() : solid(side, side, QColor(200, 9 * n, 40 + n));
        save(theme + QString::number(n) + QStringLiteral(".bmp"), picture);
    }
    save(graphics + QStringLiteral("1.bmp"), solid(150, 38, kTestFaceColour));
    save(graphics + QStringLiteral("aide.bmp"), solid(64, 64, kTestHelpColour));
    save(graphics + QStringLiteral("aideRoll.bmp"), solid(64, 64, kTestHelpRolloverColour));
    save(graphics + QStringLiteral("accueil.bmp"), solid(1024, 768, kTestHomeColour, false));
    save(graphics + QStringLiteral("fenetre.bmp"), solid(600, 400, kTestWindowColour, false));
    save(graphics + QStringLiteral("Grid.bmp"), gridLines());
    save(graphics + QStringLiteral("Tour.bmp"), solid(170, 50, kTestAnswerFrameColour));
    save(graphics + QStringLiteral("splash.bmp"), solid(415, 277, Qt::darkBlue, false));
    save(graphics + QStringLiteral("R.bmp"), solid(21, 17, Qt::white, false));
    save(graphics + QStringLiteral("L.bmp"), solid(21, 17, Qt::white, false));
    return root;
}

} // namespace

QColor testBackgroundPixel(int x, int y)
{
    return QColor(x & 0xFF, y & 0xFF, 100 + (x >> 8) + 4 * (y >> 8));
}

QString testThemeAppFolder()
{
    static const QString folder = makeFolder();
    return folder;
}
