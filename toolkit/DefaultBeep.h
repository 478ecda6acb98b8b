#pragma once

#include <QByteArray>

// A complete RIFF/WAVE file in memory: a short 16-bit mono tone that plays
// when a sound file cannot be played.
QByteArray defaultBeepWave();
