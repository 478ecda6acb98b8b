#pragma once

// The lines of the language file that the program reads, by number (the
// first line of the file is line 0). The numbers are those of the language
// files as shipped; they never change. Lines not named here are not read.
namespace Line {

// The program's own word: the name of its folder under the user's
// application-data folder (saved games and scores).
inline constexpr int ProgramWord = 0;
// First answer caption of the message windows; also the in-game quit question.
inline constexpr int Yes = 1;
// Second answer caption of the message windows.
inline constexpr int No = 2;

// Faces 1..18 carry the caption of line face + 1; the Multiplayer face has
// its own line.
constexpr int faceCaption(int face)
{
    return face + 1;
}
inline constexpr int MultiplayerCaption = 75;

inline constexpr int DesignUnsolvable = 20;
// A designed grid accepted: DesignAccepted + " " + DesignLevel + " " + level name + ".".
inline constexpr int DesignAccepted = 21;
inline constexpr int DesignLevel = 22;
// Names of the difficulty levels 0..4 (level L is line FirstLevelName + L);
// the first is also the default difficulty and the level that has the help button.
inline constexpr int FirstLevelName = 23;
constexpr int levelName(int level)
{
    return FirstLevelName + level;
}
inline constexpr int HintWrongDigits = 29;
inline constexpr int HintNothingToShow = 30;
// The win: Won + ". " + WonTime + " " + the time + " ".
inline constexpr int Won = 31;
inline constexpr int WonTime = 32;
inline constexpr int QuitQuestion = 34;
inline constexpr int ReplayQuestion = 35;
// Display-mode names: the desktop's own mode (the default) and 1024 by 768.
inline constexpr int DisplayDesktop = 36;
inline constexpr int Display1024 = 37;
// Theme names, each the name of a theme folder; the first is the default.
inline constexpr int FirstTheme = 38;
inline constexpr int SecondTheme = 39;
inline constexpr int ThirdTheme = 40;
inline constexpr int ScoresText = 46;
// The words written after the minutes and after the seconds of a time.
inline constexpr int Minutes = 47;
inline constexpr int Seconds = 48;
// Score line holding "[name]" and "[date]".
inline constexpr int ScoreLineTemplate = 49;
inline constexpr int GameSaved = 50;
inline constexpr int HintGiven = 51;
// Status-bar texts of the game state.
inline constexpr int StateHomeOrDesign = 54;
inline constexpr int StatePaused = 55;
inline constexpr int StatePlaying = 56;
inline constexpr int ClockStopped = 57;
inline constexpr int FilledCellsLabel = 58;
inline constexpr int GameTimeLabel = 59;
inline constexpr int ImportMp3Caption = 61;
inline constexpr int GridChecked = 62;
inline constexpr int TimeOverAnHour = 64;
inline constexpr int RulesText = 65;
// Option labels of the options panel.
inline constexpr int PlayerNameLabel = 66;
inline constexpr int ThemeLabel = 67;
inline constexpr int DifficultyLabel = 68;
inline constexpr int DisplayLabel = 69;
inline constexpr int MusicLabel = 70;
inline constexpr int LoadChooserText = 71;
// First word of a saved-game index line.
inline constexpr int IndexWord = 72;
inline constexpr int DefaultPlayerName = 73;
// Tool tip of the list window: entries are deleted through its pop-up menu.
inline constexpr int ListDeleteHint = 74;

} // namespace Line
