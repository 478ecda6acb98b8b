#include "Sounds.h"

#include "Audio.h"

#include <QDir>

#include <cmath>
#include <random>
#include <stdexcept>

using namespace audio;

namespace {

constexpr double kTwoPi = 2 * M_PI;

// A sine partial with an exponential decay, added from `start` seconds on.
void addPartial(Mono& s, double start, double hz, double amp, double decay)
{
    const int from = samplesFor(start);
    for (size_t i = from; i < s.size(); ++i) {
        const double t = double(i - from) / kRate;
        s[i] += float(amp * std::sin(kTwoPi * hz * t) * std::exp(-t / decay));
    }
}

// A bell-like strike: a fundamental with a few slightly inharmonic overtones.
void addBell(Mono& s, double start, double hz, double amp)
{
    addPartial(s, start, hz, amp, 0.45);
    addPartial(s, start, hz * 2.76, amp * 0.3, 0.16);
    addPartial(s, start, hz * 5.4, amp * 0.1, 0.06);
}

Mono click()
{
    Mono s(samplesFor(0.05));
    std::mt19937 rng(7);
    std::uniform_real_distribution<float> u(-1, 1);
    for (size_t i = 0; i < s.size(); ++i)
        s[i] = u(rng) * float(std::exp(-double(i) / kRate / 0.004));
    lowPass(s, 3000);
    addPartial(s, 0, 1800, 0.25, 0.012);
    normalize(s, 0.45f);
    return s;
}

Mono knock()
{
    Mono s(samplesFor(0.2));
    addPartial(s, 0, 520, 1.0, 0.05);
    addPartial(s, 0, 1390, 0.45, 0.02);
    addPartial(s, 0, 2600, 0.18, 0.01);
    normalize(s, 0.8f);
    fade(s, 0.001, 0.02);
    return s;
}

Mono sweepDown()
{
    Mono s(samplesFor(0.26));
    double phase = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / kRate;
        const double hz = 900 * std::pow(260.0 / 900.0, std::min(1.0, t / 0.22));
        phase += kTwoPi * hz / kRate;
        const double env = std::min(1.0, t / 0.005) * std::exp(-t / 0.12);
        s[i] = float(env * (std::sin(phase) + 0.3 * std::sin(2 * phase)));
    }
    normalize(s, 0.6f);
    fade(s, 0, 0.03);
    return s;
}

Mono buzz()
{
    Mono s(samplesFor(0.32));
    for (int pulse = 0; pulse < 2; ++pulse) {
        const double start = pulse * 0.17, length = 0.12;
        for (int i = samplesFor(start); i < samplesFor(start + length); ++i) {
            const double t = double(i) / kRate - start;
            const double env = std::min({1.0, t / 0.005, (length - t) / 0.02});
            double v = 0;
            for (int h = 1; h <= 15; h += 2)  // a soft square wave, two voices beating
                v += (std::sin(kTwoPi * 140 * h * t) + std::sin(kTwoPi * 147 * h * t)) / h;
            s[i] = float(env * v);
        }
    }
    lowPass(s, 2500);
    normalize(s, 0.55f);
    return s;
}

Mono applause()
{
    const double length = 2.8;
    Mono s(samplesFor(length));
    std::mt19937 rng(2024);
    std::uniform_real_distribution<double> u01(0, 1);
    std::uniform_real_distribution<float> noise(-1, 1);
    // Claps start sparse, swell, hold, then thin out.
    for (double t = 0; t < length - 0.05;) {
        const double density = 10 + 70 * std::min({1.0, t / 0.35, std::max(0.0, (length - 0.3 - t) / 1.0)});
        t += -std::log(1 - u01(rng)) / density;
        Mono clap(samplesFor(0.03));
        const double decay = 0.004 + 0.006 * u01(rng);
        for (size_t i = 0; i < clap.size(); ++i)
            clap[i] = noise(rng) * float(std::exp(-double(i) / kRate / decay));
        lowPass(clap, 1500 + 3500 * u01(rng));
        mixInto(s, clap, samplesFor(t), float(0.4 + 0.6 * u01(rng)));
    }
    s.resize(samplesFor(length));
    normalize(s, 0.7f);
    fade(s, 0.02, 0.4);
    return s;
}

Mono chimeUp()
{
    Mono s(samplesFor(1.3));
    const double notes[] = {1046.5, 1318.5, 1568.0, 2093.0};
    for (int i = 0; i < 4; ++i)
        addBell(s, 0.09 * i, notes[i], 1.0 - 0.12 * i);
    normalize(s, 0.6f);
    fade(s, 0.002, 0.1);
    return s;
}

Mono ding()
{
    Mono s(samplesFor(0.75));
    addBell(s, 0, 784.0, 0.8);
    addBell(s, 0.12, 1046.5, 1.0);
    normalize(s, 0.5f);
    fade(s, 0.002, 0.1);
    return s;
}

}  // namespace

void writeSounds(const QString& folder)
{
    if (!QDir().mkpath(folder))
        throw std::runtime_error("cannot create " + folder.toStdString());
    auto save = [&](const char* name, const Mono& s) { writeWav(folder + '/' + name + ".wav", s); };
    save("7", click());
    save("Loud", knock());
    save("erase", sweepDown());
    save("Impossible", buzz());
    save("applause", applause());
    save("help", chimeUp());
    save("Message", ding());
}
