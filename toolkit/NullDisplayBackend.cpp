#include "NullDisplayBackend.h"

#include "ListedModes.h"

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

std::int32_t NullDisplayBackend::testMode(const DisplayModeRequest& request)
{
    const DisplayModeInfo current = currentMode();
    const bool listed = request.width == current.width && request.height == current.height
                        && (request.bitsPerPixel == 0 || request.bitsPerPixel == current.bitsPerPixel);
    return listed ? DisplayChange::Successful : DisplayChange::BadMode;
}

std::int32_t NullDisplayBackend::applyMode(const DisplayModeRequest& request)
{
    if (testMode(request) != DisplayChange::Successful)
        return DisplayChange::BadMode;
    const DisplayModeInfo current = currentMode();
    const std::vector<ListedMode> listed{{current.width, current.height, double(current.refreshRate)}};
    return pickListedMode(listed, request.width, request.height, request.refreshRate, current.refreshRate) == 0
               ? DisplayChange::Successful
               : DisplayChange::BadMode;
}
