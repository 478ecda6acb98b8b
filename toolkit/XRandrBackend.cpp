#include "XRandrBackend.h"

#include "ListedModes.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace {

int g_errorCount = 0;

int countError(Display*, XErrorEvent*)
{
    ++g_errorCount;
    return 0;
}

// Counts the X errors raised while alive instead of letting Xlib's default
// handler end the program.
class ErrorTrap {
public:
    explicit ErrorTrap(Display* display)
        : m_display(display)
    {
        XSync(m_display, False);
        g_errorCount = 0;
        m_previous = XSetErrorHandler(countError);
    }
    ~ErrorTrap()
    {
        XSync(m_display, False);
        XSetErrorHandler(m_previous);
    }
    ErrorTrap(const ErrorTrap&) = delete;
    ErrorTrap& operator=(const ErrorTrap&) = delete;

    bool ok()
    {
        XSync(m_display, False);
        return g_errorCount == 0;
    }

private:
    Display* m_display;
    XErrorHandler m_previous;
};

struct ResourcesFree {
    void operator()(XRRScreenResources* p) const { XRRFreeScreenResources(p); }
};
struct OutputInfoFree {
    void operator()(XRROutputInfo* p) const { XRRFreeOutputInfo(p); }
};
struct CrtcInfoFree {
    void operator()(XRRCrtcInfo* p) const { XRRFreeCrtcInfo(p); }
};
using Resources = std::unique_ptr<XRRScreenResources, ResourcesFree>;
using OutputInfo = std::unique_ptr<XRROutputInfo, OutputInfoFree>;
using CrtcInfo = std::unique_ptr<XRRCrtcInfo, CrtcInfoFree>;

// The output whose mode the game changes, with its CRTC.
struct Target {
    Resources resources;
    RROutput output = 0;
    OutputInfo outputInfo;
    RRCrtc crtc = 0;
    CrtcInfo crtcInfo;
};

Window rootOf(Display* display)
{
    return RootWindow(display, DefaultScreen(display));
}

std::optional<Target> findTarget(Display* display, int minorVersion)
{
    Target target;
    target.resources.reset(XRRGetScreenResources(display, rootOf(display)));
    XRRScreenResources* res = target.resources.get();
    if (!res)
        return std::nullopt;
    std::vector<RROutput> candidates;
    if (minorVersion >= 3) {
        const RROutput primary = XRRGetOutputPrimary(display, rootOf(display));
        if (primary)
            candidates.push_back(primary);
    }
    candidates.insert(candidates.end(), res->outputs, res->outputs + res->noutput);
    for (const RROutput output : candidates) {
        OutputInfo info(XRRGetOutputInfo(display, res, output));
        if (!info || info->connection != RR_Connected || !info->crtc)
            continue;
        CrtcInfo crtcInfo(XRRGetCrtcInfo(display, res, info->crtc));
        if (!crtcInfo || !crtcInfo->mode)
            continue;
        target.output = output;
        target.crtc = info->crtc;
        target.outputInfo = std::move(info);
        target.crtcInfo = std::move(crtcInfo);
        return target;
    }
    return std::nullopt;
}

const XRRModeInfo* modeInfo(const XRRScreenResources* res, RRMode id)
{
    for (int i = 0; i < res->nmode; ++i) {
        if (res->modes[i].id == id)
            return &res->modes[i];
    }
    return nullptr;
}

double refreshOf(const XRRModeInfo& mode)
{
    if (!mode.hTotal || !mode.vTotal)
        return 0;
    double rate = double(mode.dotClock) / (double(mode.hTotal) * double(mode.vTotal));
    if (mode.modeFlags & RR_DoubleScan)
        rate /= 2;
    if (mode.modeFlags & RR_Interlace)
        rate *= 2;
    return rate;
}

bool isSideways(Rotation rotation)
{
    return (rotation & (RR_Rotate_90 | RR_Rotate_270)) != 0;
}

double currentRefresh(const Target& target)
{
    const XRRModeInfo* mode = modeInfo(target.resources.get(), target.crtcInfo->mode);
    return mode ? refreshOf(*mode) : 0;
}

