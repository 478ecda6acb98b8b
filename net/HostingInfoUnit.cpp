#include "HostingInfoUnit.h"

#include "HexToInt.h"
#include "Random.h"

THostingInfo::THostingInfo() = default;

THostingInfo THostingInfo::CreateHosted(std::uint8_t GameType, int Port)
{
    THostingInfo info;
    info.GameId = Random(2147483647);
    info.GameType = GameType;
    info.Port = Port;
    return info;
}

int THostingInfo::AddPlayer(const QString& Address, int Port, const QString& Name)
{
    Players.append(IntToHex(Port, 4) + Address + QLatin1Char('=') + Name);
    return static_cast<int>(Players.size()) - 1;
}

QString THostingInfo::GetPlayersText() const
{
    QString text;
    for (const QString& entry : Players)
        text += entry + QStringLiteral("\r\n");
    return text;
}
