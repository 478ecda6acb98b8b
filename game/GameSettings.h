#pragma once

#include <QString>

#include <optional>

// The six values the game keeps between runs, as the main window holds them.
struct GameSettingsValues
{
    int volume = 500;          // volume slider position, 0..1000 once on the slider
    QString player;            // player-name field
    QString theme;             // theme row (a theme folder's name)
    QString difficulty;        // difficulty row (a level name)
    QString display;           // display row (a display-mode name)
    bool musicPaused = false;  // the music player's paused flag
};

// The user's settings store: organisation "BRINDLEX", application "Sudoku",
// all six values as strings in the one group "Settings". Reading and writing
// open the store each time. A value that is missing, of another type or not
// a valid integer where one is expected takes its default; failures are not
// reported.
class GameSettings
{
public:
    static constexpr const char* kOrganisation = "BRINDLEX";
    static constexpr const char* kApplication = "Sudoku";
    static constexpr const char* kGroup = "Settings";
    static constexpr int kDefaultVolume = 500;

    // The texts used where a value is absent; volume and music have fixed
    // defaults (500, not paused).
    struct Defaults
    {
        QString player;
        QString theme;
        QString difficulty;
        QString display;
    };

    static GameSettingsValues read(const Defaults& defaults);
    static void write(const GameSettingsValues& values);

    // A whole decimal number that fits 32 bits, with an optional sign and no
    // blanks; anything else gives nothing.
    static std::optional<int> parseInteger(const QString& text);
};
