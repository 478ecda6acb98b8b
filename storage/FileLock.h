#pragma once

#include <QLockFile>
#include <QString>

#include <chrono>

// Serialises the read-modify-write of one data file (the score file, the
// saved-game index) between copies of the game: a QLockFile named after the
// file plus ".lock", in the same folder. A lock left behind by a copy that
// is no longer running is taken over at once; one held by a running copy is
// waited for up to fileLockWait(). The lock is released when the object goes.
class FileLock {
public:
    explicit FileLock(const QString& filePath);
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Takes the lock, creating the file's folder when missing. When it cannot
    // be had in time returns false and sets *error (when given) to a message
    // for the player; the caller then changes nothing.
    bool acquire(QString* error);

    // The lock file's path for a data file.
    static QString lockPathFor(const QString& filePath);

private:
    QString m_filePath;
    QLockFile m_lock;
};

// How long a change waits for another copy of the game to finish with the
// file: 5 seconds unless set otherwise (tests shorten it).
std::chrono::milliseconds fileLockWait();
void setFileLockWait(std::chrono::milliseconds wait);
