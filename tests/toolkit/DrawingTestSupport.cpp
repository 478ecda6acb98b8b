#include "DrawingTestSupport.h"

#include "Fenetres.h"
#include "UnitePerso.h"

#include <QApplication>
#include <QPainter>

void ensureWidgetsApp()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "toolkit_tests";
    static char* argv[] = {name, nullptr};
    static auto* app = new QApplication(argc, argv);
    (void)app;
}

void resetDrawingGlobals()
{
    ButtonImages.clear();
    ButtonRolloverImages.clear();
    ButtonDisabledImages.clear();
    BoardImages.clear();
    ScreenImages.clear();
    for (TKaloBouton& b : Buttons)
        b = TKaloBouton{true, QString(), true};
    MessageWindow = TKaloFenetre{};
    HomeScreen = TKaloFenetre{};
    GameMenu = TKaloFenetre{};
    YesButton = TKaloBouton{true, QString(), true};
    NoButton = TKaloBouton{true, QString(), true};
    BoardInputBlocked = false;
    setMessageWindowHost(nullptr);
    setScreenBitmap(nullptr);
}

QImage discPicture(int size, const QColor& key, const QColor& shape)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(key);
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.setBrush(shape);
    painter.drawEllipse(QRect(2, 2, size - 4, size - 4));
    painter.end();
    image.setPixelColor(1, 1, key);
    return image;
}

QColor pixelColor(const QImage& image, int x, int y)
{
    return QColor::fromRgba(image.pixel(x, y));
}

void ScreenTest::SetUp()
{
    ensureWidgetsApp();
    resetDrawingGlobals();
    m_screen = QImage(1024, 768, QImage::Format_ARGB32_Premultiplied);
    m_screen.fill(Qt::black);
    setScreenBitmap(&m_screen);
}

void ScreenTest::TearDown()
{
    resetDrawingGlobals();
}
