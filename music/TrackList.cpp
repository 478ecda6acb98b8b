#include "TrackList.h"

#include <QDir>
#include <QDirIterator>

#include <algorithm>

QStringList mp3FilesIn(const QString& folder)
{
    QDir dir(folder);
    dir.setNameFilters({QStringLiteral("*.mp3")});
    dir.setFilter(QDir::Files);
    QStringList names = dir.entryList();
    std::stable_sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return names;
}

QList<FoundTrack> findMp3Files(const QString& root)
{
    QList<FoundTrack> found;
    QDirIterator it(root, {QStringLiteral("*.mp3")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo file = it.nextFileInfo();
        found.append({file.filePath(), file.fileName().chopped(4)});
    }
    return found;
}
