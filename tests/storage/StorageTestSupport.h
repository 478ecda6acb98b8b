#pragma once

#include "SavedGameRecord.h"

#include <QByteArray>
#include <QString>

#include <sys/resource.h>

// Bytes of a file; empty when it cannot be read.
QByteArray fileBytes(const QString& path);

// Writes bytes as the whole file, creating its folder.
void putFile(const QString& path, const QByteArray& bytes);

// A record with every field set to something other than its default.
SavedGameRecord sampleRecord();

// While alive, writing a file beyond maxBytes fails (EFBIG; the signal is
// ignored). Permissions do not stop root, so tests make writes fail this way.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t maxBytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_saved{};
    void (*m_savedHandler)(int) = nullptr;
};
