#include "SavedGames.h"

#include "AtomicWrite.h"
#include "FileLock.h"
#include "IndexLine.h"
#include "LineFile.h"
#include "ListOrder.h"
#include "SavedGameCodec.h"
#include "StoragePaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

void setError(QString* error, const QString& message)
{
    if (error)
        *error = message;
}

QString unsafeLineMessage(const QString& indexLine)
{
    return QStringLiteral("Nom de partie invalide dans l'index : \"") + indexLine + u'"';
}

} // namespace

bool saveGame(const QString& gamesFolder, const QString& indexLine, const SavedGameRecord& record, QString* error)
{
    if (!isSafeGameFileName(indexLine)) {
        setError(error, unsafeLineMessage(indexLine));
        return false;
    }
    const QString indexPath = saveIndexPath(gamesFolder);
    FileLock lock(indexPath);
    if (!lock.acquire(error))
        return false;
    std::optional<QStringList> lines = readLineFile(indexPath, error);
    if (!lines)
        return false;

    const QString gamePath = gameFilePath(gamesFolder, indexLine);
    const bool replacing = QFileInfo::exists(gamePath);
    if (!writeFileAtomically(gamePath, EncodeSavedGame(record), error))
        return false;
    if (lines->contains(indexLine))
        return true;

    lines->append(indexLine);
    if (writeLineFile(indexPath, *lines, error))
        return true;
    if (!replacing)
        QFile::remove(gamePath);
    return false;
}

std::optional<QStringList> readSavedGameIndex(const QString& gamesFolder, QString* error)
{
    return readLineFile(saveIndexPath(gamesFolder), error);
}

std::optional<QStringList> savedGameChooserEntries(const QString& gamesFolder, bool listSorted, QString* error)
{
    std::optional<QStringList> lines = readSavedGameIndex(gamesFolder, error);
    if (lines && listSorted)
        *lines = sortedLikeListBox(std::move(*lines));
    return lines;
}

std::optional<SavedGameRecord> loadSavedGame(const QString& gamesFolder, const QString& indexLine, QString* error)
{
    if (!isSafeGameFileName(indexLine)) {
        setError(error, unsafeLineMessage(indexLine));
        return std::nullopt;
    }
    const QString gamePath = gameFilePath(gamesFolder, indexLine);
    if (!QFileInfo(gamePath).isFile()) {
        setError(error, QDir::toNativeSeparators(gamePath) + QStringLiteral("Introuvable"));
        return std::nullopt;
    }
    QByteArray bytes;
    if (!readWholeFile(gamePath, &bytes, error))
        return std::nullopt;
    QString why;
    std::optional<SavedGameRecord> record = DecodeSavedGame(bytes, &why);
    if (!record)
        setError(error, QDir::toNativeSeparators(gamePath) + QStringLiteral("\n") + why);
    return record;
}

bool deleteSavedGame(const QString& gamesFolder, const QString& indexLine, QString* error)
{
    const QString indexPath = saveIndexPath(gamesFolder);
    FileLock lock(indexPath);
    if (!lock.acquire(error))
        return false;
    if (!removeLineFromFile(indexPath, indexLine, error))
        return false;
    if (!isSafeGameFileName(indexLine))
        return true;
    std::optional<QStringList> remaining = readLineFile(indexPath, error);
    if (!remaining)
        return false;
    if (remaining->contains(indexLine))
        return true;

    QFile file(gameFilePath(gamesFolder, indexLine));
    if (file.exists() && !file.remove()) {
        setError(error, QStringLiteral("Impossible d'effacer la partie ") + QDir::toNativeSeparators(file.fileName())
                            + QStringLiteral(" : ") + file.errorString());
        return false;
    }
    return true;
}
