// Settings read at start-up and written at close, the display switch and the
// font installation, through the main window's own start and close.
#include "GameTestSupport.h"

#include "DisplayMode.h"
#include "Fenetres.h"
#include "FontInstaller.h"
#include "GameSettings.h"
#include "LecteurMP3Unit.h"
#include "ShellFolders.h"
#include "UnitePerso.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QSlider>
#include <QStringList>
#include <QTemporaryDir>

namespace {

class SettingsTest : public GameWindowTest
{
protected:
    void SetUp() override
    {
        GameWindowTest::SetUp();
        clearSettings();
    }
};

} // namespace

TEST_F(SettingsTest, FirstStartTakesTheDefaults)
{
    TfrmMain& w = start();
    // 500 read, then nudged by one.
    EXPECT_EQ(w.TrackBarMP3->value(), 501);
    EXPECT_EQ(w.NomDuJoueur->text(), w.FText(73));
    EXPECT_EQ(w.ComboBox1->currentText(), w.FText(38));
    EXPECT_EQ(w.ComboBox2->currentText(), w.FText(23));
    EXPECT_EQ(w.ComboBox4->currentText(), w.FText(36));
    EXPECT_FALSE(MusicPaused);
    EXPECT_EQ(m_messages->count(), 0) << m_messages->messages().join(QLatin1Char('\n')).toStdString();
}

TEST_F(SettingsTest, ValuesWrittenAtCloseAreReadAtTheNextStart)
{
    {
        TfrmMain& w = start();
        w.NomDuJoueur->setText(QStringLiteral("Zoé"));
        w.ComboBox1->setEditText(w.FText(39));
        w.ComboBox2->setEditText(w.FText(26));
        w.ComboBox4->setEditText(w.FText(37));
        w.TrackBarMP3->setValue(320);
        MusicPaused = true;
        closeWindow();
    }
    EXPECT_EQ(storedSetting(QStringLiteral("Volume")), QStringLiteral("320"));
    EXPECT_EQ(storedSetting(QStringLiteral("Joueur")), QStringLiteral("Zoé"));
    EXPECT_EQ(storedSetting(QStringLiteral("Musique")), QStringLiteral("1"));

    m_window.reset();
    resetScreenGlobals();
    TfrmMain& w = start();
    EXPECT_EQ(w.TrackBarMP3->value(), 321);
    EXPECT_EQ(w.NomDuJoueur->text(), QStringLiteral("Zoé"));
    EXPECT_EQ(w.ComboBox1->currentText(), w.FText(39));
    EXPECT_EQ(w.ComboBox2->currentText(), w.FText(26));
    EXPECT_EQ(w.ComboBox4->currentText(), w.FText(37));
    EXPECT_TRUE(MusicPaused);
}

TEST_F(SettingsTest, CloseWritesAllSixValuesAsText)
{
    start();
    closeWindow();
    for (const char* key : {"Volume", "Joueur", "Theme", "Difficulte", "Affichage", "Musique"})
        EXPECT_FALSE(storedSetting(QString::fromLatin1(key)).isNull()) << key;
    EXPECT_EQ(storedSetting(QStringLiteral("Volume")), QStringLiteral("501"));
    EXPECT_EQ(storedSetting(QStringLiteral("Musique")), QStringLiteral("0"));
}

TEST_F(SettingsTest, VolumeIsClampedToTheSliderAndBadTextGivesTheDefault)
{
    const struct
    {
        const char* stored;
        int slider;
    } cases[] = {
        {"1000", 1000}, {"2000", 1000}, {"-40", 1}, {"0", 1},   {"abc", 501},
        {"12.5", 501},  {" 300", 501},  {"", 501},  {"99999999999", 501}, {"700", 701},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        clearSettings();
        storeSetting(QStringLiteral("Volume"), QString::fromLatin1(c.stored));
        resetScreenGlobals();
        TfrmMain& w = start();
        EXPECT_EQ(w.TrackBarMP3->value(), c.slider);
        m_window.reset();
    }
}

