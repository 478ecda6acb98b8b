#pragma once

#include "DisplayBackend.h"

#include <vector>

// A display that answers what the test tells it to and records every request.
// A successful apply takes the requested properties; a zero depth or refresh
// rate keeps the current one.
class FakeDisplayBackend : public DisplayBackend {
public:
    explicit FakeDisplayBackend(const DisplayModeInfo& current);

    void setTestResult(std::int32_t code);
    // A non-zero code leaves the mode unchanged.
    void setApplyResult(std::int32_t code);

    DisplayModeInfo currentMode() override;
    std::int32_t testMode(const DisplayModeRequest& request) override;
    std::int32_t applyMode(const DisplayModeRequest& request) override;

    const std::vector<DisplayModeRequest>& tested() const;
    const std::vector<DisplayModeRequest>& applied() const;

private:
    DisplayModeInfo m_current;
    std::int32_t m_testResult = DisplayChange::Successful;
    std::int32_t m_applyResult = DisplayChange::Successful;
    std::vector<DisplayModeRequest> m_tested;
    std::vector<DisplayModeRequest> m_applied;
};
