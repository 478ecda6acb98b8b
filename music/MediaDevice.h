#pragma once

#include <QString>

#include <cstdint>

// What the music player asks of an audio back end: one track at a time,
// lengths and positions in milliseconds, volume 0 (silent) to 1000 (full).
class MediaDevice
{
public:
    enum class Mode { Closed, Playing, Paused, Stopped };

    virtual ~MediaDevice() = default;

    // Unloads the track; harmless when none is loaded.
    virtual void close() = 0;
    // Loads a file; false when it cannot be played (the device stays closed).
    virtual bool open(const QString& path) = 0;
    // False when there is no audio output at all, so that no file can open.
    virtual bool hasOutput() const = 0;
    virtual std::int64_t length() const = 0;
    // A track that has played to its end reports its length.
    virtual std::int64_t position() const = 0;
    // Plays the loaded track from `from` milliseconds (the start by default).
    virtual void play(std::int64_t from = 0) = 0;
    virtual Mode mode() const = 0;
    virtual void pause() = 0;
    virtual void resume() = 0;
    // Kept by the device: it applies to the loaded track and every later one.
    virtual void setVolume(int value) = 0;
    virtual int volume() const = 0;
};
