// The main window's construction: its components with their places and
// settings, the timers and their handlers, and the child layout.
#include "MainUnit.h"

#include "ClickableImage.h"
#include "DebugUnit.h"
#include "Fenetres.h"
#include "LecteurMP3Unit.h"
#include "LimitedLineEdit.h"
#include "MessageBox.h"
#include "PanelStatusBar.h"
#include "ScreenView.h"
#include "UnitePerso.h"

#include <QAction>
#include <QComboBox>
#include <QCompleter>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QSlider>
#include <QTimer>

TfrmMain* frmMain = nullptr;

namespace {

constexpr int kStatusBarHeight = 20;

QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption, const QRect& place)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(place);
    QFont font = label->font();
    font.setBold(true);
    font.setPixelSize(13);
    label->setFont(font);
    label->setAttribute(Qt::WA_TranslucentBackground);
    return label;
}

ClickableImage* makeImage(QWidget* parent, const char* name, const QRect& place)
{
    auto* image = new ClickableImage(parent);
    image->setObjectName(QLatin1String(name));
    image->setGeometry(place);
    return image;
}

// A simple-style combo box of the options panel: an edit line holding the
// row's text over its item list.
QComboBox* makeRow(QWidget* parent, const char* name, const QRect& place)
{
    auto* row = new QComboBox(parent);
    row->setObjectName(QLatin1String(name));
    row->setEditable(true);
    row->setInsertPolicy(QComboBox::NoInsert);
    row->setGeometry(place);
    row->setFocusPolicy(Qt::NoFocus);
    row->setCursor(Qt::PointingHandCursor);
    return row;
}

// The small pictures of the music controls until the music player gives
// them their own.
QPixmap controlPicture(int kind)
{
    QPixmap picture(21, 17);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    if (kind == 0) {
        const QPointF triangle[3] = {{6, 2}, {17, 8.5}, {6, 15}};
        p.drawPolygon(triangle, 3);
    } else if (kind == 1) {
        p.drawRect(5, 2, 4, 13);
        p.drawRect(12, 2, 4, 13);
    } else {
        p.drawRect(5, 2, 11, 13);
    }
    return picture;
}

} // namespace

TfrmMain::TfrmMain(const QString& appFolder, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint)
{
    FAppFolder = appFolder.isEmpty() ? QCoreApplication::applicationDirPath() : appFolder;
    if (!FAppFolder.endsWith(QLatin1Char('/')))
        FAppFolder += QLatin1Char('/');

    createComponents();
    connectOptionsPanel();
    connectKeyPreview();
    connectMusicControls();
    setScreenBitmap(&Ecran->Bitmap());
    setMessageWindowHost(this);
    setMessageParent(this);
    SetDebugSink([](const std::string& note) {
        if (frmDebug)
            frmDebug->addLine(QString::fromStdString(note));
    });

    FormCreate();
}

TfrmMain::~TfrmMain()
{
    if (screenBitmap() == &Ecran->Bitmap())
        setScreenBitmap(nullptr);
    if (messageWindowHost() == this)
        setMessageWindowHost(nullptr);
    if (messageParent() == this)
        setMessageParent(nullptr);
    if (frmMain == this)
        frmMain = nullptr;
    if (FormLecteurMP3 && FormLecteurMP3->host() == this)
        FormLecteurMP3->setHost(nullptr);
}

