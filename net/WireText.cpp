#include "WireText.h"

#include "Datagram.h"

#include <QList>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <array>

namespace {

// The characters that Windows-1252 puts at 0x80..0x9F (five of those bytes
// are unassigned). Below 0x80 it is ASCII, from 0xA0 it is Latin-1.
constexpr std::array<char32_t, 27> kHighCharacters = {
    0x20AC, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x017D, 0x2018,
    0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x017E, 0x0178,
};

bool inWindows1252(char32_t c)
{
    return c < 0x80 || (c >= 0xA0 && c <= 0xFF)
           || std::find(kHighCharacters.begin(), kHighCharacters.end(), c) != kHighCharacters.end();
}

} // namespace

QString WireText(const QString& text)
{
    QString result;
    result.reserve(text.size());
    for (const uint code : text.toUcs4()) {
        const char32_t c = code;
        if (inWindows1252(c))
            result += QString::fromUcs4(&c, 1);
        else
            result += QLatin1Char('?');
    }
    return result;
}

QByteArray ToWire(const QString& text)
{
    QStringEncoder encoder("windows-1252");
    return encoder.encode(WireText(text));
}

QString FromWire(std::string_view bytes)
{
    QStringDecoder decoder("windows-1252");
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

NameFault CheckName(const QString& name)
{
    if (name.isEmpty())
        return NameFault::Empty;
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control)
            return NameFault::ControlCharacter;
    }
    if (static_cast<std::size_t>(WireText(name).size()) > datagram::kMaxNameLength)
        return NameFault::TooLong;
    return NameFault::None;
}
