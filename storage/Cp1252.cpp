#include "Cp1252.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <array>
#include <cassert>

namespace {

// The characters of bytes 80 to 9F, the only part of the code page that
// differs from Latin-1. The five bytes it leaves unassigned stand for the C1
// control of the same value, as Qt's codec decodes and encodes them.
constexpr std::array<char16_t, 32> kUpperControlRow{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool inRepertoire(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return true;
    return std::ranges::find(kUpperControlRow, c) != kUpperControlRow.end();
}

} // namespace

QString decodeCp1252(const QByteArray& bytes)
{
    QStringDecoder decoder("windows-1252");
    return decoder.decode(bytes);
}

QString toCp1252Repertoire(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            out.append(u'?');
            ++i;
        } else if (c.isSurrogate() || !inRepertoire(c.unicode())) {
            out.append(u'?');
        } else {
            out.append(c);
        }
    }
    return out;
}

QByteArray encodeCp1252(const QString& text)
{
    QStringEncoder encoder("windows-1252");
    QByteArray bytes = encoder.encode(toCp1252Repertoire(text));
    assert(!encoder.hasError());
    return bytes;
}
