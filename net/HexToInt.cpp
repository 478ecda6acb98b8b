#include "HexToInt.h"

#include "Datagram.h"
#include "NetError.h"

int HexToInt(const QString& Text)
{
    const QByteArray latin = Text.toLatin1();
    const std::optional<std::int32_t> value = datagram::hexToInt(std::string_view(latin.constData(), latin.size()));
    if (!value)
        throw EConvertError("'" + Text.toStdString() + "' is not a valid integer value");
    return *value;
}

QString IntToHex(int Value, int Digits)
{
    return QString::fromStdString(datagram::intToHex(Value, Digits));
}
