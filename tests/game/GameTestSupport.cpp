#include "GameTestSupport.h"

#include "DisplayMode.h"
#include "Fenetres.h"
#include "GameSettings.h"
#include "LecteurMP3Unit.h"
#include "ScreenView.h"
#include "UnitePerso.h"

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

// One application and one temporary home for the whole test program, set up
// before any test reads a user folder or the settings.
class GameEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        m_home = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(m_home->isValid());
        const QString home = m_home->path();
        qputenv("HOME", home.toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (home + QStringLiteral("/.config")).toLocal8Bit());
        qputenv("XDG_DATA_HOME", (home + QStringLiteral("/.local/share")).toLocal8Bit());
        qputenv("XDG_CACHE_HOME", (home + QStringLiteral("/.cache")).toLocal8Bit());
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("SDL_AUDIODRIVER", "dummy");
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home + QStringLiteral("/.config"));
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home + QStringLiteral("/.config"));
        static int argc = 1;
        static char name[] = "game_tests";
        static char* argv[] = {name, nullptr};
        m_app = std::make_unique<QApplication>(argc, argv);
    }

    void TearDown() override
    {
        m_app.reset();
        m_home.reset();
    }

    QString home() const { return m_home ? m_home->path() : QString(); }

private:
    std::unique_ptr<QTemporaryDir> m_home;
    std::unique_ptr<QApplication> m_app;
};

GameEnvironment* g_environment = nullptr;

const bool g_registered = [] {
    g_environment = new GameEnvironment;
    ::testing::AddGlobalTestEnvironment(g_environment);
    return true;
}();

QSettings openSettings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QString::fromLatin1(GameSettings::kOrganisation),
                     QString::fromLatin1(GameSettings::kApplication));
}

} // namespace

QString dataFolder()
{
    return QStringLiteral(SUDOKU_DATA_DIR "/");
}

QString testHome()
{
    return g_environment->home();
}

void resetScreenGlobals()
{
    for (TKaloBouton& button : Buttons)
        button = TKaloBouton{};
    HomeScreen = TKaloFenetre{};
    GameMenu = TKaloFenetre{};
    MessageWindow = TKaloFenetre{};
    YesButton = TKaloBouton{true, QString(), true};
    NoButton = TKaloBouton{true, QString(), true};
    BoardInputBlocked = false;
    MusicPaused = false;
    TextFontName = QStringLiteral("Courier new");
}

void clearSettings()
{
    QSettings store = openSettings();
    store.clear();
    store.sync();
}

void storeSetting(const QString& key, const QVariant& value)
{
    QSettings store = openSettings();
    store.beginGroup(QString::fromLatin1(GameSettings::kGroup));
    store.setValue(key, value);
    store.endGroup();
    store.sync();
}

QString storedSetting(const QString& key)
{
    QSettings store = openSettings();
    store.beginGroup(QString::fromLatin1(GameSettings::kGroup));
    const QVariant value = store.value(key);
    return value.isValid() ? value.toString() : QString();
}

void GameWindowTest::SetUp()
{
    // A window closed by an earlier test wrote its settings back.
    clearSettings();
    m_messages = std::make_unique<MessageCapture>();
    resetScreenGlobals();
    // Every test starts from the first start's settings, whatever an earlier
    // test of the same program wrote at its close.
    clearSettings();
    m_display = std::make_shared<FakeDisplayBackend>(DisplayModeInfo{1280, 1024, 24, 60});
    setDisplayBackend(m_display);
}

void GameWindowTest::TearDown()
{
    m_window.reset();
    setDisplayBackend(nullptr);
    m_messages.reset();
    resetScreenGlobals();
}

TfrmMain& GameWindowTest::create(const QString& appFolder)
{
    m_window = std::make_unique<TfrmMain>(appFolder.isEmpty() ? dataFolder() : appFolder);
    m_window->DXTimer->stop();
    return *m_window;
}

TfrmMain& GameWindowTest::start(const QString& appFolder)
{
    create(appFolder);
    m_window->FormShow();
    m_window->Timer2SplashScreenTimer();
    // Frames are run by hand, one at a time.
    m_window->DXTimer->stop();
    return *m_window;
}

void GameWindowTest::closeWindow()
{
    m_window->close();
}

void GameWindowTest::frame()
{
    m_window->DXTimerTimerloop();
}

const QImage& GameWindowTest::screen() const
{
    return m_window->Ecran->Bitmap();
}

void GameWindowTest::pressAt(int x, int y, Qt::MouseButton button)
{
    m_window->EcranMouseMove(x, y);
    m_window->EcranMouseDown(button, x, y);
}

void GameWindowTest::showBoardOnly()
{
    HomeScreen.Visible = false;
    GameMenu.Visible = false;
    MessageWindow.Visible = false;
}
