#pragma once

#include <QString>

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
