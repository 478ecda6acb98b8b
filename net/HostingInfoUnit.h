#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

// The game that this player hosts: its id, type, the host's own port and the
// roster. Each roster entry is the player's port as 4 upper-case hex digits,
// the player's address, "=", then the name (everything after the first "=",
// never escaped). Entry 0 is the host at "127.0.0.1".
class THostingInfo
{
public:
    // GameId -1, GameType 1, Port 0, no players.
    THostingInfo();
    // A new hosted game: a random id 0..2147483646 from the shared source.
    static THostingInfo CreateHosted(std::uint8_t GameType, int Port);

    // Appends the entry for these values and returns its index.
    int AddPlayer(const QString& Address, int Port, const QString& Name);
    // The roster, each entry followed by CR LF.
    QString GetPlayersText() const;

    std::int32_t GameId = -1;
    std::uint8_t GameType = 1;  // 1 battle, 2 head to head
    std::int32_t Port = 0;
    QStringList Players;
};
