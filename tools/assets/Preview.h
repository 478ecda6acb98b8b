#pragma once

#include <QString>

// Composes screens from a built data folder the way the game layers its
// pictures (home screen, a game in each theme, contact sheets of the theme
// pictures) and saves them as PNG files into `outDir`, for a look by eye.
void writePreviews(const QString& dataDir, const QString& outDir);
