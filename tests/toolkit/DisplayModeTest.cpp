#include "DisplayMode.h"
#include "FakeDisplayBackend.h"
#include "ListedModes.h"
#include "MessageCapture.h"
#include "NullDisplayBackend.h"

#include <gtest/gtest.h>

static bool operator==(const DisplayModeInfo& a, const DisplayModeInfo& b)
{
    return a.width == b.width && a.height == b.height && a.bitsPerPixel == b.bitsPerPixel
           && a.refreshRate == b.refreshRate;
}

static void PrintTo(const DisplayModeInfo& m, std::ostream* os)
{
    *os << m.width << "x" << m.height << "x" << m.bitsPerPixel << "@" << m.refreshRate;
}

namespace {

const DisplayModeInfo kDesktop{1920, 1080, 16, 60};

} // namespace

class DisplayModeLayer : public testing::Test {
protected:
    void SetUp() override
    {
        m_fake = std::make_shared<FakeDisplayBackend>(kDesktop);
        setDisplayBackend(m_fake);
        saveCurrentDisplayMode();
    }
    void TearDown() override { setDisplayBackend(nullptr); }

    std::shared_ptr<FakeDisplayBackend> m_fake;
    MessageCapture m_capture;
};

TEST_F(DisplayModeLayer, SaveTakesTheCurrentMode)
{
    EXPECT_EQ(SavedScreenWidth, 1920);
    EXPECT_EQ(SavedScreenHeight, 1080);
    EXPECT_EQ(SavedColorDepth, 16);
    EXPECT_EQ(SavedRefreshRate, 60);
}

TEST_F(DisplayModeLayer, SuccessfulTestAppliesTheSameModeSilently)
{
    EXPECT_EQ(TestAndSetDisplayMode(1024, 768, 32), DisplayChange::Successful);
    ASSERT_EQ(m_fake->tested().size(), 1u);
    ASSERT_EQ(m_fake->applied().size(), 1u);
    const DisplayModeRequest& applied = m_fake->applied().front();
    EXPECT_EQ(applied.width, 1024);
    EXPECT_EQ(applied.height, 768);
    EXPECT_EQ(applied.bitsPerPixel, 32);
    EXPECT_EQ(applied.refreshRate, 0);
    EXPECT_EQ(m_fake->currentMode(), (DisplayModeInfo{1024, 768, 32, 60}));
    EXPECT_EQ(m_capture.count(), 0);
}

TEST_F(DisplayModeLayer, RestartNeededShowsItsMessageAndAppliesNothing)
{
    m_fake->setTestResult(DisplayChange::Restart);
    EXPECT_EQ(TestAndSetDisplayMode(1024, 768, 16), DisplayChange::Restart);
    EXPECT_EQ(m_capture.messages(), QStringList{QStringLiteral("Can not change résolution without restarting Windows")});
    EXPECT_TRUE(m_fake->applied().empty());
    EXPECT_EQ(m_fake->currentMode(), kDesktop);
}

struct RefusedTest {
    std::int32_t code;
    const char* message;
};

class RefusedModeTest : public DisplayModeLayer, public testing::WithParamInterface<RefusedTest> {};

TEST_P(RefusedModeTest, ShowsItsMessageOrNoneAndAppliesNothing)
{
    m_fake->setTestResult(GetParam().code);
    EXPECT_EQ(TestAndSetDisplayMode(800, 600, 8), GetParam().code);
    const QString expected = QString::fromUtf8(GetParam().message);
    EXPECT_EQ(m_capture.messages(), expected.isEmpty() ? QStringList() : QStringList{expected});
    EXPECT_TRUE(m_fake->applied().empty());
    EXPECT_EQ(m_fake->currentMode(), kDesktop);
}

INSTANTIATE_TEST_SUITE_P(DisplayModeLayer, RefusedModeTest,
                         testing::Values(RefusedTest{DisplayChange::Failed, "Error"},
                                         RefusedTest{DisplayChange::BadMode, "Graphic Mode not suported"},
                                         RefusedTest{-3, ""}, RefusedTest{-5, ""}, RefusedTest{2, ""}));

TEST_F(DisplayModeLayer, SetDisplayModeKeepsTheColourDepth)
{
    EXPECT_EQ(SetDisplayMode(1024, 768, 75), DisplayChange::Successful);
    ASSERT_EQ(m_fake->applied().size(), 1u);
    EXPECT_EQ(m_fake->applied().front().bitsPerPixel, 0);
    EXPECT_TRUE(m_fake->tested().empty());
    EXPECT_EQ(m_fake->currentMode(), (DisplayModeInfo{1024, 768, 16, 75}));
}

