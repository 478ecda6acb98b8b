#include "Audio.h"

#include "WaveFile.h"

#include <QFile>

#include <lame/lame.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <stdexcept>

namespace audio {

void mixInto(Mono& dst, const Mono& src, int at, float gain)
{
    if (at < 0)
        return;
    if (dst.size() < at + src.size())
        dst.resize(at + src.size(), 0.0f);
    for (size_t i = 0; i < src.size(); ++i)
        dst[at + i] += src[i] * gain;
}

namespace {
float peakOf(const Mono& s)
{
    float peak = 0;
    for (float v : s)
        peak = std::max(peak, std::abs(v));
    return peak;
}
void scale(Mono& s, float k)
{
    for (float& v : s)
        v *= k;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

int16_t toPcm(float v) { return int16_t(std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f)); }
}  // namespace

void normalize(Mono& samples, float peak)
{
    const float p = peakOf(samples);
    if (p > 0)
        scale(samples, peak / p);
}

void normalize(Stereo& s, float peak)
{
    const float p = std::max(peakOf(s.left), peakOf(s.right));
    if (p > 0) {
        scale(s.left, peak / p);
        scale(s.right, peak / p);
    }
}

void fade(Mono& s, double in, double out)
{
    const int n = static_cast<int>(s.size());
    const int fin = std::min(n, samplesFor(in)), fout = std::min(n, samplesFor(out));
    for (int i = 0; i < fin; ++i)
        s[i] *= float(i) / fin;
    for (int i = 0; i < fout; ++i)
        s[n - 1 - i] *= float(i) / fout;
}

void lowPass(Mono& s, double cutoffHz)
{
    const double a = 1.0 - std::exp(-2.0 * M_PI * cutoffHz / kRate);
    double y = 0;
    for (float& v : s) {
        y += a * (v - y);
        v = float(y);
    }
}

void writeWav(const QString& path, const Mono& samples)
{
    std::vector<int16_t> pcm;
    pcm.reserve(samples.size());
    for (float v : samples)
        pcm.push_back(toPcm(v));
    writeFile(path, monoWaveFile(pcm, kRate));
}

void writeMp3(const QString& path, const Stereo& track, const QString& title)
{
    std::unique_ptr<lame_global_flags, int (*)(lame_global_flags*)> lame(lame_init(), lame_close);
    if (!lame)
        throw std::runtime_error("cannot start the MP3 encoder");
    lame_set_in_samplerate(lame.get(), kRate);
    lame_set_num_channels(lame.get(), 2);
    lame_set_mode(lame.get(), JOINT_STEREO);
    lame_set_brate(lame.get(), 128);
    lame_set_quality(lame.get(), 2);
    lame_set_bWriteVbrTag(lame.get(), 0);
    id3tag_init(lame.get());
    id3tag_v2_only(lame.get());
    const QByteArray latinTitle = title.toLatin1();
    id3tag_set_title(lame.get(), latinTitle.constData());
    if (lame_init_params(lame.get()) < 0)
        throw std::runtime_error("MP3 encoder rejected its settings");

    const int n = static_cast<int>(std::min(track.left.size(), track.right.size()));
    std::vector<short> left(n), right(n);
    for (int i = 0; i < n; ++i) {
        left[i] = toPcm(track.left[i]);
        right[i] = toPcm(track.right[i]);
    }
    std::vector<unsigned char> out(size_t(1.25 * n + 7200 + 65536));
    int bytes = lame_encode_buffer(lame.get(), left.data(), right.data(), n, out.data(), int(out.size()));
    if (bytes < 0)
        throw std::runtime_error("MP3 encoding failed for " + path.toStdString());
    const int tail = lame_encode_flush(lame.get(), out.data() + bytes, int(out.size()) - bytes);
    if (tail < 0)
        throw std::runtime_error("MP3 encoding failed for " + path.toStdString());
    writeFile(path, QByteArray(reinterpret_cast<const char*>(out.data()), bytes + tail));
}

}  // namespace audio
