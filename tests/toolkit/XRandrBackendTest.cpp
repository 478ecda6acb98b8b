#include "XRandrBackend.h"

#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <string>

namespace {

// The modes the server knows (those of every output and those made by
// clients), read through a connection of the test's own.
int serverModeCount(const QByteArray& displayName)
{
    Display* display = XOpenDisplay(displayName.constData());
    if (!display)
        return -1;
    XRRScreenResources* res = XRRGetScreenResources(display, RootWindow(display, DefaultScreen(display)));
    const int count = res ? res->nmode : -1;
    if (res)
        XRRFreeScreenResources(res);
    XCloseDisplay(display);
    return count;
}

// Adds a mode to the output's list, as a monitor would offer it. The mode
// lives as long as the connection that made it.
void offerMode(Display* display, unsigned width, unsigned height, unsigned long dotClock, unsigned hTotal,
               unsigned vTotal)
{
    const Window root = RootWindow(display, DefaultScreen(display));
    XRRScreenResources* res = XRRGetScreenResources(display, root);
    ASSERT_NE(res, nullptr);
    ASSERT_GT(res->noutput, 0);
    std::string name = std::to_string(width) + "x" + std::to_string(height) + "_monitor_" + std::to_string(dotClock);
    XRRModeInfo info{};
    info.width = width;
    info.height = height;
    info.dotClock = dotClock;
    info.hSyncStart = width + 16;
    info.hSyncEnd = width + 112;
    info.hTotal = hTotal;
    info.vSyncStart = height + 1;
    info.vSyncEnd = height + 4;
    info.vTotal = vTotal;
    info.name = name.data();
    info.nameLength = unsigned(name.size());
    const RRMode mode = XRRCreateMode(display, root, &info);
    XRRAddOutputMode(display, res->outputs[0], mode);
    XSync(display, False);
    XRRFreeScreenResources(res);
}

} // namespace

// Runs the XRandR back end against a private Xvfb server, never the display
// the tests were started from. Xvfb's output lists only its own 1280x1024
// mode; the test adds what a usual monitor offers besides: 1024x768 at 75.03
// and 60.00 Hz and 800x600 at 60.32 Hz (VESA timings).
class XRandrOnXvfb : public testing::Test {
protected:
    // Starts the server, with extra arguments, and names it in m_name.
    void startServer(const QStringList& extra = {})
    {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (xvfb.isEmpty())
            GTEST_SKIP() << "Xvfb is not installed";
        m_server.setProgram(xvfb);
        m_server.setArguments(QStringList{QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                          QStringLiteral("0"), QStringLiteral("1280x1024x24"),
                                          QStringLiteral("-nolisten"), QStringLiteral("tcp")}
                              + extra);
        m_server.setProcessChannelMode(QProcess::SeparateChannels);
        m_server.start();
        ASSERT_TRUE(m_server.waitForStarted(5000));
        QByteArray number;
        while (!number.contains('\n') && m_server.waitForReadyRead(10000))
            number += m_server.readAllStandardOutput();
        ASSERT_TRUE(number.contains('\n')) << "Xvfb gave no display number";
        m_name = ":" + number.trimmed();
    }

    void SetUp() override
    {
        startServer();
        if (IsSkipped() || HasFatalFailure())
            return;
        m_backend = XRandrBackend::open(m_name.constData());
        if (!m_backend)
            GTEST_SKIP() << "Xvfb offers no RandR 1.2";
        m_monitor = XOpenDisplay(m_name.constData());
        ASSERT_NE(m_monitor, nullptr);
        offerMode(m_monitor, 1024, 768, 78750000, 1312, 800);
        offerMode(m_monitor, 1024, 768, 65000000, 1344, 806);
        offerMode(m_monitor, 800, 600, 40000000, 1056, 628);
    }

    void TearDown() override
    {
        m_backend.reset();
        if (m_monitor)
            XCloseDisplay(m_monitor);
        if (m_server.state() != QProcess::NotRunning) {
            m_server.terminate();
            if (!m_server.waitForFinished(5000))
                m_server.kill();
            m_server.waitForFinished(5000);
        }
    }

    QProcess m_server;
    QByteArray m_name;
    std::unique_ptr<XRandrBackend> m_backend;
    Display* m_monitor = nullptr;
};

TEST_F(XRandrOnXvfb, ReportsTheServersMode)
{
    const DisplayModeInfo mode = m_backend->currentMode();
    EXPECT_EQ(mode.width, 1280);
    EXPECT_EQ(mode.height, 1024);
    EXPECT_EQ(mode.bitsPerPixel, 32);
}

