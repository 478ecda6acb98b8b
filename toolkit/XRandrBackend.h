#pragma once

#include "DisplayBackend.h"

#include <memory>

struct _XDisplay;

// Changes the mode of the primary output (else the first connected, lit
// output) through RandR 1.2, to a mode the output lists only: the right
// size, and a refresh rate within 1 Hz of the one asked for (pickListedMode).
// A mode the output does not list is refused with BadMode and nothing
// changes, so the screen is never driven with a timing it did not offer.
// The colour depth of a running X server cannot change, so a request for
// another depth is refused the same way. X errors are trapped: a refused
// change reports Failed and leaves the display as it was.
class XRandrBackend : public DisplayBackend {
public:
    // Null when the display cannot be opened or lacks RandR 1.2. A null name
    // means $DISPLAY.
    static std::unique_ptr<XRandrBackend> open(const char* displayName = nullptr);
    ~XRandrBackend() override;
    XRandrBackend(const XRandrBackend&) = delete;
    XRandrBackend& operator=(const XRandrBackend&) = delete;

    DisplayModeInfo currentMode() override;
    std::int32_t testMode(const DisplayModeRequest& request) override;
    std::int32_t applyMode(const DisplayModeRequest& request) override;

private:
    XRandrBackend(_XDisplay* display, int minorVersion);
    // True when the request asks for no depth or for the server's own.
    bool keepsDepth(const DisplayModeRequest& request);

    _XDisplay* m_display;
    int m_minorVersion;
};
