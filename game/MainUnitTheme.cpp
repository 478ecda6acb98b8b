// Loading a theme: the window takes its place on the screen, the pictures
// are loaded into the image lists and the options panel follows the theme.
#include "MainUnit.h"

#include "ButtonId.h"
#include "ClickableImage.h"
#include "LanguageLines.h"
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

#include <optional>

void TfrmMain::ChargeGraphismes(const QString& theme)
{
    // The window's size limit caps the height at 768.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int desktopHeight = screen ? screen->geometry().height() : 768;
    setGeometry(0, 0, 1024, desktopHeight);

    const ThemeLoadResult loaded =
        loadThemeGraphics(FAppFolder, theme, [this](int n) { return FText(n); });
    applyThemeLabels(loaded.theme);
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
        painter.drawText(QPoint(1, 1 + painter.fontMetrics().ascent()), FText(Line::ImportMp3Caption));
    }
    ImageBtImportMP3->setPixmap(importPicture);

    FGraphicsLoaded = true;
    DXTimer->start();
    StatusBar1->show();
}

void TfrmMain::applyThemeLabels(const QString& theme)
{
    // The print button is offered with the default theme only (exact name).
    Buttons[ButtonId::Print].Visible = theme == FText(Line::FirstTheme);

    Label6->setText(FText(Line::PlayerNameLabel));
    Label2->setText(FText(Line::ThemeLabel));
    Label3->setText(FText(Line::DifficultyLabel));
    Label1->setText(FText(Line::DisplayLabel));
    Label4->setText(FText(Line::MusicLabel));
    // Light text on the dark theme, dark text on the others; a theme the
    // language file does not name keeps the current colour.
    std::optional<QColor> colour;
    if (theme == FText(Line::SecondTheme))
        colour = QColor(Qt::white);
    else if (theme == FText(Line::FirstTheme) || theme == FText(Line::ThirdTheme))
        colour = QColor(Qt::black);
    if (colour) {
        for (QLabel* label : {Label6, Label2, Label3, Label1, Label4, LabelDefilement}) {
            QPalette pal = label->palette();
            pal.setColor(QPalette::WindowText, *colour);
            label->setPalette(pal);
        }
    }
}