TEST_F(XRandrOnXvfb, SwitchesToTheGameModeAndBack)
{
    const DisplayModeInfo desktop = m_backend->currentMode();
    ASSERT_EQ(m_backend->testMode({1024, 768, 0, 75}), DisplayChange::Successful);
    ASSERT_EQ(m_backend->applyMode({1024, 768, 0, 75}), DisplayChange::Successful);
    DisplayModeInfo mode = m_backend->currentMode();
    EXPECT_EQ(mode.width, 1024);
    EXPECT_EQ(mode.height, 768);
    EXPECT_EQ(mode.refreshRate, 75);
    EXPECT_EQ(mode.bitsPerPixel, desktop.bitsPerPixel);

    ASSERT_EQ(m_backend->applyMode({desktop.width, desktop.height, 0, desktop.refreshRate}),
              DisplayChange::Successful);
    mode = m_backend->currentMode();
    EXPECT_EQ(mode.width, desktop.width);
    EXPECT_EQ(mode.height, desktop.height);
    EXPECT_EQ(mode.refreshRate, desktop.refreshRate);
}

TEST_F(XRandrOnXvfb, OnlyListedModesAreAppliedAndNoneIsMade)
{
    const DisplayModeInfo desktop = m_backend->currentMode();
    const int modesBefore = serverModeCount(m_name);
    ASSERT_GT(modesBefore, 0);
    // Listed sizes, but no listed rate within 1 Hz.
    EXPECT_EQ(m_backend->applyMode({1024, 768, 0, 67}), DisplayChange::BadMode);
    EXPECT_EQ(m_backend->applyMode({800, 600, 0, 75}), DisplayChange::BadMode);
    // A size the output does not list.
    EXPECT_EQ(m_backend->testMode({1152, 864, 0, 0}), DisplayChange::BadMode);
    EXPECT_EQ(m_backend->applyMode({1152, 864, 0, 75}), DisplayChange::BadMode);
    // The server keeps its depth.
    EXPECT_EQ(m_backend->testMode({1024, 768, 16, 0}), DisplayChange::BadMode);
    EXPECT_EQ(m_backend->testMode({1024, 768, desktop.bitsPerPixel, 0}), DisplayChange::Successful);
    DisplayModeInfo mode = m_backend->currentMode();
    EXPECT_EQ(mode.width, desktop.width);
    EXPECT_EQ(mode.height, desktop.height);
    EXPECT_EQ(serverModeCount(m_name), modesBefore);

    ASSERT_EQ(m_backend->applyMode({800, 600, 0, 61}), DisplayChange::Successful);
    mode = m_backend->currentMode();
    EXPECT_EQ(mode.width, 800);
    EXPECT_EQ(mode.refreshRate, 60);
    ASSERT_EQ(m_backend->applyMode({1024, 768, 0, 60}), DisplayChange::Successful);
    EXPECT_EQ(m_backend->currentMode().refreshRate, 60);
    EXPECT_EQ(serverModeCount(m_name), modesBefore);
}

TEST_F(XRandrOnXvfb, RefusesImpossibleSizesAndLeavesTheModeAlone)
{
    const DisplayModeInfo before = m_backend->currentMode();
    EXPECT_EQ(m_backend->testMode({0, 0, 0, 0}), DisplayChange::BadMode);
    EXPECT_EQ(m_backend->testMode({-1024, 768, 0, 0}), DisplayChange::BadMode);
    EXPECT_EQ(m_backend->testMode({100000, 100000, 0, 0}), DisplayChange::BadMode);
    EXPECT_EQ(m_backend->applyMode({100000, 100000, 0, 75}), DisplayChange::BadMode);
    EXPECT_EQ(m_backend->applyMode({0, 0, 0, 0}), DisplayChange::BadMode);
    const DisplayModeInfo after = m_backend->currentMode();
    EXPECT_EQ(after.width, before.width);
    EXPECT_EQ(after.height, before.height);
    EXPECT_EQ(after.refreshRate, before.refreshRate);
}

TEST(XRandrBackend, UnreachableDisplayGivesNoBackend)
{
    EXPECT_EQ(XRandrBackend::open(":4242"), nullptr);
}

// A server without RandR gives no back end, and no RandR call is made on it:
// libXrandr keeps what its first call allocates for a display that lacks the
// extension, which the leak check at exit reports.
class XvfbWithoutRandr : public XRandrOnXvfb {
protected:
    void SetUp() override { startServer({QStringLiteral("-extension"), QStringLiteral("RANDR")}); }
};

TEST_F(XvfbWithoutRandr, GivesNoBackend)
{
    EXPECT_EQ(XRandrBackend::open(m_name.constData()), nullptr);
}
