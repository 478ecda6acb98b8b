// A termination signal closes the main window through the event loop, as the
// program block wires it: settings written, display mode restored.
#include "GameTestSupport.h"

#include "TerminationSignals.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <csignal>

namespace {

class TerminationSignalTest : public GameWindowTest, public testing::WithParamInterface<int> {};

TEST_P(TerminationSignalTest, ClosesTheWindowAsThePlayerWould)
{
    TfrmMain& w = start();
    ASSERT_EQ(m_display->currentMode().width, 1024);
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::received, &w, &QWidget::close);
    int closes = 0;
    QObject::connect(&w, &TfrmMain::closed, [&] { ++closes; });

    ASSERT_EQ(std::raise(GetParam()), 0);
    // The handler only wrote to the pipe: nothing has closed yet.
    EXPECT_EQ(closes, 0);
    const QDeadlineTimer deadline(5000);
    while (closes == 0 && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);

    EXPECT_EQ(closes, 1);
    EXPECT_EQ(storedSetting(QStringLiteral("Volume")), QStringLiteral("501"));
    const DisplayModeInfo mode = m_display->currentMode();
    EXPECT_EQ(mode.width, 1280);
    EXPECT_EQ(mode.height, 1024);
    EXPECT_EQ(mode.refreshRate, 60);
}

INSTANTIATE_TEST_SUITE_P(Signals, TerminationSignalTest, testing::Values(SIGTERM, SIGINT, SIGHUP));

} // namespace
