#pragma once

#include "MediaDevice.h"

#include <QStringList>

// A device that plays nothing: the test sets lengths and positions and reads
// what the player asked of it.
class FakeMediaDevice : public MediaDevice
{
public:
    void close() override { m_mode = Mode::Closed; m_position = 0; }
    bool open(const QString& path) override
    {
        opened << path;
        if (openFails)
            return false;
        m_mode = Mode::Stopped;
        return true;
    }
    bool hasOutput() const override { return output; }
    std::int64_t length() const override { return m_mode == Mode::Closed ? 0 : trackLength; }
    std::int64_t position() const override { return m_position; }
    void play(std::int64_t from) override
    {
        m_mode = Mode::Playing;
        m_position = from;
        playedFrom << from;
    }
    Mode mode() const override { return m_mode; }
    void pause() override { m_mode = Mode::Paused; }
    void resume() override { m_mode = Mode::Playing; }
    void setVolume(int value) override { m_volume = value; }
    int volume() const override { return m_volume; }

    // Plays the track to its end.
    void finish() { m_position = trackLength; m_mode = Mode::Stopped; }

    std::int64_t trackLength = 125400;
    bool openFails = false;
    bool output = true;
    QStringList opened;
    QList<std::int64_t> playedFrom;

private:
    Mode m_mode = Mode::Closed;
    std::int64_t m_position = 0;
    int m_volume = 1000;
};
