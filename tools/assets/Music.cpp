#include "Music.h"

#include "Audio.h"

#include <QDir>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <set>
#include <stdexcept>

using namespace audio;

namespace {

constexpr double kTwoPi = 2 * M_PI;

// ---- Instruments ------------------------------------------------------------

enum class Voice { Pluck, EPiano, Bell, Flute, Pad, Bass, Shaker, Kick };

struct Note {
    double start;   // seconds
    double length;  // seconds
    double midi;
    float velocity;
    Voice voice;
    float pan;  // -1 left .. 1 right
};

// Karplus-Strong string: a burst of noise circulating in a damped delay line.
Mono pluck(double hz, double length, std::mt19937& rng)
{
    const int period = std::max(2, int(std::lround(kRate / hz - 0.5)));
    std::uniform_real_distribution<float> u(-1, 1);
    Mono line(period);
    for (float& v : line)
        v = u(rng);
    // Soften the burst so the attack is a pluck, not a click.
    for (int pass = 0; pass < 3; ++pass)
        for (int k = 0; k < period; ++k)
            line[k] = 0.25f * line[(k + period - 1) % period] + 0.5f * line[k] + 0.25f * line[(k + 1) % period];
    Mono out(samplesFor(length + 0.8));
    const int release = samplesFor(length);
    for (size_t i = 0; i < out.size(); ++i) {
        const size_t k = i % period;
        const float next = line[(k + 1) % period];
        out[i] = line[k];
        const float damping = i < size_t(release) ? 0.4985f : 0.47f;
        line[k] = (line[k] + next) * damping;
    }
    return out;
}

double envelope(double t, double length, double attack, double release)
{
    if (t < attack)
        return t / attack;
    if (t > length)
        return std::max(0.0, 1.0 - (t - length) / release);
    return 1.0;
}

Mono render(const Note& n, std::mt19937& rng)
{
    const double hz = midiToHz(n.midi);
    std::uniform_real_distribution<float> noise(-1, 1);
    auto make = [&](double tail, auto&& sample) {
        Mono out(samplesFor(n.length + tail));
        for (size_t i = 0; i < out.size(); ++i)
            out[i] = float(sample(double(i) / kRate));
        return out;
    };
    switch (n.voice) {
    case Voice::Pluck:
        return pluck(hz, n.length, rng);
    case Voice::EPiano:  // two-operator FM with a fading brightness
        return make(0.3, [&](double t) {
            const double index = 1.4 * std::exp(-t / 0.5);
            return envelope(t, n.length, 0.004, 0.25) * std::exp(-t / 1.6) *
                   std::sin(kTwoPi * hz * t + index * std::sin(kTwoPi * hz * t));
        });
    case Voice::Bell:  // music box: overtones die away before the fundamental
        return make(1.6, [&](double t) {
            const double a = std::min(1.0, t / 0.002);
            return a * (std::sin(kTwoPi * hz * t) * std::exp(-t / 0.9) +
                        0.3 * std::sin(kTwoPi * 2 * hz * t) * std::exp(-t / 0.35) +
                        0.1 * std::sin(kTwoPi * 3 * hz * t) * std::exp(-t / 0.2) +
                        0.06 * std::sin(kTwoPi * 4.16 * hz * t) * std::exp(-t / 0.12));
        });
    case Voice::Flute: {
        double phase = 0;
        Mono out = make(0.2, [&](double t) {
            const double vibrato = 1 + 0.003 * std::min(1.0, t / 0.3) * std::sin(kTwoPi * 5 * t);
            phase += kTwoPi * hz * vibrato / kRate;
            const double breath = 0.03 * noise(rng);
            return envelope(t, n.length, 0.06, 0.15) *
                   (std::sin(phase) + 0.2 * std::sin(2 * phase) + 0.06 * std::sin(3 * phase) + breath);
        });
        return out;
    }
    case Voice::Pad: {
        Mono out = make(0.9, [&](double t) {
            double v = 0;
            for (double cents : {-7.0, 0.0, 7.0}) {
                const double f = hz * std::pow(2.0, cents / 1200);
                for (int h = 1; h <= 5; ++h)
                    v += std::sin(kTwoPi * f * h * t + h * cents) / std::pow(h, 1.5);
            }
            return envelope(t, n.length, 0.5, 0.9) * v / 3;
        });
        lowPass(out, 1800);
        return out;
    }
    case Voice::Bass:
        return make(0.15, [&](double t) {
            return envelope(t, n.length, 0.005, 0.12) * std::exp(-t / 0.9) *
                   (std::sin(kTwoPi * hz * t) + 0.3 * std::sin(kTwoPi * 2 * hz * t) +
                    0.1 * std::sin(kTwoPi * 3 * hz * t));
        });
    case Voice::Shaker: {
        Mono out(samplesFor(0.07));
        double low = 0;
        for (size_t i = 0; i < out.size(); ++i) {
            const float x = noise(rng);
            low += 0.3 * (x - low);  // keep only the hiss: subtract the low part
            out[i] = float((x - low) * std::exp(-double(i) / kRate / 0.018));
        }
        return out;
    }
    case Voice::Kick: {
        double phase = 0;
        Mono out(samplesFor(0.3));
        for (size_t i = 0; i < out.size(); ++i) {
            const double t = double(i) / kRate;
            phase += kTwoPi * (50 + 60 * std::exp(-t / 0.03)) / kRate;
            out[i] = float(std::sin(phase) * std::exp(-t / 0.12));
        }
        return out;
    }
    }
    throw std::logic_error("unknown voice");
}

// Schroeder reverberator: parallel damped combs, then two all-passes.
Mono reverb(const Mono& in, int spread)
{
    Mono wet(in.size(), 0.0f);
    for (int delay : {1557, 1617, 1491, 1422}) {
        const int d = delay + spread;
        Mono buf(in.size(), 0.0f);
        float damp = 0;
        for (size_t i = 0; i < in.size(); ++i) {
            const float back = i >= size_t(d) ? buf[i - d] : 0.0f;
            damp = back * 0.7f + damp * 0.3f;
            buf[i] = in[i] + damp * 0.8f;
            wet[i] += buf[i] * 0.25f;
        }
    }
    for (int delay : {225, 556}) {
        const int d = delay + spread / 3;
        Mono out(wet.size());
        for (size_t i = 0; i < wet.size(); ++i) {
            const float x = i >= size_t(d) ? wet[i - d] : 0.0f;
            const float y = i >= size_t(d) ? out[i - d] : 0.0f;
            out[i] = -0.5f * wet[i] + x + 0.5f * y;
        }
        wet.swap(out);
    }
    return wet;
}

Stereo mixDown(const std::vector<Note>& notes, unsigned seed)
{
    std::mt19937 rng(seed);
    Stereo s;
    for (const Note& n : notes) {
        const Mono sound = render(n, rng);
        const double angle = (n.pan + 1) * M_PI / 4;
        mixInto(s.left, sound, samplesFor(n.start), float(n.velocity * std::cos(angle)));
        mixInto(s.right, sound, samplesFor(n.start), float(n.velocity * std::sin(angle)));
    }
    const size_t length = std::max(s.left.size(), s.right.size()) + samplesFor(1.5);
    s.left.resize(length, 0.0f);
    s.right.resize(length, 0.0f);
    const Mono wetL = reverb(s.left, 0), wetR = reverb(s.right, 23);
    for (size_t i = 0; i < length; ++i) {
        s.left[i] += 0.22f * wetL[i];
        s.right[i] += 0.22f * wetR[i];
    }
    normalize(s, 0.89f);
    fade(s.left, 0.02, 1.2);
    fade(s.right, 0.02, 1.2);
    return s;
}

// ---- Harmony and melody ----------------------------------------------------

struct Chord {
    int root;  // pitch class 0..11
    bool minor;
    std::vector<int> tones() const { return {root, (root + (minor ? 3 : 4)) % 12, (root + 7) % 12}; }
};

Chord chordNamed(const std::string& name)
{
    static const int letters[] = {9, 11, 0, 2, 4, 5, 7};  // A..G
    int pc = letters[name[0] - 'A'];
    size_t i = 1;
    if (i < name.size() && name[i] == 'b') {
        pc = (pc + 11) % 12;
        ++i;
    }
    return {pc, i < name.size() && name[i] == 'm'};
}

// The pitch (in [lo, lo + 12)) of a pitch class.
int placed(int pc, int lo) { return lo + ((pc - lo) % 12 + 12) % 12; }

// How a piece is played.
enum class Band {
    Strings,  // guitar-like arpeggios, bass, soft beat, pad; flute melody
    Keys,     // electric piano chords over a pad, slow bass; bell melody
    Waltz,    // bass on one, chords on two and three; music-box melody
};

struct Piece {
    QString title;
    Band band;
    double bpm;
    int beatsPerBar;
    std::vector<std::string> chords;  // one per bar
    std::vector<int> scale;           // pitch classes of the key
    int melodyLow, melodyHigh;
    std::vector<std::vector<double>> rhythms;  // melody rhythms, in beats, each filling a bar
    int melodyFrom;                            // first bar of the melody
    unsigned seed;
};

struct MelodyNote {
    double beat, beats;
    int midi;
};

// A melody over the chords: chord tones on the strong beats, steps of the
// key's scale between them; a small set of rhythms repeated as a motif.
std::vector<MelodyNote> compose(const Piece& p, int firstBar, int lastBar)
{
    std::mt19937 rng(p.seed);
    std::uniform_int_distribution<int> step(-2, 2);
    std::uniform_real_distribution<double> u01(0, 1);
    const std::vector<int> motif = {0, 1, 0, 2, 0, 1, 3, 2};
    std::vector<MelodyNote> out;
    int prev = (p.melodyLow + p.melodyHigh) / 2;
    for (int bar = firstBar; bar <= lastBar; ++bar) {
        const Chord chord = chordNamed(p.chords[bar]);
        const auto tones = chord.tones();
        // The key's scale, with any chord tone outside it replacing its neighbour.
        std::set<int> scale(p.scale.begin(), p.scale.end());
        for (int t : tones)
            if (!scale.count(t)) {
                if (!scale.erase((t + 11) % 12))
                    scale.erase((t + 1) % 12);
                scale.insert(t);
            }
        std::vector<int> pitches;
        for (int m = p.melodyLow; m <= p.melodyHigh; ++m)
            if (scale.count(m % 12))
                pitches.push_back(m);

        const bool last = bar == lastBar;
        const auto& rhythm = last ? std::vector<double>{double(p.beatsPerBar)}
                                  : p.rhythms[motif[(bar - firstBar) % motif.size()] % p.rhythms.size()];
        double beat = 0;
        for (double len : rhythm) {
            const bool strong = beat == 0 || (p.beatsPerBar == 4 && beat == 2);
            int pick = prev;
            if (strong || last) {
                int best = 1000;
                const int target = prev + step(rng);
                for (int m = p.melodyLow; m <= p.melodyHigh; ++m) {
                    if (std::find(tones.begin(), tones.end(), m % 12) == tones.end())
                        continue;
                    if (last && m % 12 != chord.root)
                        continue;
                    if (std::abs(m - target) < std::abs(best - target))
                        best = m;
                }
                pick = best == 1000 ? prev : best;
            } else if (u01(rng) < 0.12) {
                beat += len;  // a breath
                continue;
            } else {
                auto at = std::lower_bound(pitches.begin(), pitches.end(), prev) - pitches.begin();
                int move = step(rng);
                if (move == 0)
                    move = prev > (p.melodyLow + p.melodyHigh) / 2 ? -1 : 1;
                at = std::clamp<long>(at + move, 0, long(pitches.size()) - 1);
                pick = pitches[at];
            }
            out.push_back({bar * double(p.beatsPerBar) + beat, len, pick});
            prev = pick;
            beat += len;
        }
    }
    return out;
}

// ---- The pieces --------------------------------------------------------------

std::vector<Note> arrange(const Piece& p)
{
    const double beat = 60.0 / p.bpm;
    const int bars = int(p.chords.size());
    std::vector<Note> notes;
    auto add = [&](double beats, double lengthBeats, double midi, float vel, Voice v, float pan) {
        notes.push_back({beats * beat, lengthBeats * beat, midi, vel, v, pan});
    };
    for (int bar = 0; bar < bars; ++bar) {
        const Chord c = chordNamed(p.chords[bar]);
        const double b0 = bar * p.beatsPerBar;
        const bool last = bar == bars - 1;
        const int bass = placed(c.root, 36);
        const int root3 = placed(c.root, 48);
        const int third = placed(c.tones()[1], root3), fifth = placed(c.tones()[2], root3);
        switch (p.band) {
        case Band::Strings:
            add(b0, last ? 4 : 1.8, bass, 0.55f, Voice::Bass, 0);
            if (!last)
                add(b0 + 2, 1.8, bass, 0.45f, Voice::Bass, 0);
            if (last) {
                for (int i = 0; i < 4; ++i)
                    add(b0 + 0.06 * i, 4, std::array<int, 4>{root3, fifth, third + 12, root3 + 12}[i], 0.4f,
                        Voice::Pluck, -0.3f);
                break;
            }
            for (int i = 0; i < 8; ++i) {
                const int arp[] = {root3, fifth, third + 12, fifth, root3 + 12, fifth, third + 12, fifth};
                add(b0 + 0.5 * i, 0.5, arp[i], i % 2 ? 0.3f : 0.42f, Voice::Pluck, -0.35f);
            }
            if (bar >= 4) {
                for (int m : {root3 + 12, third + 12, fifth + 12})
                    add(b0, 4, m, 0.07f, Voice::Pad, 0.1f);
                for (int i = 0; i < 4; ++i)
                    add(b0 + i + 0.5, 0.1, 0, 0.12f, Voice::Shaker, 0.45f);
                add(b0, 0.2, 0, 0.35f, Voice::Kick, 0);
                add(b0 + 2, 0.2, 0, 0.3f, Voice::Kick, 0);
            }
            break;
        case Band::Keys:
            add(b0, 4, bass, 0.5f, Voice::Bass, 0);
            for (int m : {root3, third, fifth, root3 + 12})
                add(b0, last ? 4 : 3.5, m, 0.16f, Voice::EPiano, -0.2f);
            if (!last)
                for (int m : {third + 12, fifth})
                    add(b0 + 2.5, 1.5, m, 0.1f, Voice::EPiano, -0.2f);
            if (bar >= 2)
                for (int m : {root3, fifth, third + 12})
                    add(b0, 4, m, 0.08f, Voice::Pad, 0.2f);
            break;
        case Band::Waltz:
            add(b0, last ? 3 : 1, bass, 0.5f, Voice::Pluck, 0);
            if (!last)
                for (int i = 1; i <= 2; ++i)
                    for (int m : {root3 + 12, third + 12, fifth + 12})
                        add(b0 + i, 0.8, m, 0.16f, Voice::Pluck, -0.3f);
            if (bar >= 8)
                for (int m : {root3, third + 12})
                    add(b0, 3, m, 0.06f, Voice::Pad, 0.2f);
            break;
        }
    }
    const Voice lead = p.band == Band::Strings ? Voice::Flute : Voice::Bell;
    const float leadVel = p.band == Band::Strings ? 0.28f : 0.4f;
    for (const MelodyNote& m : compose(p, p.melodyFrom, bars - 1))
        add(m.beat, m.beats * 0.95, m.midi, leadVel, lead, 0.25f);
    return notes;
}

const std::vector<int> kMajor = {0, 2, 4, 5, 7, 9, 11};

std::vector<Piece> pieces()
{
    const std::vector<int> cMajor = kMajor;
    std::vector<int> aMinor, fMajor;
    for (int pc : kMajor) {
        aMinor.push_back((pc + 9) % 12);
        fMajor.push_back((pc + 5) % 12);
    }
    return {
        {"Morning Garden", Band::Strings, 100, 4,
         {"C", "Am", "F", "G", "C", "Am", "Dm", "G", "F", "G", "Em", "Am", "F", "G", "C"},
         cMajor, 72, 86, {{1, 1, 1, 1}, {1.5, 0.5, 2}, {0.5, 0.5, 1, 2}, {2, 1, 1}}, 2, 11},
        {"Night Lanterns", Band::Keys, 80, 4,
         {"Am", "F", "C", "G", "Am", "F", "G", "E", "F", "G", "E", "Am"},
         aMinor, 69, 84, {{2, 2}, {1, 1, 2}, {3, 1}, {1.5, 0.5, 2}}, 1, 23},
        {"Pastel Waltz", Band::Waltz, 144, 3,
         {"F", "Dm", "Bb", "C", "F", "Dm", "Gm", "C", "Bb", "C", "Am", "Dm", "Gm", "C", "F", "F",
          "F", "Dm", "Bb", "C", "F", "Dm", "Gm", "C", "Bb", "C", "F", "F"},
         fMajor, 77, 93, {{1, 1, 1}, {2, 1}, {1, 0.5, 0.5, 1}, {1.5, 0.5, 1}}, 0, 37},
    };
}

}  // namespace

QStringList writeMusic(const QString& folder)
{
    if (!QDir().mkpath(folder))
        throw std::runtime_error("cannot create " + folder.toStdString());
    QStringList names;
    for (const Piece& p : pieces()) {
        const QString name = p.title + ".mp3";
        writeMp3(folder + '/' + name, mixDown(arrange(p), p.seed), p.title);
        names << name;
    }
    return names;
}
