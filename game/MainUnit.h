#pragma once

#include "GameState.h"
#include "GameType.h"
#include "LanguageTexts.h"
#include "MessageWindowHost.h"
#include "MusicHost.h"
#include "NetHost.h"
#include "Sounds.h"
#include "SudokuEngine.h"
#include "TMouseState.h"

#include <QList>
#include <QPair>
#include <QPoint>
#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

class ClickableImage;
class PanelStatusBar;
class ScreenView;
class QAction;
class QComboBox;
class QFileDialog;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPrinter;
class QPushButton;
class QSlider;
class QTimer;
class TfrmMultiplayerSetup;
class TUdpThread;

// The main window: the drawn game screen Ecran with the status bar, the
// options panel and the list window around it. It holds the whole game
// state: the grids and pencil marks (inherited from the engine), the game
// state and clock, the number picker, the mouse as the drawn buttons see it
// and the language lines. Its components keep the names the rest of the game
// uses. The methods are implemented by concern in MainUnit*.cpp, grouped
// below by file.
class TfrmMain : public QWidget, public SudokuEngine, public MessageWindowHost, public MusicHost, public NetHost
{
    Q_OBJECT

public:
    // appFolder is the folder that holds the data (graphisme/, sons/,
    // Textes/, Musique/); empty means the program's own folder.
    explicit TfrmMain(const QString& appFolder = QString(), QWidget* parent = nullptr);
    ~TfrmMain() override;

    // ---- MainUnitComponents.cpp: the window and its components ----
    PanelStatusBar* StatusBar1 = nullptr;
    QTimer* Timer1 = nullptr;
    QFrame* Panel_Options = nullptr;
    QLabel* Image1Virtuel = nullptr;
    QLabel* PanPaused = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QLabel* ImageFonddePanel = nullptr;
    QTimer* Timer2SplashScreen = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QComboBox* ComboBox3 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QTimer* TimerMessage = nullptr;
    QPushButton* Button1 = nullptr;
    QComboBox* ComboBox4 = nullptr;
    QLineEdit* NomDuJoueur = nullptr;
    QLabel* Label1 = nullptr;
    ClickableImage* ImageLecture = nullptr;
    ClickableImage* ImagePause = nullptr;
    ClickableImage* ImageArret = nullptr;
    QListWidget* ListBox = nullptr;
    QLabel* LabelDefilement = nullptr;
    QLabel* Label6 = nullptr;
    ClickableImage* ImageBtImportMP3 = nullptr;
    QFileDialog* OpenDialog1 = nullptr;
    ClickableImage* ImageF4D = nullptr;
    ClickableImage* ImageF4G = nullptr;
    ClickableImage* ImageF2D = nullptr;
    ClickableImage* ImageF2G = nullptr;
    ClickableImage* ImageF1D = nullptr;
    ClickableImage* ImageF1G = nullptr;
    QFrame* Panel1 = nullptr;
    QSlider* TrackBarMP3 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* Effacer = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    ScreenView* Ecran = nullptr;
    QTimer* DXTimer = nullptr;

    // ---- State shared with the rest of the game ----
    QString FShellFolderName;      // "appdata": root of the saved games and scores
    QString FAppFolder;            // data folder, ending with a separator
    bool FGraphicsLoaded = false;  // set by the first theme load; frames draw from then on
    std::uint8_t GameState = GameState::Home;         // values in GameState.h
    double FGameTime = 0.0;        // seconds of play of the current game
    std::uint8_t FGameType = GameType::SinglePlayer;  // values in GameType.h
    bool FForceSolved = false;     // the next completion check counts the grid as solved
    TMouseState FMouse;
    std::uint8_t FErrorFlash = 0;  // frames left of the wrong-digit marking

    // Cell size on the screen. The board's place and size are Image1Virtuel's
    // geometry, the one source of the board origin.
    std::int32_t FCellWidth = 60;
    std::int32_t FCellHeight = 60;

    // Number picker.
    bool FPickerOpen = false;
    std::int32_t FPickerLeft = 0;   // the opened cell's centre minus 90
    std::int32_t FPickerTop = 0;
    std::int32_t FPickerCellX = 0;  // target cell of a placement
    std::int32_t FPickerCellY = 0;
    std::int32_t FPickerHover = -2; // -2 none, 1 eraser, 2..10 digits 1..9
    std::int32_t FHoverX = 0;       // last mouse position used for the item test
    std::int32_t FHoverY = 0;
    std::uint8_t FPickerSpin = 0;   // opening spin, used up by the scene

    // ---- MainUnitStartup.cpp: creation, start-up, close and settings ----
    void FormCreate();
    void FormShow();
    void Timer2SplashScreenTimer();
    void FormClose();
    void InstallTextFont();
    void SetInitialButtons();
    void FillOptionRows();
    void ReadSettings();
    void WriteSettings();
    // Texts of the three option rows as the settings see them.
    QString themeRowText() const;
    QString difficultyRowText() const;
    QString displayRowText() const;

    // ---- MainUnitScene.cpp: the frame loop and the scene ----
    void DXTimerTimerloop();
    void DrawScene();
    void DrawPencilMark(int x, int y, int k);
    void UpdateStatusBar();

