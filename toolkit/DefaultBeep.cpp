#include "DefaultBeep.h"

#include "WaveFile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace {

constexpr int kSampleRate = 22050;
constexpr int kDurationMs = 150;
constexpr double kFrequency = 880.0;
constexpr double kAmplitude = 0.4 * 32767;
// Ramps at both ends keep the tone from clicking.
constexpr int kRampSamples = kSampleRate / 200;

} // namespace

QByteArray defaultBeepWave()
{
    constexpr int sampleCount = kSampleRate * kDurationMs / 1000;
    std::vector<std::int16_t> samples(sampleCount);
    for (int i = 0; i < sampleCount; ++i) {
        const int edge = std::min(i, sampleCount - 1 - i);
        const double envelope = edge < kRampSamples ? double(edge) / kRampSamples : 1.0;
        const double value = kAmplitude * envelope * std::sin(2 * std::numbers::pi * kFrequency * i / kSampleRate);
        samples[i] = static_cast<std::int16_t>(std::lround(value));
    }
    return monoWaveFile(samples, kSampleRate);
}