TEST_F(SettingsTest, MusicFlagIsSetOnlyByANonZeroInteger)
{
    const struct
    {
        const char* stored;
        bool paused;
    } cases[] = {{"1", true}, {"-3", true}, {"0", false}, {"yes", false}, {"", false}, {"1x", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        clearSettings();
        storeSetting(QStringLiteral("Musique"), QString::fromLatin1(c.stored));
        resetScreenGlobals();
        start();
        EXPECT_EQ(MusicPaused, c.paused);
        m_window.reset();
    }
}

TEST_F(SettingsTest, AValueThatIsNotASingleStringTakesItsDefault)
{
    storeSetting(QStringLiteral("Joueur"), QStringList{QStringLiteral("a"), QStringLiteral("b")});
    storeSetting(QStringLiteral("Volume"), QStringList{QStringLiteral("1"), QStringLiteral("2")});
    storeSetting(QStringLiteral("Difficulte"), QStringLiteral("Kept level"));
    TfrmMain& w = start();
    EXPECT_EQ(w.NomDuJoueur->text(), w.FText(73));
    EXPECT_EQ(w.TrackBarMP3->value(), 501);
    // The sound values are not lost with the bad ones.
    EXPECT_EQ(w.ComboBox2->currentText(), QStringLiteral("Kept level"));
}

TEST_F(SettingsTest, StoredDisplayModeIsShownAndWrittenBackButNotApplied)
{
    {
        TfrmMain& probe = create();
        storeSetting(QStringLiteral("Affichage"), probe.FText(37));
        m_window.reset();
    }
    TfrmMain& w = start();
    EXPECT_EQ(w.ComboBox4->currentText(), w.FText(37));
    ASSERT_EQ(m_display->applied().size(), 1u);
    EXPECT_EQ(m_display->applied()[0].width, 1024);
    EXPECT_EQ(m_display->applied()[0].height, 768);
    EXPECT_EQ(m_display->applied()[0].refreshRate, 75);
    closeWindow();
    EXPECT_EQ(storedSetting(QStringLiteral("Affichage")), w.FText(37));
}

TEST_F(SettingsTest, UnknownThemeIsKeptAndEachMissingPictureReported)
{
    storeSetting(QStringLiteral("Theme"), QStringLiteral("Gone"));
    TfrmMain& w = start();
    EXPECT_EQ(w.ComboBox1->currentText(), QStringLiteral("Gone"));
    EXPECT_TRUE(w.FGraphicsLoaded);
    EXPECT_FALSE(Buttons[3].Visible);
    EXPECT_GE(m_messages->count(), 27);
    EXPECT_TRUE(m_messages->messages().first().contains(QStringLiteral("Gone")));
    // The game still draws (what it has) and writes the name back unchanged.
    frame();
    closeWindow();
    EXPECT_EQ(storedSetting(QStringLiteral("Theme")), QStringLiteral("Gone"));
}

TEST_F(SettingsTest, WindowClosedBeforeStartUpLeavesTheSettingsAlone)
{
    storeSetting(QStringLiteral("Joueur"), QStringLiteral("Kept"));
    create();
    closeWindow();
    EXPECT_EQ(storedSetting(QStringLiteral("Joueur")), QStringLiteral("Kept"));
    EXPECT_TRUE(storedSetting(QStringLiteral("Volume")).isNull());
    EXPECT_TRUE(m_display->applied().empty());
}

TEST(GameSettingsParse, AcceptsOnlyWholeDecimalNumbers)
{
    EXPECT_EQ(GameSettings::parseInteger(QStringLiteral("42")), 42);
    EXPECT_EQ(GameSettings::parseInteger(QStringLiteral("-7")), -7);
    EXPECT_EQ(GameSettings::parseInteger(QStringLiteral("+7")), 7);
    EXPECT_FALSE(GameSettings::parseInteger(QStringLiteral("0x10")));
    EXPECT_FALSE(GameSettings::parseInteger(QStringLiteral("4 2")));
    EXPECT_FALSE(GameSettings::parseInteger(QStringLiteral("")));
    EXPECT_FALSE(GameSettings::parseInteger(QStringLiteral("2147483648")));
}

TEST_F(GameWindowTest, StartUpSwitchesTheDisplayAndCloseRestoresIt)
{
    start();
    EXPECT_EQ(SavedScreenWidth, 1280);
    EXPECT_EQ(SavedScreenHeight, 1024);
    EXPECT_EQ(SavedRefreshRate, 60);
    closeWindow();
    ASSERT_EQ(m_display->applied().size(), 2u);
    EXPECT_EQ(m_display->applied()[1].width, 1280);
    EXPECT_EQ(m_display->applied()[1].height, 1024);
    EXPECT_EQ(m_display->applied()[1].refreshRate, 60);
    EXPECT_FALSE(window().DXTimer->isActive());
}

TEST_F(GameWindowTest, StartUpSetsTheButtonTableAndShowsTheHomeScreen)
{
    start();
    for (int i = 0; i < 18; ++i) {
        const bool drawn = i != 6 && i != 11 && i < 17;
        if (i == 3)
            continue;  // the print button follows the theme
        EXPECT_EQ(Buttons[i].Visible, drawn) << i;
        EXPECT_EQ(Buttons[i].Enabled, drawn) << i;
    }
    EXPECT_TRUE(Buttons[3].Visible);  // default theme
    EXPECT_TRUE(HomeScreen.Visible);
    EXPECT_FALSE(GameMenu.Visible);
    EXPECT_FALSE(MessageWindow.Visible);
    EXPECT_FALSE(BoardInputBlocked);
    EXPECT_EQ(window().GameState, 0);
    EXPECT_TRUE(window().FGraphicsLoaded);
}

TEST_F(GameWindowTest, MissingDataFolderIsReportedAndTheWindowStillRuns)
{
    QTemporaryDir empty;
    TfrmMain& w = start(empty.path());
    ASSERT_GE(m_messages->count(), 1);
    EXPECT_TRUE(m_messages->messages().first().startsWith(QStringLiteral("Impossible de chager le fichier langue")));
    EXPECT_EQ(w.FText(23), QStringLiteral("erreur"));
    // The home picture and the arrows are only reported, without a box.
    EXPECT_TRUE(m_messages->missingFiles().contains(w.FAppFolder + QStringLiteral("graphisme/accueil.bmp")));
    frame();
    frame();
    closeWindow();
    EXPECT_FALSE(storedSetting(QStringLiteral("Volume")).isNull());
}

TEST(FontInstallation, CopiesTheFontOnceAndUsesItsFamily)
{
    QTemporaryDir fonts;
    const QString installed = QDir(fonts.path()).filePath(QStringLiteral("sub/CHOWFUN_.TTF"));
    EXPECT_EQ(FontInstaller::install(dataFolder(), fonts.path() + QStringLiteral("/sub")),
              QStringLiteral("CHOW FUN"));
    ASSERT_TRUE(QFileInfo::exists(installed));

    // A file already there is neither replaced nor copied again.
    QFile marker(installed);
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly | QIODevice::Truncate));
    marker.write("kept");
    marker.close();
    EXPECT_EQ(FontInstaller::install(dataFolder(), fonts.path() + QStringLiteral("/sub")),
              QStringLiteral("CHOW FUN"));
    QFile check(installed);
    ASSERT_TRUE(check.open(QIODevice::ReadOnly));
    EXPECT_EQ(check.readAll(), QByteArray("kept"));
}

TEST(FontInstallation, FallsBackToCourierWhenTheFontCannotBeInstalled)
{
    QTemporaryDir nowhere;
    // No font in the data folder, so nothing lands in the fonts folder.
    EXPECT_EQ(FontInstaller::install(nowhere.path() + QStringLiteral("/"), nowhere.path() + QStringLiteral("/fonts")),
              QStringLiteral("Courier new"));
}

TEST_F(GameWindowTest, StartUpInstallsTheFontIntoTheUsersFontsFolder)
{
    start();
    EXPECT_EQ(TextFontName, QStringLiteral("CHOW FUN"));
    EXPECT_TRUE(QFileInfo::exists(GetShellFolder(QStringLiteral("fonts")) + QStringLiteral("/CHOWFUN_.TTF")));
    EXPECT_TRUE(GetShellFolder(QStringLiteral("fonts")).startsWith(testHome()));
}