void TfrmMain::createComponents()
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Sudoku"));
    setMinimumSize(652, 492);
    setMaximumSize(1032, 768);
    resize(1016, 700);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);
    QFont windowFont(QStringLiteral("MS Sans Serif"));
    windowFont.setPixelSize(11);
    setFont(windowFont);

    // The screen goes first so that every other control stands above it.
    Ecran = new ScreenView(this);
    Ecran->setObjectName(QStringLiteral("Ecran"));
    Ecran->setGeometry(0, 0, 1016, 680);
    // The screen bitmap is always the game's 1024 by 768; pictures are drawn on it.
    Ecran->Bitmap() = QImage(1024, 768, QImage::Format_ARGB32_Premultiplied);
    Ecran->Bitmap().fill(Qt::black);
    connect(Ecran, &ScreenView::mouseDown, this, &TfrmMain::EcranMouseDown);
    connect(Ecran, &ScreenView::mouseUp, this, &TfrmMain::EcranMouseUp);
    connect(Ecran, &ScreenView::mouseMove, this, &TfrmMain::EcranMouseMove);

    StatusBar1 = new PanelStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setGeometry(0, 680, 1016, kStatusBarHeight);
    StatusBar1->addPanel(QStringLiteral("Pions:"), 100);
    StatusBar1->addPanel(QStringLiteral("Time: n/a"), 250);
    StatusBar1->addPanel(QString(), 100);
    StatusBar1->addPanel(QString(), 0);
    StatusBar1->addPanel(QString(), 300);
    StatusBar1->setAutoFillBackground(true);
    StatusBar1->hide();

    Image1Virtuel = new QLabel(this);
    Image1Virtuel->setObjectName(QStringLiteral("Image1Virtuel"));
    Image1Virtuel->setGeometry(298, 140, 540, 540);
    Image1Virtuel->setCursor(Qt::PointingHandCursor);
    Image1Virtuel->hide();

    createOptionsPanel();
    createListWindow();

    ListBox = new QListWidget(this);
    ListBox->setObjectName(QStringLiteral("ListBox"));
    ListBox->setGeometry(720, 8, 89, 65);
    ListBox->hide();

    OpenDialog1 = new QFileDialog(this);
    OpenDialog1->setObjectName(QStringLiteral("OpenDialog1"));
    OpenDialog1->setNameFilter(QStringLiteral("Musiques MP3 (*.mp3)"));
    OpenDialog1->hide();

    createTimers();
}

