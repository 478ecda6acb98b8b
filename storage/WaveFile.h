#pragma once

#include <QByteArray>

#include <cstdint>
#include <span>

// A complete RIFF/WAVE file in memory: a 44-byte header for 16-bit PCM mono
// at sampleRate, then the samples, little-endian. The effect sounds the
// asset maker writes, the program's fallback beep and the tests' sounds all
// take this layout.
QByteArray monoWaveFile(std::span<const std::int16_t> samples, int sampleRate);
