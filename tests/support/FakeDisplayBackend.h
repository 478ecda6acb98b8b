#pragma once

#include "DisplayBackend.h"

#include <optional>
#include <vector>

// A display whose output lists a fixed set of modes and that records every
// request. By default it lists, at the current depth and at 16 and 32 bits,
// the current size at the current refresh rate and 1024 by 768 at 60 and
// 75 Hz. Like a real output it takes only a listed mode: a test answers
// Successful for a listed size and depth (a zero depth meaning the current
// one) and BadMode otherwise; an apply also picks the refresh rate as
// pickListedMode does, and leaves the mode unchanged with BadMode when none
// fits. setTestResult and setApplyResult force other answers.
class FakeDisplayBackend : public DisplayBackend {
public:
    explicit FakeDisplayBackend(const DisplayModeInfo& current);
    FakeDisplayBackend(const DisplayModeInfo& current, std::vector<DisplayModeInfo> listed);

    // Every later test answers code, whatever the list says.
    void setTestResult(std::int32_t code);
    // A code other than Successful makes every later apply fail with it and
    // change nothing.
    void setApplyResult(std::int32_t code);

    DisplayModeInfo currentMode() override;
    std::int32_t testMode(const DisplayModeRequest& request) override;
    std::int32_t applyMode(const DisplayModeRequest& request) override;

    const std::vector<DisplayModeRequest>& tested() const;
    const std::vector<DisplayModeRequest>& applied() const;

private:
    // The listed modes of the request's size at the depth it asks for.
    std::vector<DisplayModeInfo> listedFor(const DisplayModeRequest& request) const;

    DisplayModeInfo m_current;
    std::vector<DisplayModeInfo> m_listed;
    std::optional<std::int32_t> m_testResult;
    std::int32_t m_applyResult = DisplayChange::Successful;
    std::vector<DisplayModeRequest> m_tested;
    std::vector<DisplayModeRequest> m_applied;
};
