#include "WaveFile.h"

#include <QtEndian>

namespace {

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

QByteArray monoWaveFile(std::span<const std::int16_t> samples, int sampleRate)
{
    constexpr std::uint16_t kBytesPerSample = 2;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);
    const auto rate = static_cast<std::uint32_t>(sampleRate);

    QByteArray wave;
    wave.reserve(44 + static_cast<qsizetype>(dataBytes));
    wave.append("RIFF", 4);
    appendLE32(wave, 36 + dataBytes);
    wave.append("WAVEfmt ", 8);
    appendLE32(wave, 16);
    appendLE16(wave, 1); // PCM
    appendLE16(wave, 1); // mono
    appendLE32(wave, rate);
    appendLE32(wave, rate * kBytesPerSample);
    appendLE16(wave, kBytesPerSample);
    appendLE16(wave, 16);
    wave.append("data", 4);
    appendLE32(wave, dataBytes);
    for (std::int16_t sample : samples)
        appendLE16(wave, static_cast<std::uint16_t>(sample));
    return wave;
}
