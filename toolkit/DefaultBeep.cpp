#include "DefaultBeep.h"

#include <QtEndian>

#include <algorithm>

#include <cmath>
#include <cstdint>
#include <numbers>

namespace {

constexpr int kSampleRate = 22050;
constexpr int kDurationMs = 150;
constexpr double kFrequency = 880.0;
constexpr double kAmplitude = 0.4 * 32767;
// Ramps at both ends keep the tone from clicking.
constexpr int kRampSamples = kSampleRate / 200;

void appendLE32(QByteArray& out, std::uint32_t value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

void appendLE16(QByteArray& out, std::uint16_t value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

} // namespace

QByteArray defaultBeepWave()
{
    constexpr int sampleCount = kSampleRate * kDurationMs / 1000;
    constexpr std::uint32_t dataBytes = sampleCount * 2;

    QByteArray wave;
    wave.reserve(44 + static_cast<int>(dataBytes));
    wave.append("RIFF", 4);
    appendLE32(wave, 36 + dataBytes);
    wave.append("WAVEfmt ", 8);
    appendLE32(wave, 16);
    appendLE16(wave, 1); // PCM
    appendLE16(wave, 1); // mono
    appendLE32(wave, kSampleRate);
    appendLE32(wave, kSampleRate * 2);
    appendLE16(wave, 2);
    appendLE16(wave, 16);
    wave.append("data", 4);
    appendLE32(wave, dataBytes);

    for (int i = 0; i < sampleCount; ++i) {
        const int edge = std::min(i, sampleCount - 1 - i);
        const double envelope = edge < kRampSamples ? double(edge) / kRampSamples : 1.0;
        const double value = kAmplitude * envelope * std::sin(2 * std::numbers::pi * kFrequency * i / kSampleRate);
        appendLE16(wave, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(value))));
    }
    return wave;
}
