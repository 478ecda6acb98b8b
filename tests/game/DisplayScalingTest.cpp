// The game screen on a desktop that scales: the program's start-up keeps one
// screen pixel one device pixel, whatever scale the desktop asks for.
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(DisplayScaling, ScreenIsNotScaledOnAScaledDesktop)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // An offscreen screen at 192 dpi: what an X desktop set to twice the
    // usual size reports.
    const QString config = dir.filePath(QStringLiteral("screen.json"));
    QFile file(config);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"({"screens": [{"name": "s", "x": 0, "y": 0, "width": 2048, "height": 1536,)"
               R"( "logicalDpi": 192, "logicalBaseDpi": 96, "dpr": 1}]})");
    file.close();

    struct Desktop
    {
        const char* what;
        QString platform;
        const char* variable;
        const char* value;
    };
    const Desktop desktops[] = {
        {"unscaled", QStringLiteral("offscreen"), nullptr, nullptr},
        {"global scale factor", QStringLiteral("offscreen"), "QT_SCALE_FACTOR", "2"},
        {"screen scale factors", QStringLiteral("offscreen"), "QT_SCREEN_SCALE_FACTORS", "2"},
        {"192 dpi screen", QStringLiteral("offscreen:configfile=") + config, nullptr, nullptr},
    };
    for (const Desktop& desktop : desktops) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), desktop.platform);
        env.remove(QStringLiteral("QT_SCALE_FACTOR"));
        env.remove(QStringLiteral("QT_SCREEN_SCALE_FACTORS"));
        env.remove(QStringLiteral("QT_ENABLE_HIGHDPI_SCALING"));
        if (desktop.variable)
            env.insert(QString::fromLatin1(desktop.variable), QString::fromLatin1(desktop.value));
        QProcess probe;
        probe.setProcessEnvironment(env);
        probe.start(QStringLiteral(SUDOKU_SCALING_PROBE), {});
        ASSERT_TRUE(probe.waitForFinished(60000)) << desktop.what;
        const QString out = QString::fromLocal8Bit(probe.readAllStandardOutput()).trimmed();
        EXPECT_EQ(out, QStringLiteral("ratio 1, device pixels 1024x768"))
            << desktop.what << "\n" << probe.readAllStandardError().toStdString();
    }
}
