#include "DisplayMode.h"

#include "MessageBox.h"
#include "NullDisplayBackend.h"
#include "XRandrBackend.h"

#include <algorithm>

std::int32_t SavedScreenWidth = 0;
std::int32_t SavedScreenHeight = 0;
std::uint8_t SavedColorDepth = 0;
std::int32_t SavedRefreshRate = 0;

namespace {

std::shared_ptr<DisplayBackend>& backendSlot()
{
    static std::shared_ptr<DisplayBackend> backend;
    return backend;
}

} // namespace

DisplayBackend& displayBackend()
{
    std::shared_ptr<DisplayBackend>& slot = backendSlot();
    if (!slot) {
        slot = XRandrBackend::open();
        if (!slot)
            slot = std::make_shared<NullDisplayBackend>();
    }
    return *slot;
}

void setDisplayBackend(std::shared_ptr<DisplayBackend> backend)
{
    backendSlot() = std::move(backend);
}

std::int32_t TestAndSetDisplayMode(std::int32_t width, std::int32_t height, std::int32_t bitsPerPixel)
{
    const DisplayModeRequest request{width, height, bitsPerPixel, 0};
    DisplayBackend& backend = displayBackend();
    const std::int32_t code = backend.testMode(request);
    if (code == DisplayChange::Restart)
        ShowMessage(QStringLiteral("Can not change résolution without restarting Windows"));
    else if (code == DisplayChange::Successful)
        backend.applyMode(request);
    else if (code == DisplayChange::Failed)
        ShowMessage(QStringLiteral("Error"));
    else if (code == DisplayChange::BadMode)
        ShowMessage(QStringLiteral("Graphic Mode not suported"));
    return code;
}

std::int32_t SetDisplayMode(std::int32_t width, std::int32_t height, std::int32_t refreshRate)
{
    return displayBackend().applyMode(DisplayModeRequest{width, height, 0, refreshRate});
}

void SwitchDisplay(bool toGameMode)
{
    if (toGameMode)
        SetDisplayMode(1024, 768, 75);
    else
        SetDisplayMode(SavedScreenWidth, SavedScreenHeight, SavedRefreshRate);
}

void saveCurrentDisplayMode()
{
    const DisplayModeInfo mode = displayBackend().currentMode();
    SavedScreenWidth = mode.width;
    SavedScreenHeight = mode.height;
    SavedColorDepth = static_cast<std::uint8_t>(std::clamp<std::int32_t>(mode.bitsPerPixel, 0, 255));
    SavedRefreshRate = mode.refreshRate;
}