    // ---- MainUnitMenus.cpp: button columns, help button, message window ----
    void DrawMenus();

    // ---- MainUnitTexts.cpp: language lines and the status-bar message ----
    QString FText(int n) const override;
    const QStringList& FLangLines() const { return m_texts.FLangLines(); }
    void FMessage(const QString& text);
    void TimerMessageTimer();

    // ---- MainUnitSounds.cpp: the wave sounds ----
    void JoueSon(const QString& name);
    Sounds& sounds() { return m_sounds; }

    // ---- MainUnitMessageWindow.cpp: host of the message windows ----
    QListWidget* ListBox1() override { return m_listBox1; }
    // A yes to the message window of that kind: runs its command and sets
    // the buttons, screens and game state that follow.
    void afterAnswer(std::uint8_t kind) override;
    TMouseState* buttonMouse() override { return &FMouse; }

    // ---- MainUnitTheme.cpp ----
    void ChargeGraphismes(const QString& theme);
    // What the theme decides outside its pictures: the print button and the
    // options panel's label texts and colour.
    void applyThemeLabels(const QString& theme);

    // ---- MainUnitBoardInput.cpp: mouse on Ecran ----
    void EcranMouseDown(Qt::MouseButton button, int x, int y);
    void EcranMouseUp(Qt::MouseButton button, int x, int y);
    void EcranMouseMove(int x, int y);
    // Puts the picker item found under the mouse into the picker's cell.
    void PlacePionDansGrille();
    // The piece of the item under the mouse: -1 the eraser, 0..8 the digits.
    int SelectedPiece() const;

    // ---- MainUnitGameFlow.cpp: the commands of the drawn buttons ----
    void Nouvelle_PartieClick();
    void mnuGenerateClick();
    void BtRejoueClick();
    void ConceptionClick();
    void mnuNewClick();
    void tbPlayClick();
    void valideGrilleClic();
    void PauseGame();
    void ResumeGame();
    void mnuSolveClick();
    // Ends the game when the grid equals the solution (or the developer
    // shortcut armed it) or an opponent finished.
    void CheckCompletion();
    void MnuQuitClick();
    void Quitter_JeuClick();
    void BtOptionsClick();
    void ResetBoardView();
    // Commands that no control runs.
    void mnuResetClick();
    void mnutestClick();
    // A new puzzle at the level named by the difficulty row, under the hourglass.
    using SudokuEngine::GeneratePuzzle;
    void GeneratePuzzle() override;

    // ---- MainUnitClock.cpp: the game clock ----
    void Timer1Timer();
    QString ClockText() const;

    // ---- MainUnitKeyboard.cpp: the key preview and the keys it hands on ----
    // Makes every key released in the window reach FormKeyUp; called once at
    // creation.
    void connectKeyPreview();
    // Key released anywhere in the window (a virtual-key code: '1' is 49).
    void FormKeyUp(int key);

    // ---- MainUnitMultiplayer.cpp: the way into a network game and the battle result ----
    // The home screen's Multiplayer button: after the question when a
    // network game runs, the setup window with a new network thread; on OK
    // the network game it set up is played here.
    void mnuMultiplayerClick();
    // Ends the network game, if one runs: its thread, scores and opponent
    // windows; the home screen's New game is usable again. Every way out of
    // a game calls it.
    void StopNetworkGame();
    // The network game that frmMultiplayerSetup set up becomes the game in
    // play: its type, a joiner's grids, the view of a new game, the clock.
    void TakeOverNetworkGame();
    // The network thread for the setup window; empty: one bound to the first
    // free game port. Raises ENetError when none can be bound.
    std::function<TUdpThread*()> CreateUdpThread;
    // Runs the setup window; empty: its Execute(). True on OK.
    std::function<bool(TfrmMultiplayerSetup& setup)> RunMultiplayerSetup;
    // NetHost: the grids as grid text and the window's frame.
    QString GridToText() const override;
    QString SolutionToText() const override;
    QRect MainWindowGeometry() const override;
    // The result of a finished battle from the scores list's rows (name,
    // score; highest first).
    static QString BattleResultText(const QList<QPair<QString, int>>& rows, double gameTime);
    // Shows the result of the battle just finished, from the scores window.
    void ShowBattleResult();

    // ---- MainUnitCheckHint.cpp: the helps paid for on the clock ----
    void mnuCheckClick();
    void mnuHintClick();

    // ---- MainUnitOptions.cpp: the option rows ----
    // Binds the arrow images; called once at creation.
    void connectOptionsPanel();
    // Steps the row's text through its items: direction 0 previous, 1 next.
    void ChangeCombocontent(QComboBox* row, int direction);
    void ImageF1GClick(QObject* sender);
    void ImageF1DClick(QObject* sender);
    void ImageF2GClick(QObject* sender);
    void ImageF2DClick(QObject* sender);
    // The level whose name equals the difficulty row's text exactly (a later
    // equal name wins); 0 when none does.
    static std::uint8_t LevelFromDifficultyText(const QString& text, const std::array<QString, 5>& levelNames);
    void ImageF4GClick(QObject* sender);
    void ImageF4DClick(QObject* sender);
    void ComboBox1Change(QObject* sender);
    void ComboBox4Change(QObject* sender);