void TfrmMain::createOptionsPanel()
{
    Panel_Options = new QFrame(this);
    Panel_Options->setObjectName(QStringLiteral("Panel_Options"));
    Panel_Options->setGeometry(865, 148, 153, 569);
    Panel_Options->setFrameShape(QFrame::NoFrame);
    Panel_Options->setAutoFillBackground(true);
    QPalette navy = Panel_Options->palette();
    navy.setColor(QPalette::Window, QColor(0, 0, 128));
    Panel_Options->setPalette(navy);
    Panel_Options->hide();
    QWidget* panel = Panel_Options;

    ImageFonddePanel = new QLabel(panel);
    ImageFonddePanel->setObjectName(QStringLiteral("ImageFonddePanel"));
    ImageFonddePanel->setGeometry(0, 0, 153, 569);
    ImageFonddePanel->setScaledContents(true);

    PanPaused = new QLabel(QStringLiteral("PanPaused"), panel);
    PanPaused->setObjectName(QStringLiteral("PanPaused"));
    PanPaused->setGeometry(8, 336, 129, 33);
    PanPaused->setAlignment(Qt::AlignCenter);
    PanPaused->setFrameStyle(QFrame::Panel | QFrame::Raised);
    PanPaused->setAutoFillBackground(true);
    PanPaused->hide();

    ComboBox1 = makeRow(panel, "ComboBox1", QRect(24, 175, 103, 20));
    ComboBox1->setEditText(QStringLiteral("Chiffres Bois (defaut)"));
    ComboBox1->setEnabled(false);
    ComboBox1->hide();

    ComboBox2 = makeRow(panel, "ComboBox2", QRect(24, 30, 102, 20));
    QFont bold = ComboBox2->font();
    bold.setBold(true);
    ComboBox2->setFont(bold);
    ComboBox2->setEnabled(false);
    ComboBox2->hide();

    ComboBox3 = new QComboBox(panel);
    ComboBox3->setObjectName(QStringLiteral("ComboBox3"));
    ComboBox3->setGeometry(3, 425, 140, 21);
    ComboBox3->setEditable(true);
    ComboBox3->setInsertPolicy(QComboBox::NoInsert);
    ComboBox3->setLineEdit(new LimitedLineEdit(QString(), 20, ComboBox3));
    // A new edit field brings Qt's inline completer; this one instead drops
    // the whole list down as soon as the player types, while the keys go on
    // to the edit field, and completes nothing. Case counts, as in file names.
    auto* dropDown = new QCompleter(ComboBox3->model(), ComboBox3);
    dropDown->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    dropDown->setCaseSensitivity(Qt::CaseSensitive);
    ComboBox3->setCompleter(dropDown);
    ComboBox3->setFont(bold);
    ComboBox3->setCursor(Qt::PointingHandCursor);

    Label2 = makeLabel(panel, "Label2", QStringLiteral("Theme :"), QRect(26, 156, 57, 16));
    Label3 = makeLabel(panel, "Label3", QStringLiteral("Difficulté :"), QRect(25, 198, 69, 16));
    Label4 = makeLabel(panel, "Label4", QStringLiteral("Musique :"), QRect(28, 406, 67, 16));

    Button1 = new QPushButton(QStringLiteral("Save to Wmf"), panel);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(8, 312, 75, 25);
    Button1->hide();
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(Button1); });

    ComboBox4 = makeRow(panel, "ComboBox4", QRect(24, 262, 104, 19));
    QPalette red = ComboBox4->palette();
    red.setColor(QPalette::Text, Qt::red);
    ComboBox4->setPalette(red);
    ComboBox4->setEnabled(false);
    ComboBox4->hide();

    NomDuJoueur = new LimitedLineEdit(QStringLiteral("Joueur"), 9, panel);
    NomDuJoueur->setObjectName(QStringLiteral("NomDuJoueur"));
    NomDuJoueur->setGeometry(26, 90, 121, 19);
    NomDuJoueur->setFont(bold);

    Label1 = makeLabel(panel, "Label1", QStringLiteral("Affichage :"), QRect(25, 245, 74, 16));
    Label1->hide();

    ImageLecture = makeImage(panel, "ImageLecture", QRect(5, 496, 21, 17));
    ImageLecture->setPixmap(controlPicture(0));
    ImagePause = makeImage(panel, "ImagePause", QRect(37, 496, 21, 17));
    ImagePause->setPixmap(controlPicture(1));
    ImageArret = makeImage(panel, "ImageArret", QRect(69, 496, 21, 17));
    ImageArret->setPixmap(controlPicture(2));

    LabelDefilement = new QLabel(panel);
    LabelDefilement->setObjectName(QStringLiteral("LabelDefilement"));
    LabelDefilement->setGeometry(5, 386, 139, 13);
    LabelDefilement->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont titleFont = LabelDefilement->font();
    titleFont.setBold(true);
    titleFont.setPixelSize(11);
    LabelDefilement->setFont(titleFont);
    QPalette white = LabelDefilement->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    LabelDefilement->setPalette(white);
    LabelDefilement->setAttribute(Qt::WA_TranslucentBackground);

    Label6 = makeLabel(panel, "Label6", QStringLiteral("Nom du joueur :"), QRect(26, 69, 109, 16));

    ImageBtImportMP3 = makeImage(panel, "ImageBtImportMP3", QRect(8, 530, 100, 17));
    // A plain light plate on which the theme load writes the caption.
    QPixmap importPicture(100, 17);
    importPicture.fill(QColor(240, 228, 200));
    {
        QPainter p(&importPicture);
        p.setPen(QColor(90, 60, 30));
        p.drawRect(importPicture.rect().adjusted(0, 0, -1, -1));
    }
    ImageBtImportMP3->setPixmap(importPicture);

    ImageF4D = makeImage(panel, "ImageF4D", QRect(127, 264, 21, 17));
    ImageF4D->hide();
    ImageF4G = makeImage(panel, "ImageF4G", QRect(3, 263, 21, 17));
    ImageF4G->hide();
    ImageF2D = makeImage(panel, "ImageF2D", QRect(129, 217, 21, 17));
    ImageF2G = makeImage(panel, "ImageF2G", QRect(3, 217, 21, 17));
    ImageF1D = makeImage(panel, "ImageF1D", QRect(127, 176, 21, 17));
    ImageF1G = makeImage(panel, "ImageF1G", QRect(3, 177, 21, 17));

    Panel1 = new QFrame(panel);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(115, 464, 25, 81);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setAutoFillBackground(true);
    QPalette panelWhite = Panel1->palette();
    panelWhite.setColor(QPalette::Window, Qt::white);
    Panel1->setPalette(panelWhite);

    TrackBarMP3 = new QSlider(Qt::Vertical, Panel1);
    TrackBarMP3->setObjectName(QStringLiteral("TrackBarMP3"));
    TrackBarMP3->setGeometry(1, -5, 20, 89);
    TrackBarMP3->setRange(0, 1000);
    TrackBarMP3->setValue(500);
    TrackBarMP3->setToolTip(QStringLiteral("Volume"));
    // Marks at the two ends only: Qt spaces marks evenly, and one interval
    // as long as the range puts them at 0 and 1000. On both sides, so that
    // the handle keeps the middle of this narrow slider.
    TrackBarMP3->setTickPosition(QSlider::TicksBothSides);
    TrackBarMP3->setTickInterval(1000);
    TrackBarMP3->setCursor(Qt::PointingHandCursor);
    // Position 0 at the top, as the volume reads it (1000 - position): up is
    // louder, for the mouse, the wheel and the keys alike.
    TrackBarMP3->setInvertedAppearance(true);
    TrackBarMP3->setInvertedControls(true);

    Edit1 = new QLineEdit(panel);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(24, 217, 105, 19);
    Edit1->setReadOnly(true);
    Edit1->setFont(bold);
    Edit2 = new QLineEdit(panel);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setGeometry(24, 176, 105, 19);
    Edit2->setReadOnly(true);
    Edit2->setFont(bold);
}

