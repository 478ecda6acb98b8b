#pragma once

#include <QString>

// Installs the game's font and answers the family that drawn text asks for.
// The data folder's graphisme/CHOWFUN_.TTF is copied into the user's fonts
// folder unless a file of that name is already there (a failed copy is not
// reported). With the file in the fonts folder the family is "CHOW FUN";
// otherwise the data folder's file is registered for this process and the
// family is "Courier new".
class FontInstaller
{
public:
    static constexpr const char* kFontFile = "CHOWFUN_.TTF";
    static constexpr const char* kInstalledFamily = "CHOW FUN";
    static constexpr const char* kFallbackFamily = "Courier new";

    // appFolder ends with a separator; fontsFolder is the user's fonts folder
    // (GetShellFolder("fonts")).
    static QString install(const QString& appFolder, const QString& fontsFolder);
};
