#include "XRandrBackend.h"

#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

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

} // namespace

// Runs the XRandR back end against a private Xvfb server, never the display
// the tests were started from.
class XRandrOnXvfb : public testing::Test {
protected:
    void SetUp() override
    {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (xvfb.isEmpty())
            GTEST_SKIP() << "Xvfb is not installed";
        m_server.setProgram(xvfb);
        m_server.setArguments({QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                               QStringLiteral("0"), QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                               QStringLiteral("tcp")});
        m_server.setProcessChannelMode(QProcess::SeparateChannels);
        m_server.start();
        ASSERT_TRUE(m_server.waitForStarted(5000));
        QByteArray number;
        while (!number.contains('\n') && m_server.waitForReadyRead(10000))
            number += m_server.readAllStandardOutput();
        ASSERT_TRUE(number.contains('\n')) << "Xvfb gave no display number";
        m_name = ":" + number.trimmed();
        m_backend = XRandrBackend::open(m_name.constData());
        if (!m_backend)
            GTEST_SKIP() << "Xvfb offers no RandR 1.2";
    }

    void TearDown() override
    {
        m_backend.reset();
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

TEST_F(XRandrOnXvfb, AModeMadeForTheGameIsRemovedOnceTheDesktopModeIsBack)
{
    const DisplayModeInfo desktop = m_backend->currentMode();
    const int modesBefore = serverModeCount(m_name);
    ASSERT_GT(modesBefore, 0);
    // A refresh rate no mode of Xvfb has: the backend makes one.
    ASSERT_EQ(m_backend->applyMode({1024, 768, 0, 67}), DisplayChange::Successful);
    ASSERT_EQ(m_backend->currentMode().refreshRate, 67);
    EXPECT_EQ(serverModeCount(m_name), modesBefore + 1);

    ASSERT_EQ(m_backend->applyMode({desktop.width, desktop.height, 0, desktop.refreshRate}),
              DisplayChange::Successful);
    EXPECT_EQ(serverModeCount(m_name), modesBefore);
}

TEST_F(XRandrOnXvfb, AModeMadeEarlierGoesOnceAnotherMadeModeIsShownInstead)
{
    const int modesBefore = serverModeCount(m_name);
    ASSERT_EQ(m_backend->applyMode({1024, 768, 0, 67}), DisplayChange::Successful);
    ASSERT_EQ(m_backend->applyMode({800, 600, 0, 67}), DisplayChange::Successful);
    const DisplayModeInfo mode = m_backend->currentMode();
    EXPECT_EQ(mode.width, 800);
    EXPECT_EQ(mode.refreshRate, 67);
    // The mode on screen stays; the one before it is gone.
    EXPECT_EQ(serverModeCount(m_name), modesBefore + 1);
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
