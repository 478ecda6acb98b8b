#include "DisplayScaling.h"

#include <QByteArray>
#include <QtGlobal>

void keepScreenPixelsUnscaled()
{
    qputenv("QT_ENABLE_HIGHDPI_SCALING", QByteArrayLiteral("0"));
    qunsetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
}
