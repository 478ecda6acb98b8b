#include "ScrollText.h"

#include <cmath>

namespace {

QString twoDigits(std::int64_t n)
{
    return n < 10 ? QStringLiteral("0") + QString::number(n) : QString::number(n);
}

} // namespace

QStringList scrollCharsFor(const QString& title, std::int64_t lengthMs)
{
    // nearbyint rounds a half to the even neighbour in the default mode.
    const auto seconds = static_cast<std::int64_t>(std::nearbyint(static_cast<double>(lengthMs) / 1000.0));
    const QString text = title + QStringLiteral("  (") + twoDigits(seconds / 60) + QLatin1Char(':')
                         + twoDigits(seconds % 60) + QStringLiteral(")  **  ");
    // One element a character: a character outside the 16-bit range (two
    // UTF-16 units) stays whole, so that no window shows half of it.
    QStringList chars;
    chars.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const qsizetype units = pair ? 2 : 1;
        chars << text.mid(i, units);
        i += units - 1;
    }
    return chars;
}

QString scrollWindow(const QStringList& chars, int pos)
{
    const int count = static_cast<int>(chars.size());
    QString text;
    if (count > kScrollWidth) {
        int taken = 0;
        for (int i = pos; i < count && taken < kScrollWidth; ++i, ++taken)
            text += chars[i];
        if (pos > 0)
            for (int i = 0; taken < kScrollWidth; ++i, ++taken)
                text += chars[i];
    } else {
        for (int i = pos; i < count; ++i)
            text += chars[i];
        for (int i = 0; i < pos && i < count; ++i)
            text += chars[i];
    }
    return text;
}
