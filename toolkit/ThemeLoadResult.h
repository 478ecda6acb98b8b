#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>

#include <optional>

// What a theme load decides for the main window's options panel.
struct ThemeLoadResult {
    QString theme;                    // the theme loaded (FText(38) for an empty name)
    bool printButtonVisible = false;  // for Buttons[3].Visible
    // Texts of Label6, Label2, Label3, Label1, Label4 (lines 66 to 70).
    QString label6;
    QString label2;
    QString label3;
    QString label1;
    QString label4;
    // Font colour of those five labels and LabelDefilement: white for theme
    // FText(39), black for FText(38) and FText(40); none keeps the current one.
    std::optional<QColor> labelColor;
    // The theme's 23.bmp for ImageFonddePanel; null when it could not be
    // read (keep the previous picture then).
    QImage panelBackground;
    // Full paths of the files that were missing or unreadable; each was
    // reported once through ShowMessage.
    QStringList failedFiles;
};
