#pragma once

#include <QByteArray>
#include <QString>

// Replaces the file at path by bytes, or creates it, creating missing parent
// folders first. The bytes go to a temporary file in the same folder that is
// renamed over the old file only once it is complete, so a failure at any
// point (no space, no such folder, a crash) leaves the old file whole.
// On failure returns false and sets *error (when given) to a message naming
// the file and the cause.
bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error);

// Reads a whole file. On failure returns false and sets *error.
bool readWholeFile(const QString& path, QByteArray* bytes, QString* error);
