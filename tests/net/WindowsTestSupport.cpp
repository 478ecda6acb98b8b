#include "WindowsTestSupport.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <gtest/gtest.h>

const QString kTestPuzzle =
    QStringLiteral("1_3_5_7_9+_5_7_9_2_+7_9_2_4_6+_3_5_7_9_+5_7_9_2_4+_9_2_4_6_+3_5_7_9_2+_7_9_2_4_+9_2_4_6_8");
const QString kTestSolution =
    QStringLiteral("123456789+456789123+789123456+234567891+567891234+891234567+345678912+678912345+912345678");

void ensureWidgetsApp()
{
    if (QCoreApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "net_windows_tests";
    static char* argv[] = {name, nullptr};
    static auto* app = new QApplication(argc, argv);
    (void)app;
}

void onModal(QDialog& dialog, std::function<void()> action)
{
    auto* poll = new QTimer(&dialog);
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, &dialog, action = std::move(action)] {
        if (QApplication::activeModalWidget() != &dialog)
            return;
        poll->stop();
        poll->deleteLater();
        action();
        // An action that stopped early (a failed assertion) must not leave
        // the test waiting in the dialog's loop.
        if (dialog.isVisible())
            dialog.reject();
    });
    poll->start();
}

namespace {

// The application exists before any test fixture builds its windows.
class WidgetsEnvironment : public ::testing::Environment
{
public:
    void SetUp() override { ensureWidgetsApp(); }
};

const bool g_registered = [] {
    ::testing::AddGlobalTestEnvironment(new WidgetsEnvironment);
    return true;
}();

} // namespace
