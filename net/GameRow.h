#pragma once

#include <QDateTime>
#include <QString>

#include <cstdint>

// A game that answered a locate request, as the setup window lists it.
struct TGameRow
{
    QString Host;             // the host player's name, for display
    int Players = 0;          // players in the roster, host included
    QString TypeName;         // "Sudoku battle" or "Sudoku head to head"
    std::uint8_t GameType = 0;
    std::uint32_t Heard = 0;  // when the reply came, as an MS-DOS date and time
    QString Address;          // the host's address, as the reply came from it
    QString Port;             // the host's port, 4 hex digits
    std::int32_t GameId = -1;
};

// The name of game type 1 or 2; empty for any other.
QString GameTypeName(int gameType);

// MS-DOS date and time of a local time: date in the high 16 bits (years from
// 1980, month, day), time in the low 16 bits (hours, minutes, seconds / 2).
std::uint32_t DateTimeToDosDateTime(const QDateTime& time);
// The local time that an MS-DOS date and time stands for; invalid when the
// fields are not a date and time.
QDateTime DosDateTimeToDateTime(std::uint32_t dosTime);
