#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

// What a theme load gives back to the main window.
struct ThemeLoadResult {
    QString theme; // the theme loaded (FText(Line::FirstTheme) for an empty name)
    // The theme's 23.bmp for ImageFonddePanel; null when it could not be
    // read (keep the previous picture then).
    QImage panelBackground;
    // Full paths of the files that were missing or unreadable; each was
    // reported once through ShowMessage.
    QStringList failedFiles;
};