void TfrmMain::createListWindow()
{
    m_listBox1 = new QListWidget(this);
    m_listBox1->setObjectName(QStringLiteral("ListBox1"));
    m_listBox1->setGeometry(270, 256, 484, 193);
    // Never sorted by the widget: the game orders the lines itself (FListSorted).
    m_listBox1->setSortingEnabled(false);
    QFont listFont(QStringLiteral("Arial Black"));
    listFont.setItalic(true);
    listFont.setPixelSize(11);
    m_listBox1->setFont(listFont);
    QPalette tooltip = m_listBox1->palette();
    tooltip.setColor(QPalette::Base, tooltip.color(QPalette::ToolTipBase));
    m_listBox1->setPalette(tooltip);
    m_listBox1->setToolTip(QStringLiteral("Effacer"));
    m_listBox1->hide();

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    Effacer = new QAction(QStringLiteral("Effacer"), this);
    Effacer->setObjectName(QStringLiteral("Effacer"));
    PopupMenu1->addAction(Effacer);
    // The list's pop-up: the message windows switch it on and off.
    m_listBox1->addAction(Effacer);
    m_listBox1->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(Effacer, &QAction::triggered, this, &TfrmMain::EffacerClick);
}

void TfrmMain::createTimers()
{
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &TfrmMain::Timer1Timer);

    Timer2SplashScreen = new QTimer(this);
    Timer2SplashScreen->setObjectName(QStringLiteral("Timer2SplashScreen"));
    Timer2SplashScreen->setInterval(500);
    connect(Timer2SplashScreen, &QTimer::timeout, this, &TfrmMain::Timer2SplashScreenTimer);

    TimerMessage = new QTimer(this);
    TimerMessage->setObjectName(QStringLiteral("TimerMessage"));
    TimerMessage->setInterval(5000);
    connect(TimerMessage, &QTimer::timeout, this, &TfrmMain::TimerMessageTimer);
    TimerMessage->start();

    DXTimer = new QTimer(this);
    DXTimer->setObjectName(QStringLiteral("DXTimer"));
    DXTimer->setInterval(25);
    connect(DXTimer, &QTimer::timeout, this, &TfrmMain::DXTimerTimerloop);
    DXTimer->start();
}

void TfrmMain::layOutChildren()
{
    // The screen fills the window; the status bar lies along its bottom edge.
    Ecran->setGeometry(rect());
    StatusBar1->setGeometry(0, height() - kStatusBarHeight, width(), kStatusBarHeight);
}

void TfrmMain::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layOutChildren();
}
