#include "IndexLine.h"

#include "Cp1252.h"

#include <QFile>

#include <cassert>

namespace {

// The longest file name, in bytes of the file system's encoding, that Linux
// file systems accept.
constexpr qsizetype kMaxFileNameBytes = 255;

// The level name is cut to this many characters in an index line.
constexpr qsizetype kLevelNameLength = 22;

const QString kIndexFileName = QStringLiteral("Save.frd");
// The index's lock file (FileLock), which lies in the games folder too.
const QString kIndexLockFileName = QStringLiteral("Save.frd.lock");

bool unsafeCharacter(QChar c)
{
    return c == u'/' || c == u'\\' || c.category() == QChar::Other_Control;
}

// Bytes of one character in a Linux file name (UTF-8). Only called on text
// in the Windows-1252 repertoire, which holds no surrogates.
qsizetype fileNameBytes(QChar c)
{
    return c.unicode() < 0x80 ? 1 : c.unicode() < 0x800 ? 2 : 3;
}

// The longest start of name that fits kMaxFileNameBytes, in whole characters.
qsizetype fittingLength(const QString& name)
{
    qsizetype bytes = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        bytes += fileNameBytes(name.at(i));
        if (bytes > kMaxFileNameBytes)
            return i;
    }
    return name.size();
}

} // namespace

QString saveTimestampText(const QDateTime& localTime)
{
    const QDate d = localTime.date();
    const QTime t = localTime.time();
    return QString::asprintf("%02d-%02d-%04d %02d H%02d Mn%02d S", d.day(), d.month(), d.year(), t.hour(),
                             t.minute(), t.second());
}

QString buildIndexLine(const QString& firstWord, const QDateTime& localTime, const QString& levelName,
                       const QString& playerName)
{
    const QString level = toCp1252Repertoire(levelName).left(kLevelNameLength);
    return safeGameFileName(firstWord + u' ' + saveTimestampText(localTime) + u' ' + level + u' ' + playerName);
}

QString safeGameFileName(const QString& text)
{
    QString name = toCp1252Repertoire(text);
    for (QChar& c : name)
        if (unsafeCharacter(c))
            c = u'_';
    if (name.isEmpty() || name == QStringLiteral("."))
        name = QStringLiteral("_");
    else if (name == QStringLiteral(".."))
        name = QStringLiteral("__");
    else if (name.compare(kIndexFileName, Qt::CaseInsensitive) == 0
             || name.compare(kIndexLockFileName, Qt::CaseInsensitive) == 0)
        name += u'_';
    // Cutting never forms a new "." or "..": the name is more than 255 bytes long.
    name.truncate(fittingLength(name));
    assert(QFile::encodeName(name).size() <= kMaxFileNameBytes);
    return name;
}

bool isSafeGameFileName(const QString& text)
{
    return safeGameFileName(text) == text;
}