// A monitor that offers 1024 by 768 at 60 Hz only, and no other depth.
TEST_F(DisplayModeLayer, OnlyModesTheDisplayListsAreApplied)
{
    m_fake = std::make_shared<FakeDisplayBackend>(
        kDesktop, std::vector<DisplayModeInfo>{kDesktop, {1024, 768, 16, 60}, {800, 600, 16, 72}});
    setDisplayBackend(m_fake);

    SwitchDisplay(true);
    EXPECT_EQ(m_fake->currentMode(), kDesktop);
    EXPECT_EQ(SetDisplayMode(1024, 768, 75), DisplayChange::BadMode);
    EXPECT_EQ(SetDisplayMode(1152, 864, 60), DisplayChange::BadMode);
    EXPECT_EQ(SetDisplayMode(800, 600, 70), DisplayChange::BadMode);
    EXPECT_EQ(m_fake->currentMode(), kDesktop);
    EXPECT_EQ(m_capture.count(), 0);

    // One hertz either way is the listed rate.
    EXPECT_EQ(SetDisplayMode(800, 600, 71), DisplayChange::Successful);
    EXPECT_EQ(m_fake->currentMode(), (DisplayModeInfo{800, 600, 16, 72}));

    EXPECT_EQ(TestAndSetDisplayMode(1024, 768, 32), DisplayChange::BadMode);
    EXPECT_EQ(TestAndSetDisplayMode(640, 480, 16), DisplayChange::BadMode);
    EXPECT_EQ(m_capture.messages(), QStringList(2, QStringLiteral("Graphic Mode not suported")));
    EXPECT_EQ(m_fake->currentMode(), (DisplayModeInfo{800, 600, 16, 72}));
}

TEST(ListedModes, TheNearestListedRefreshWithinOneHertzOrNone)
{
    const std::vector<ListedMode> listed{
        {1024, 768, 60.004}, {1024, 768, 75.029}, {1024, 768, 70.069}, {800, 600, 74.2}, {1280, 1024, 0}};
    const struct {
        std::int32_t width, height, refresh;
        double current;
        int picked;
    } cases[] = {
        {1024, 768, 75, 60, 1},  {1024, 768, 76, 60, 1},  {1024, 768, 74, 60, -1}, {1024, 768, 70, 60, 2},
        {1024, 768, 72, 60, -1}, {1024, 768, 0, 59.9, 0}, {1024, 768, 0, 73, 1},   {800, 600, 75, 60, 3},
        {800, 600, 60, 60, -1},  {640, 480, 60, 60, -1},  {1280, 1024, 0, 0, 4},   {768, 1024, 0, 0, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pickListedMode(listed, c.width, c.height, c.refresh, c.current), c.picked)
            << c.width << "x" << c.height << "@" << c.refresh;
}

TEST_F(DisplayModeLayer, SwitchToGameModeAndBackRestoresWidthHeightAndRefreshOnly)
{
    SwitchDisplay(true);
    EXPECT_EQ(m_fake->currentMode(), (DisplayModeInfo{1024, 768, 16, 75}));
    TestAndSetDisplayMode(1024, 768, 32);
    SwitchDisplay(false);
    EXPECT_EQ(m_fake->currentMode(), (DisplayModeInfo{1920, 1080, 32, 60}));
    ASSERT_EQ(m_fake->applied().size(), 3u);
    EXPECT_EQ(m_fake->applied().back().bitsPerPixel, 0);
    EXPECT_EQ(m_capture.count(), 0);
}

TEST_F(DisplayModeLayer, RefusedSwitchLeavesTheDisplayAsItWasAndShowsNothing)
{
    m_fake->setApplyResult(DisplayChange::BadMode);
    SwitchDisplay(true);
    EXPECT_EQ(m_fake->currentMode(), kDesktop);
    m_fake->setApplyResult(DisplayChange::Failed);
    SwitchDisplay(false);
    EXPECT_EQ(m_fake->currentMode(), kDesktop);
    EXPECT_EQ(m_fake->applied().size(), 2u);
    EXPECT_EQ(m_capture.count(), 0);
}

TEST(NullDisplayBackend, ListsOnlyTheModeItHasAndChangesNothing)
{
    auto null = std::make_shared<NullDisplayBackend>();
    setDisplayBackend(null);
    MessageCapture capture;
    const DisplayModeInfo before = null->currentMode();
    EXPECT_GT(before.width, 0);
    EXPECT_GT(before.height, 0);
    EXPECT_GT(before.bitsPerPixel, 0);
    EXPECT_EQ(TestAndSetDisplayMode(before.width, before.height, before.bitsPerPixel), DisplayChange::Successful);
    EXPECT_EQ(SetDisplayMode(before.width, before.height, before.refreshRate), DisplayChange::Successful);
    EXPECT_EQ(capture.count(), 0);
    EXPECT_EQ(SetDisplayMode(before.width + 8, before.height, 0), DisplayChange::BadMode);
    SwitchDisplay(true);
    EXPECT_EQ(capture.count(), 0);
    EXPECT_EQ(TestAndSetDisplayMode(before.width + 8, before.height, before.bitsPerPixel), DisplayChange::BadMode);
    EXPECT_EQ(capture.messages(), QStringList{QStringLiteral("Graphic Mode not suported")});
    EXPECT_EQ(null->currentMode(), before);
    setDisplayBackend(nullptr);
}
