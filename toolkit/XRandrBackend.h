#pragma once

#include "DisplayBackend.h"

#include <memory>
#include <vector>

struct _XDisplay;

// Changes the mode of the primary output (else the first connected, lit
// output) through RandR 1.2: an existing mode of the right size and refresh
// rate is used, or one is made with reduced-blanking timings and added to the
// output. The colour depth of a running X server cannot change, so requests
// keep the current depth whatever they ask. X errors are trapped: a refused
// change reports Failed and leaves the display as it was. A mode the backend
// made is removed again once no CRTC shows it: after a later change (the
// switch back to the desktop's mode) or when the backend is destroyed.
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
    std::int32_t switchMode(const DisplayModeRequest& request);
    void removeUnusedAddedModes();

    // A mode made by switchMode and added to an output (X resource ids).
    struct AddedMode {
        unsigned long output;
        unsigned long mode;
    };

    _XDisplay* m_display;
    int m_minorVersion;
    std::vector<AddedMode> m_addedModes;
};
