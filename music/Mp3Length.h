#pragma once

#include <QByteArray>

#include <cstdint>

// The playing time in milliseconds of MPEG audio (layers I to III, MPEG 1, 2
// and 2.5), found by walking its frames; -1 when the data holds no frame.
// A Xing or Info header gives the frame count, and its LAME extension the
// encoder's delay and padding; without it the usual encoder delay of 576
// samples and decoder delay of 529 are taken off, so that the result is the
// music's own length within a frame.
std::int64_t mp3LengthMs(const QByteArray& data);
