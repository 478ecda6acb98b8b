#include "NullDisplayBackend.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

DisplayModeInfo NullDisplayBackend::currentMode()
{
    DisplayModeInfo mode{1024, 768, 32, 75};
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return mode;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize size = screen->geometry().size() * screen->devicePixelRatio();
        if (!size.isEmpty()) {
            mode.width = size.width();
            mode.height = size.height();
        }
        if (screen->depth() > 0)
            mode.bitsPerPixel = screen->depth() == 24 ? 32 : screen->depth();
        if (screen->refreshRate() > 0)
            mode.refreshRate = static_cast<std::int32_t>(std::lround(screen->refreshRate()));
    }
    return mode;
}

std::int32_t NullDisplayBackend::testMode(const DisplayModeRequest&)
{
    return DisplayChange::Successful;
}

std::int32_t NullDisplayBackend::applyMode(const DisplayModeRequest&)
{
    return DisplayChange::Successful;
}