// The modes the output lists, in its order, as sizes on screen (a sideways
// rotation swaps width and height), with the X ids beside them.
struct OutputModes {
    std::vector<ListedMode> listed;
    std::vector<RRMode> ids;
};

OutputModes outputModes(const Target& target)
{
    const bool sideways = isSideways(target.crtcInfo->rotation);
    OutputModes modes;
    for (int i = 0; i < target.outputInfo->nmode; ++i) {
        const XRRModeInfo* mode = modeInfo(target.resources.get(), target.outputInfo->modes[i]);
        if (!mode)
            continue;
        const int w = int(sideways ? mode->height : mode->width);
        const int h = int(sideways ? mode->width : mode->height);
        modes.listed.push_back(ListedMode{w, h, refreshOf(*mode)});
        modes.ids.push_back(mode->id);
    }
    return modes;
}

struct ScreenSize {
    int width = 0;
    int height = 0;
};

// The screen must hold every lit CRTC: the target at its new size, the others
// as they are. Empty when that is beyond what the server allows.
std::optional<ScreenSize> screenSizeAfter(Display* display, const Target& target, int width, int height)
{
    ScreenSize size{int(target.crtcInfo->x) + width, int(target.crtcInfo->y) + height};
    const XRRScreenResources* res = target.resources.get();
    for (int i = 0; i < res->ncrtc; ++i) {
        if (res->crtcs[i] == target.crtc)
            continue;
        CrtcInfo info(XRRGetCrtcInfo(display, target.resources.get(), res->crtcs[i]));
        if (!info || !info->mode)
            continue;
        size.width = std::max(size.width, int(info->x) + int(info->width));
        size.height = std::max(size.height, int(info->y) + int(info->height));
    }
    int minWidth = 0;
    int minHeight = 0;
    int maxWidth = 0;
    int maxHeight = 0;
    XRRGetScreenSizeRange(display, rootOf(display), &minWidth, &minHeight, &maxWidth, &maxHeight);
    if (size.width > maxWidth || size.height > maxHeight)
        return std::nullopt;
    return ScreenSize{std::max(size.width, minWidth), std::max(size.height, minHeight)};
}

// Xlib's DisplayWidth and DisplayHeight keep the size found at connection;
// the root window follows every change.
ScreenSize currentScreenSize(Display* display)
{
    Window root = 0;
    int x = 0;
    int y = 0;
    unsigned width = 0;
    unsigned height = 0;
    unsigned border = 0;
    unsigned depth = 0;
    XGetGeometry(display, rootOf(display), &root, &x, &y, &width, &height, &border, &depth);
    return ScreenSize{int(width), int(height)};
}

// Keeps the physical size per pixel found at connection.
void setScreenSize(Display* display, ScreenSize size)
{
    const int screen = DefaultScreen(display);
    const int mmWidth = DisplayWidthMM(display, screen) * size.width / std::max(1, DisplayWidth(display, screen));
    const int mmHeight = DisplayHeightMM(display, screen) * size.height / std::max(1, DisplayHeight(display, screen));
    XRRSetScreenSize(display, rootOf(display), size.width, size.height, mmWidth, mmHeight);
}

int bitsPerPixelOf(Display* display)
{
    const int depth = DefaultDepth(display, DefaultScreen(display));
    int count = 0;
    XPixmapFormatValues* formats = XListPixmapFormats(display, &count);
    int bits = depth;
    for (int i = 0; i < count; ++i) {
        if (formats[i].depth == depth)
            bits = formats[i].bits_per_pixel;
    }
    if (formats)
        XFree(formats);
    return bits;
}

} // namespace

std::unique_ptr<XRandrBackend> XRandrBackend::open(const char* displayName)
{
    Display* display = XOpenDisplay(displayName);
    if (!display)
        return nullptr;
    // The server is asked first: libXrandr's first call on a display keeps
    // an allocation it never frees when the server lacks the extension.
    int opcode = 0;
    int eventBase = 0;
    int errorBase = 0;
    if (!XQueryExtension(display, "RANDR", &opcode, &eventBase, &errorBase)) {
        XCloseDisplay(display);
        return nullptr;
    }
    int major = 0;
    int minor = 0;
    if (!XRRQueryExtension(display, &eventBase, &errorBase) || !XRRQueryVersion(display, &major, &minor)
        || major < 1 || (major == 1 && minor < 2)) {
        XCloseDisplay(display);
        return nullptr;
    }
    return std::unique_ptr<XRandrBackend>(new XRandrBackend(display, major > 1 ? 99 : minor));
}