    // ---- MainUnitMusic.cpp: the music controls of the options panel ----
    // Binds the play, pause, stop and import images, the track list and the
    // volume slider; called once at creation.
    void connectMusicControls();
    // Lists the folder's MP3 files in ComboBox3 and makes fileName, or else
    // the first of them, the current track; plays nothing.
    void AjouteListeDeMusiques(const QString& folder, const QString& fileName);
    void ComboBox3Change(QObject* sender);
    void ClicksurLecture(QObject* sender);
    void ImagePauseClick(QObject* sender);
    void ImageArretClick(QObject* sender);
    void TrackBarMP3Change(QObject* sender);
    void ImageBtImportMP3Click(QObject* sender);
    // Asks for the MP3 file to import: its full path, empty when cancelled.
    // Empty function: OpenDialog1.
    std::function<QString()> ChooseMp3File;
    // The directory of ListBox: the folder the track list was filled from.
    QString FMusicFolder;
    QStringList trackNames() const override;
    QString currentTrack() const override;
    void setCurrentTrack(const QString& name) override;
    QString musicFolder() const override;
    void showScrollTitle(const QString& text) override;

    // ---- MainUnitSavedGames.cpp: saved games and the list window ----
    void mnuLoadClick();
    void mnuSaveClick();
    void ChargeJeu();
    void ShowLoadedDifficulty(std::uint8_t level);
    // dataRoot/<FText(Line::ProgramWord)>/Parties, dataRoot being the user's data folder.
    QString gamesFolder() const;
    // Empties ListBox1 and fills it with the lines in the order given; the
    // widget itself never sorts (its order would be case-sensitive).
    void fillListWindow(const QStringList& lines);
    // Row of the entry selected in ListBox1, -1 when none is.
    int selectedListRow() const;
    // The list window's sort mode, carried from one list to the next: the
    // scores switch it on, the rules off, the load chooser keeps it.
    bool FListSorted = true;
    // Grid number of the game in play, kept in saved games (0 for generated
    // and designed games).
    std::int32_t GridNumber = 0;

    // ---- MainUnitPrint.cpp: printing and the metafile export ----
    // Prints the grid on one page through the print dialog.
    void mnuPrintClick();
    // The hidden "Save to Wmf" button: the grid as an enhanced metafile
    // FAppFolder/sudokuN.wmf, N the first number not taken.
    void Button1Click(QObject* sender);
    QString nextPictureFile() const;
    // The printer the print dialog sets up, kept from one print to the next;
    // made at the first print.
    std::shared_ptr<QPrinter> Printer;
    // Shows the print dialog for the printer; true when the player accepted.
    // Empty: the modal PrintDialog1.
    std::function<bool(QPrinter& printer)> RunPrintDialog;

    // ---- MainUnitScores.cpp: scores, rules and list deletions ----
    void AjouteScore();
    void ScoresClick();
    void BtRegleClick();
    // The list's pop-up item: deletes the selected score (window kind
    // Scores) or saved game (kind LoadChooser).
    void EffacerClick();
    // Removes the line of ListBox1's row `entry` from the score file
    // ("scores") or the saved-game index ("charge", the game's file going
    // with it). False with no entry, another word, or a file error (shown
    // in a message box); the entry should then stay listed.
    bool EnleveLigne(const QString& fileWord, int entry);
    // dataRoot/<FText(Line::ProgramWord)>/Scores/Scores.frd.
    QString scoreFile() const;

signals:
    // The window has closed (after FormClose); the program block ends the
    // message loop on it.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // MainUnitComponents.cpp
    void createComponents();
    void createOptionsPanel();
    void createListWindow();
    void createTimers();
    void layOutChildren();

    // MainUnitBoardInput.cpp: a press that reaches the board; true when the
    // board acted on it (opened the picker or took one of its items).
    bool pressOnBoard(Qt::MouseButton button, int x, int y);
    // The picker item (1..10) drawn by the last frame under the point, or -2.
    int pickerItemAt(int x, int y) const;

    // MainUnitMenus.cpp
    void drawGameColumn();
    void drawHomeColumn();
    void drawMessageWindow();
    void runButtonCommand(int button, bool homeColumn);
    // The message window's text as last cut into lines, and those lines.
    QString m_cutLinesText;
    QStringList m_cutLines;

    // The list window of scores, rules and saved games, reached as ListBox1().
    QListWidget* m_listBox1 = nullptr;
    LanguageTexts m_texts;
    Sounds m_sounds;
    bool m_shown = false;
    bool m_closed = false;
    bool m_displaySwitched = false;
    bool m_settingsRead = false;
    bool m_inFrame = false;  // DXTimerTimerloop is running
    // Top-left corners of the picker items 1..10 (at 0..9) as the last frame
    // drew them; none drawn since the picker opened when m_pickerItemsDrawn
    // is false.
    std::array<QPoint, 10> m_pickerItems{};
    bool m_pickerItemsDrawn = false;
};

extern TfrmMain* frmMain;
