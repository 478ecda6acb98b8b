// Loading a theme: the window takes its place on the screen, the pictures
// are loaded into the image lists and the options panel follows the theme.
#include "MainUnit.h"

#include "ClickableImage.h"
#include "PanelStatusBar.h"
#include "ThemeGraphics.h"
#include "UnitePerso.h"

#include <QFontDatabase>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>

void TfrmMain::ChargeGraphismes(const QString& theme)
{
    // The window's size limit caps the height at 768.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int desktopHeight = screen ? screen->geometry().height() : 768;
    setGeometry(0, 0, 1024, desktopHeight);
    FBoardLeft = Image1Virtuel->x();
    FBoardTop = Image1Virtuel->y();

    const ThemeLoadResult loaded =
        loadThemeGraphics(FAppFolder, theme, [this](int n) { return FText(n); });
    Buttons[3].Visible = loaded.printButtonVisible;

    Label6->setText(loaded.label6);
    Label2->setText(loaded.label2);
    Label3->setText(loaded.label3);
    Label1->setText(loaded.label1);
    Label4->setText(loaded.label4);
    if (loaded.labelColor) {
        for (QLabel* label : {Label6, Label2, Label3, Label1, Label4, LabelDefilement}) {
            QPalette pal = label->palette();
            pal.setColor(QPalette::WindowText, *loaded.labelColor);
            label->setPalette(pal);
        }
    }
    if (!loaded.panelBackground.isNull())
        ImageFonddePanel->setPixmap(QPixmap::fromImage(loaded.panelBackground));
    ImageFonddePanel->update();
    Panel_Options->update();

    // The caption of the import image is written over what it holds.
    QPixmap importPicture = ImageBtImportMP3->pixmap();
    if (importPicture.isNull()) {
        importPicture = QPixmap(ImageBtImportMP3->size());
        importPicture.fill(Qt::transparent);
    }
    {
        QPainter painter(&importPicture);
        // Where Impact is not installed the font matcher may offer a symbol
        // font in its place, so the game's own font stands in for it.
        const QString impactName = QStringLiteral("Impact");
        QFont impact(QFontDatabase::hasFamily(impactName) ? impactName : TextFontName);
        impact.setPointSize(8);
        painter.setFont(impact);
        painter.setPen(Qt::black);
        painter.drawText(QPoint(1, 1 + painter.fontMetrics().ascent()), FText(61));
    }
    ImageBtImportMP3->setPixmap(importPicture);

    FGraphicsLoaded = true;
    DXTimer->start();
    StatusBar1->show();
}
