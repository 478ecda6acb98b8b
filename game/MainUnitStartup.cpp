// The main window's life cycle: creation, first show, the one-shot start-up
// half a second later, close, and the settings read at start and written at
// close.
#include "MainUnit.h"

#include "AboutUnit.h"
#include "ButtonColumn.h"
#include "ClickableImage.h"
#include "DisplayMode.h"
#include "Fenetres.h"
#include "FontInstaller.h"
#include "GameSettings.h"
#include "GameState.h"
#include "LanguageLines.h"
#include "LecteurMP3Unit.h"
#include "MessageBox.h"
#include "ScreenView.h"
#include "ShellFolders.h"
#include "UnitePerso.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>

namespace {

// Puts a text in an option row without running the row's change handler.
void setRowText(QComboBox* row, const QString& text)
{
    const QSignalBlocker blocker(row);
    row->setEditText(text);
}

void loadArrow(QLabel* image, const QString& path)
{
    QPixmap picture(path);
    if (picture.isNull()) {
        ReportMissingFile(path);
        return;
    }
    image->setPixmap(picture);
}

} // namespace

void TfrmMain::FormCreate()
{
    FShellFolderName = QStringLiteral("appdata");
    FGraphicsLoaded = false;

    // The home picture stays on the screen until the first frame is drawn.
    const QString home = FAppFolder + QStringLiteral("graphisme/accueil.bmp");
    const QImage picture(home);
    if (picture.isNull()) {
        ReportMissingFile(home);
    } else {
        QPainter painter(&Ecran->Bitmap());
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, picture);
    }

    m_sounds.setAppFolder(FAppFolder);
    m_texts.loadFromAppFolder(FAppFolder);
}

void TfrmMain::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The start-up runs once, on the first show; later shows (a restore
    // from the task bar) leave the game as it is.
    if (!m_shown && !event->spontaneous()) {
        m_shown = true;
        FormShow();
    }
}

void TfrmMain::FormShow()
{
    BuildCombinationLists();
    ResetBoardView();
    ClearGrid();
    GameState = GameState::Home;
    Timer2SplashScreen->start();
}

void TfrmMain::Timer2SplashScreenTimer()
{
    // Layout: the screen at the game's size, the options panel at its place.
    Ecran->resize(1024, 768);
    Panel_Options->setGeometry(871, 151, Panel_Options->width(), 597);
    ImageFonddePanel->setGeometry(Panel_Options->rect());

    // Once only, and before any step that can show a message box.
    Timer2SplashScreen->stop();
    if (frmAbout)
        frmAbout->close();

    FMouse.LeftDown = false;
    FMouse.RightDown = false;

    const QString right = FAppFolder + QStringLiteral("graphisme/R.bmp");
    const QString left = FAppFolder + QStringLiteral("graphisme/L.bmp");
    for (ClickableImage* arrow : {ImageF1D, ImageF2D, ImageF4D})
        loadArrow(arrow, right);
    for (ClickableImage* arrow : {ImageF1G, ImageF2G, ImageF4G})
        loadArrow(arrow, left);

    SetInitialButtons();
    InstallTextFont();
    saveCurrentDisplayMode();
    FillOptionRows();
    SwitchDisplay(true);
    m_displaySwitched = true;
    ReadSettings();
    ChargeGraphismes(themeRowText());

    // No track was chosen yet, so the folder's first one becomes current.
    AjouteListeDeMusiques(FAppFolder + QStringLiteral("Musique/"), ComboBox3->currentText());
    // Nudging the slider runs its change handler, which hands the volume to
    // the music player.
    TrackBarMP3->setValue(TrackBarMP3->value() + 1);
    if (!MusicPaused && FormLecteurMP3)
        FormLecteurMP3->ImageLectureClick(this);
}

void TfrmMain::SetInitialButtons()
{
    for (int i : kDrawnButtons) {
        Buttons[i].Visible = true;
        Buttons[i].Enabled = true;
    }
    HomeScreen.Visible = true;
    MessageWindow.Visible = false;
    MessageWindow.Caption.clear();
    YesButton.Visible = true;
    YesButton.Enabled = true;
    NoButton.Visible = true;
    NoButton.Enabled = true;
    BoardInputBlocked = false;
}

void TfrmMain::InstallTextFont()
{
    TextFontName = FontInstaller::install(FAppFolder, GetShellFolder(QStringLiteral("fonts")));
}

void TfrmMain::FillOptionRows()
{
    for (int level = 0; level < 5; ++level)
        ComboBox2->addItem(FText(Line::levelName(level)));
    setRowText(ComboBox2, FText(Line::FirstLevelName));
    for (int line : {Line::FirstTheme, Line::SecondTheme, Line::ThirdTheme})
        ComboBox1->addItem(FText(line));
    setRowText(ComboBox1, FText(Line::FirstTheme));
    ComboBox4->addItem(FText(Line::DisplayDesktop));
    ComboBox4->addItem(FText(Line::Display1024));
    setRowText(ComboBox4, FText(Line::DisplayDesktop));
}

QString TfrmMain::themeRowText() const
{
    return ComboBox1->currentText();
}

QString TfrmMain::difficultyRowText() const
{
    return ComboBox2->currentText();
}

QString TfrmMain::displayRowText() const
{
    return ComboBox4->currentText();
}

void TfrmMain::ReadSettings()
{
    const GameSettingsValues values = GameSettings::read({FText(Line::DefaultPlayerName), FText(Line::FirstTheme),
                                                          FText(Line::FirstLevelName), FText(Line::DisplayDesktop)});
    // The slider keeps the value within its range.
    TrackBarMP3->setValue(values.volume);
    NomDuJoueur->setText(values.player);
    setRowText(ComboBox1, values.theme);
    setRowText(ComboBox2, values.difficulty);
    setRowText(ComboBox4, values.display);
    MusicPaused = values.musicPaused;
    m_settingsRead = true;
}

void TfrmMain::WriteSettings()
{
    GameSettingsValues values;
    values.volume = TrackBarMP3->value();
    values.player = NomDuJoueur->text();
    values.theme = themeRowText();
    values.difficulty = difficultyRowText();
    values.display = displayRowText();
    values.musicPaused = MusicPaused;
    GameSettings::write(values);
}

void TfrmMain::FormClose()
{
    // A window closed before the start-up ran has read no settings and
    // switched no display: writing its placeholders would lose the player's
    // settings, and there is no saved mode to go back to.
    if (m_settingsRead)
        WriteSettings();
    if (m_displaySwitched)
        SwitchDisplay(false);
    FPickerOpen = false;
    if (FormLecteurMP3) {
        FormLecteurMP3->TimerMP3->stop();
        FormLecteurMP3->TimerDefilement->stop();
    }
    DXTimer->stop();
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    if (!m_closed) {
        m_closed = true;
        FormClose();
    }
    event->accept();
    emit closed();
}