XRandrBackend::XRandrBackend(_XDisplay* display, int minorVersion)
    : m_display(display)
    , m_minorVersion(minorVersion)
{
}

XRandrBackend::~XRandrBackend()
{
    XCloseDisplay(m_display);
}

DisplayModeInfo XRandrBackend::currentMode()
{
    ErrorTrap trap(m_display);
    const ScreenSize screen = currentScreenSize(m_display);
    DisplayModeInfo mode{screen.width, screen.height, bitsPerPixelOf(m_display), 0};
    const std::optional<Target> target = findTarget(m_display, m_minorVersion);
    if (target && trap.ok()) {
        mode.width = int(target->crtcInfo->width);
        mode.height = int(target->crtcInfo->height);
        mode.refreshRate = int(std::lround(currentRefresh(*target)));
    }
    return mode;
}

bool XRandrBackend::keepsDepth(const DisplayModeRequest& request)
{
    return request.bitsPerPixel == 0 || request.bitsPerPixel == bitsPerPixelOf(m_display);
}

std::int32_t XRandrBackend::testMode(const DisplayModeRequest& request)
{
    if (request.width <= 0 || request.height <= 0 || !keepsDepth(request))
        return DisplayChange::BadMode;
    ErrorTrap trap(m_display);
    const std::optional<Target> target = findTarget(m_display, m_minorVersion);
    if (!target || !trap.ok())
        return DisplayChange::Failed;
    if (!listsSize(outputModes(*target).listed, request.width, request.height))
        return DisplayChange::BadMode;
    const std::optional<ScreenSize> after = screenSizeAfter(m_display, *target, request.width, request.height);
    if (!trap.ok())
        return DisplayChange::Failed;
    return after ? DisplayChange::Successful : DisplayChange::BadMode;
}

std::int32_t XRandrBackend::applyMode(const DisplayModeRequest& request)
{
    if (request.width <= 0 || request.height <= 0 || !keepsDepth(request))
        return DisplayChange::BadMode;
    ErrorTrap trap(m_display);
    const std::optional<Target> target = findTarget(m_display, m_minorVersion);
    if (!target || !trap.ok())
        return DisplayChange::Failed;
    const XRRCrtcInfo& crtc = *target->crtcInfo;
    const OutputModes modes = outputModes(*target);
    const int picked =
        pickListedMode(modes.listed, request.width, request.height, request.refreshRate, currentRefresh(*target));
    if (picked < 0)
        return DisplayChange::BadMode;
    const RRMode mode = modes.ids[std::size_t(picked)];
    if (mode == crtc.mode)
        return DisplayChange::Successful;
    const std::optional<ScreenSize> after = screenSizeAfter(m_display, *target, request.width, request.height);
    if (!after)
        return DisplayChange::BadMode;

    // The screen must hold the CRTC at every step: grow it before the change
    // and shrink it after.
    const ScreenSize before = currentScreenSize(m_display);
    const ScreenSize during{std::max(before.width, after->width), std::max(before.height, after->height)};
    XGrabServer(m_display);
    if (during.width != before.width || during.height != before.height)
        setScreenSize(m_display, during);
    const Status status = XRRSetCrtcConfig(m_display, target->resources.get(), target->crtc, CurrentTime, crtc.x,
                                           crtc.y, mode, crtc.rotation, crtc.outputs, crtc.noutput);
    const bool changed = status == RRSetConfigSuccess && trap.ok();
    if (!changed) {
        if (during.width != before.width || during.height != before.height)
            setScreenSize(m_display, before);
    } else if (after->width != during.width || after->height != during.height) {
        setScreenSize(m_display, *after);
    }
    XUngrabServer(m_display);
    XFlush(m_display);
    return changed ? DisplayChange::Successful : DisplayChange::Failed;
}
