#include "FakeDisplayBackend.h"

#include "ListedModes.h"

namespace {

std::vector<DisplayModeInfo> usualModes(const DisplayModeInfo& current)
{
    std::vector<DisplayModeInfo> modes;
    for (std::int32_t depth : {current.bitsPerPixel, 16, 32}) {
        modes.push_back({current.width, current.height, depth, current.refreshRate});
        modes.push_back({1024, 768, depth, 60});
        modes.push_back({1024, 768, depth, 75});
    }
    return modes;
}

} // namespace

FakeDisplayBackend::FakeDisplayBackend(const DisplayModeInfo& current)
    : FakeDisplayBackend(current, usualModes(current))
{
}

FakeDisplayBackend::FakeDisplayBackend(const DisplayModeInfo& current, std::vector<DisplayModeInfo> listed)
    : m_current(current)
    , m_listed(std::move(listed))
{
}

void FakeDisplayBackend::setTestResult(std::int32_t code)
{
    m_testResult = code;
}

void FakeDisplayBackend::setApplyResult(std::int32_t code)
{
    m_applyResult = code;
}

DisplayModeInfo FakeDisplayBackend::currentMode()
{
    return m_current;
}

std::vector<DisplayModeInfo> FakeDisplayBackend::listedFor(const DisplayModeRequest& request) const
{
    const std::int32_t depth = request.bitsPerPixel != 0 ? request.bitsPerPixel : m_current.bitsPerPixel;
    std::vector<DisplayModeInfo> modes;
    for (const DisplayModeInfo& mode : m_listed) {
        if (mode.width == request.width && mode.height == request.height && mode.bitsPerPixel == depth)
            modes.push_back(mode);
    }
    return modes;
}

std::int32_t FakeDisplayBackend::testMode(const DisplayModeRequest& request)
{
    m_tested.push_back(request);
    if (m_testResult)
        return *m_testResult;
    return listedFor(request).empty() ? DisplayChange::BadMode : DisplayChange::Successful;
}

std::int32_t FakeDisplayBackend::applyMode(const DisplayModeRequest& request)
{
    m_applied.push_back(request);
    if (m_applyResult != DisplayChange::Successful)
        return m_applyResult;
    const std::vector<DisplayModeInfo> candidates = listedFor(request);
    std::vector<ListedMode> listed;
    for (const DisplayModeInfo& mode : candidates)
        listed.push_back(ListedMode{mode.width, mode.height, double(mode.refreshRate)});
    const int picked =
        pickListedMode(listed, request.width, request.height, request.refreshRate, m_current.refreshRate);
    if (picked < 0)
        return DisplayChange::BadMode;
    m_current = candidates[std::size_t(picked)];
    return DisplayChange::Successful;
}

const std::vector<DisplayModeRequest>& FakeDisplayBackend::tested() const
{
    return m_tested;
}

const std::vector<DisplayModeRequest>& FakeDisplayBackend::applied() const
{
    return m_applied;
}
