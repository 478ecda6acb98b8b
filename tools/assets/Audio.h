#pragma once

#include <QString>

#include <cmath>
#include <vector>

// Sample buffers and the two file formats the game plays: 16-bit PCM wave
// files for effects and MP3 for music.
namespace audio {

constexpr int kRate = 44100;

using Mono = std::vector<float>;

struct Stereo {
    Mono left, right;
};

inline int samplesFor(double seconds) { return static_cast<int>(seconds * kRate + 0.5); }
inline double midiToHz(double note) { return 440.0 * std::pow(2.0, (note - 69.0) / 12.0); }

// Adds `src` into `dst` starting at sample `at`, growing `dst` as needed.
void mixInto(Mono& dst, const Mono& src, int at, float gain = 1.0f);

// Scales so that the largest magnitude equals `peak`.
void normalize(Mono& samples, float peak);
void normalize(Stereo& samples, float peak);

// Linear fades at the start and end, in seconds.
void fade(Mono& samples, double in, double out);

// A one-pole low-pass filter, in place.
void lowPass(Mono& samples, double cutoffHz);

// Writes a mono 16-bit PCM wave file; throws std::runtime_error on failure.
void writeWav(const QString& path, const Mono& samples);

// Encodes a stereo track as a constant-bit-rate MP3 with an ID3 title;
// throws std::runtime_error on failure.
void writeMp3(const QString& path, const Stereo& track, const QString& title);

}  // namespace audio
