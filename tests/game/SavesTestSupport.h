#pragma once

#include "GameTestSupport.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <ostream>

// Readable failure messages for texts and lists of texts.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

// What a loaded or refused game may change: the grids, the marks, the
// player, the level and its name, the clock and the state.
struct GameSnapshot
{
    std::array<std::uint8_t, 81> current{}, solution{}, givens{};
    std::array<std::uint8_t, 729> marks{};
    QString player;
    std::uint8_t level = 0;
    QString difficulty;
    double time = 0.0;
    std::int32_t gridNumber = 0;
    std::uint8_t state = 0;
    bool homeScreen = false;

    bool operator==(const GameSnapshot&) const = default;
};

GameSnapshot snapshotOf(TfrmMain& window);

// A started main window whose user data folder (saved games, scores) starts
// empty in every test.
class SavesWindowTest : public GameWindowTest
{
protected:
    void SetUp() override;

    // The user's data folder and the files the game keeps there.
    QString dataRoot() const;
    QString indexFile();
    QString scoresFile();

    // A generated game started from the home screen's new-game button, then
    // changed the way a player would: a few digits and pencil marks, a name,
    // some time on the clock.
    void startPlayedGame(const QString& player, double time);

    // Presses a drawn button of the column that shows it (in-game or home).
    void clickButton(int button);
    // Answers the open message window with its yes or no button.
    void answer(bool yes);

    // The entries of the list window, top to bottom.
    QStringList listEntries();
    // Selects the entry with this text; false when it is not listed.
    bool selectEntry(const QString& text);

    // The lines of a text file as the game writes them (CR LF), or
    // {"<missing>"}.
    static QStringList fileLines(const QString& path);
    static void writeLines(const QString& path, const QStringList& lines);
};
