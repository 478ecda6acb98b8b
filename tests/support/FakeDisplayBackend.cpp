#include "FakeDisplayBackend.h"

FakeDisplayBackend::FakeDisplayBackend(const DisplayModeInfo& current)
    : m_current(current)
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

std::int32_t FakeDisplayBackend::testMode(const DisplayModeRequest& request)
{
    m_tested.push_back(request);
    return m_testResult;
}

std::int32_t FakeDisplayBackend::applyMode(const DisplayModeRequest& request)
{
    m_applied.push_back(request);
    if (m_applyResult != DisplayChange::Successful)
        return m_applyResult;
    m_current.width = request.width;
    m_current.height = request.height;
    if (request.bitsPerPixel != 0)
        m_current.bitsPerPixel = request.bitsPerPixel;
    if (request.refreshRate != 0)
        m_current.refreshRate = request.refreshRate;
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
