#include "Scores.h"

#include "FileLock.h"
#include "LineFile.h"
#include "ListOrder.h"

bool addScoreLine(const QString& scoreFile, const QString& line, QString* error)
{
    FileLock lock(scoreFile);
    return lock.acquire(error) && appendLineToFile(scoreFile, line, error);
}

std::optional<QStringList> scoreListEntries(const QString& scoreFile, QString* error)
{
    std::optional<QStringList> lines = readLineFile(scoreFile, error);
    if (lines)
        *lines = sortedLikeListBox(std::move(*lines));
    return lines;
}

bool removeScoreLine(const QString& scoreFile, const QString& line, QString* error)
{
    FileLock lock(scoreFile);
    return lock.acquire(error) && removeLineFromFile(scoreFile, line, error);
}
