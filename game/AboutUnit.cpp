#include "AboutUnit.h"

#include "MessageBox.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>

TfrmAbout* frmAbout = nullptr;

namespace {

constexpr int kSplashWidth = 415;
constexpr int kSplashHeight = 277;
constexpr double kSplashOpacity = 200.0 / 255.0;

} // namespace

TfrmAbout::TfrmAbout(const QString& appFolder, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::SplashScreen)
    , m_appFolder(appFolder)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Sudoku"));
    setWindowOpacity(kSplashOpacity);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, kSplashWidth, kSplashHeight);
    setFixedSize(kSplashWidth, kSplashHeight);

    FormCreate();
}

void TfrmAbout::FormCreate()
{
    const QString path = m_appFolder + QStringLiteral("graphisme/splash.bmp");
    QPixmap picture(path);
    if (picture.isNull()) {
        // The splash is decoration: without its picture the window stays a
        // plain black rectangle, and the theme loader reports the data folder.
        ReportMissingFile(path);
    } else {
        Image1->setPixmap(picture);
        Image1->resize(picture.size());
        setFixedSize(picture.size());
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
    show();
    repaint();
}
