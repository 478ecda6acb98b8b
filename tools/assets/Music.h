#pragma once

#include <QString>
#include <QStringList>

// The background music tracks: short pieces composed here from a chord
// progression and a seeded melody, played by a few synthesised instruments
// and written as MP3 files into `folder`. Returns the file names.
QStringList writeMusic(const QString& folder);
