#include "Cp1252.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <array>
#include <cassert>

namespace {

// The characters of bytes 80 to 9F, the only part of the code page that
// differs from Latin-1; taken from Qt's own codec so that both directions
// agree with it.
const std::array<char16_t, 32>& upperControlRow()
{
    static const std::array<char16_t, 32> row = [] {
        QStringDecoder decoder("windows-1252");
        assert(decoder.isValid());
        QByteArray bytes(32, '\0');
        for (int i = 0; i < 32; ++i)
            bytes[i] = static_cast<char>(0x80 + i);
        const QString text = decoder.decode(bytes);
        assert(text.size() == 32);
        std::array<char16_t, 32> chars{};
        for (int i = 0; i < 32; ++i)
            chars[static_cast<std::size_t>(i)] = text.at(i).unicode();
        return chars;
    }();
    return row;
}

bool inRepertoire(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return true;
    for (char16_t d : upperControlRow())
        if (d == c)
            return true;
    return false;
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
