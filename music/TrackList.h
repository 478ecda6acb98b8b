#pragma once

#include <QString>
#include <QStringList>

// The names of the MP3 files of a folder ("*.mp3" in any letter case),
// sorted by name without regard to case; empty for a missing folder.
QStringList mp3FilesIn(const QString& folder);

// Every MP3 file under `root`, its folders walked without following links:
// the full path and the name less its last four characters.
struct FoundTrack {
    QString path;
    QString title;
};
QList<FoundTrack> findMp3Files(const QString& root);
