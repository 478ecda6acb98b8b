#include "GameRow.h"

QString GameTypeName(int gameType)
{
    switch (gameType) {
    case 1:
        return QStringLiteral("Sudoku battle");
    case 2:
        return QStringLiteral("Sudoku head to head");
    default:
        return QString();
    }
}

std::uint32_t DateTimeToDosDateTime(const QDateTime& time)
{
    const QDateTime local = time.toLocalTime();
    const QDate d = local.date();
    const QTime t = local.time();
    const std::uint32_t date = static_cast<std::uint32_t>(((d.year() - 1980) << 9) | (d.month() << 5) | d.day());
    const std::uint32_t clock = static_cast<std::uint32_t>((t.hour() << 11) | (t.minute() << 5) | (t.second() / 2));
    return (date << 16) | clock;
}

QDateTime DosDateTimeToDateTime(std::uint32_t dosTime)
{
    const std::uint32_t date = dosTime >> 16;
    const std::uint32_t clock = dosTime & 0xFFFF;
    const QDate d(static_cast<int>(1980 + (date >> 9)), static_cast<int>((date >> 5) & 0xF),
                  static_cast<int>(date & 0x1F));
    const QTime t(static_cast<int>(clock >> 11), static_cast<int>((clock >> 5) & 0x3F),
                  static_cast<int>((clock & 0x1F) * 2));
    if (!d.isValid() || !t.isValid())
        return QDateTime();
    return QDateTime(d, t);
}
