#include "Mp3Length.h"

#include <algorithm>

namespace {

constexpr int kDecoderDelay = 529;
constexpr int kEncoderDelay = 576;

struct FrameHeader {
    int size = 0;             // bytes, header included
    int samples = 0;          // per channel
    int sampleRate = 0;
    int sideInfo = 0;         // bytes between the header and a Xing header
};

int byteAt(const QByteArray& data, qsizetype i)
{
    return static_cast<unsigned char>(data[i]);
}

// The header at `at`, or size 0 when no valid frame header starts there.
FrameHeader headerAt(const QByteArray& data, qsizetype at)
{
    FrameHeader h;
    if (at + 4 > data.size() || byteAt(data, at) != 0xFF || (byteAt(data, at + 1) & 0xE0) != 0xE0)
        return h;
    const int version = (byteAt(data, at + 1) >> 3) & 3;  // 0 MPEG 2.5, 2 MPEG 2, 3 MPEG 1
    const int layer = 4 - ((byteAt(data, at + 1) >> 1) & 3);  // 1..3; 4 is reserved
    const int bitrateIndex = byteAt(data, at + 2) >> 4;
    const int rateIndex = (byteAt(data, at + 2) >> 2) & 3;
    const int padding = (byteAt(data, at + 2) >> 1) & 1;
    const bool mono = (byteAt(data, at + 3) >> 6) == 3;
    if (version == 1 || layer == 4 || bitrateIndex == 0 || bitrateIndex == 15 || rateIndex == 3)
        return h;

    static const int kBitrates[5][14] = {
        {32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},  // MPEG 1 layer I
        {32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},     // MPEG 1 layer II
        {32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320},      // MPEG 1 layer III
        {32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},     // MPEG 2 layer I
        {8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},          // MPEG 2 layers II, III
    };
    static const int kRates[3] = {44100, 48000, 32000};
    const bool mpeg1 = version == 3;
    const int table = mpeg1 ? layer - 1 : (layer == 1 ? 3 : 4);
    const int bitrate = kBitrates[table][bitrateIndex - 1] * 1000;
    h.sampleRate = kRates[rateIndex] >> (mpeg1 ? 0 : (version == 2 ? 1 : 2));
    if (layer == 1) {
        h.samples = 384;
        h.size = (12 * bitrate / h.sampleRate + padding) * 4;
    } else {
        h.samples = (layer == 3 && !mpeg1) ? 576 : 1152;
        h.size = h.samples / 8 * bitrate / h.sampleRate + padding;
    }
    if (layer == 3)
        h.sideInfo = mpeg1 ? (mono ? 17 : 32) : (mono ? 9 : 17);
    return h;
}

qsizetype afterId3v2(const QByteArray& data)
{
    if (data.size() < 10 || !data.startsWith("ID3"))
        return 0;
    qsizetype size = 10 + ((byteAt(data, 6) & 0x7F) << 21 | (byteAt(data, 7) & 0x7F) << 14
                           | (byteAt(data, 8) & 0x7F) << 7 | (byteAt(data, 9) & 0x7F));
    if (byteAt(data, 5) & 0x10)  // a footer follows the tag
        size += 10;
    return size;
}

std::uint32_t bigEndian32(const QByteArray& data, qsizetype at)
{
    return std::uint32_t(byteAt(data, at)) << 24 | std::uint32_t(byteAt(data, at + 1)) << 16
           | std::uint32_t(byteAt(data, at + 2)) << 8 | std::uint32_t(byteAt(data, at + 3));
}

// The first frame header in [from, end) whose successor (or the end of the
// data) is where its size says; -1 when there is none.
qsizetype nextFrame(const QByteArray& data, qsizetype from, qsizetype end)
{
    for (qsizetype at = from; at < end; ++at) {
        const FrameHeader h = headerAt(data, at);
        if (h.size > 0 && (at + h.size == data.size() || headerAt(data, at + h.size).size > 0))
            return at;
    }
    return -1;
}

} // namespace

std::int64_t mp3LengthMs(const QByteArray& data)
{
    // Junk before the first frame is skipped.
    const qsizetype start = afterId3v2(data);
    const qsizetype at = nextFrame(data, start, std::min<qsizetype>(data.size(), start + 65536));
    if (at < 0)
        return -1;
    const FrameHeader first = headerAt(data, at);

    std::int64_t frames = 0;
    std::int64_t delay = kEncoderDelay + kDecoderDelay;
    std::int64_t padding = 0;
    const qsizetype xing = at + 4 + first.sideInfo;
    const QByteArray tag = data.mid(xing, 4);
    if (first.sideInfo > 0 && (tag == "Xing" || tag == "Info") && xing + 8 <= data.size()) {
        const std::uint32_t flags = bigEndian32(data, xing + 4);
        if ((flags & 1) && xing + 12 <= data.size()) {
            frames = bigEndian32(data, xing + 8);
            // The LAME extension follows the four optional fields when all are there.
            const qsizetype lame = xing + 120;
            if ((flags & 0xF) == 0xF && lame + 24 <= data.size() && data.mid(lame, 4) == "LAME") {
                const int b0 = byteAt(data, lame + 21);
                const int b1 = byteAt(data, lame + 22);
                const int b2 = byteAt(data, lame + 23);
                delay = ((b0 << 4) | (b1 >> 4)) + kDecoderDelay;
                padding = ((b1 & 0x0F) << 8) | b2;
            }
        }
    }
    if (frames == 0) {
        // Decoders skip what lies between frames (a damaged frame, a tag in
        // the middle) and play on; so does the count, or the track would
        // seem to end early and the next one would cut it off.
        for (qsizetype p = at; p >= 0 && p < data.size();) {
            const FrameHeader h = headerAt(data, p);
            if (h.size == 0 || h.sampleRate != first.sampleRate || h.samples != first.samples) {
                p = nextFrame(data, p + 1, data.size());
                continue;
            }
            ++frames;
            p += h.size;
        }
    }
    const std::int64_t samples = std::max<std::int64_t>(0, frames * first.samples - delay - padding);
    return samples * 1000 / first.sampleRate;
}
