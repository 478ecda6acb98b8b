#pragma once

#include <QString>

#include <cstdint>
#include <vector>

// One player of a started game: the roster entry as the host sent it (port,
// address, "=", name) and the player's score, 0 at the start.
struct TPlayerEntry
{
    QString Entry;
    int Score = 0;
};

// What a joined player learns from the host's game start.
struct TGameStartInfo
{
    std::vector<TPlayerEntry> Players;  // entry 0 is the host
    int MyIndex = 0;                    // this player's index in Players
    QString Puzzle;                     // grid text, "_" for an empty cell
    QString Solution;                   // grid text of the full solution
};

// Writes a grid text (rows from the top joined by "+", each row's cells from
// the left; a digit or "_") into a grid at x * 9 + y: 0..8 for the digits
// 1..9, 255 for an empty cell or anything else.
inline void ReadGridText(const QString& text, std::uint8_t* grid)
{
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 9; ++x) {
            const qsizetype at = y * 10 + x;
            const QChar c = at < text.size() ? text[at] : QChar();
            grid[x * 9 + y] =
                c >= QLatin1Char('1') && c <= QLatin1Char('9') ? static_cast<std::uint8_t>(c.unicode() - '1') : 255;
        }
    }
}
