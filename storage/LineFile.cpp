#include "LineFile.h"

#include "AtomicWrite.h"
#include "Cp1252.h"

#include <QFileInfo>

QStringList splitTextLines(const QByteArray& bytes)
{
    QStringList lines;
    qsizetype start = 0;
    qsizetype i = 0;
    const qsizetype size = bytes.size();
    while (i < size) {
        const char c = bytes.at(i);
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        lines.append(decodeCp1252(bytes.mid(start, i - start)));
        i += (c == '\r' && i + 1 < size && bytes.at(i + 1) == '\n') ? 2 : 1;
        start = i;
    }
    if (start < size)
        lines.append(decodeCp1252(bytes.mid(start)));
    return lines;
}

QByteArray joinTextLines(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes.append(encodeCp1252(line));
        bytes.append("\r\n");
    }
    return bytes;
}

std::optional<QStringList> readLineFile(const QString& path, QString* error)
{
    if (!QFileInfo::exists(path))
        return QStringList();
    QByteArray bytes;
    if (!readWholeFile(path, &bytes, error))
        return std::nullopt;
    return splitTextLines(bytes);
}

bool writeLineFile(const QString& path, const QStringList& lines, QString* error)
{
    return writeFileAtomically(path, joinTextLines(lines), error);
}

bool appendLineToFile(const QString& path, const QString& line, QString* error)
{
    std::optional<QStringList> lines = readLineFile(path, error);
    if (!lines)
        return false;
    lines->append(line);
    return writeLineFile(path, *lines, error);
}

bool removeLineFromFile(const QString& path, const QString& line, QString* error, bool* removed)
{
    if (removed)
        *removed = false;
    std::optional<QStringList> lines = readLineFile(path, error);
    if (!lines)
        return false;
    const qsizetype index = lines->indexOf(line);
    if (index < 0)
        return true;
    lines->removeAt(index);
    if (!writeLineFile(path, *lines, error))
        return false;
    if (removed)
        *removed = true;
    return true;
}
