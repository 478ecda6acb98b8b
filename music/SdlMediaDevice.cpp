#include "SdlMediaDevice.h"

#include "AudioDevice.h"
#include "Mp3Length.h"

#include <QFile>

#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>

SdlMediaDevice::~SdlMediaDevice()
{
    close();
}

void SdlMediaDevice::close()
{
    if (!m_music)
        return;
    // Freeing the music also halts it.
    Mix_FreeMusic(m_music);
    m_music = nullptr;
    m_length = 0;
    m_started = false;
}

bool SdlMediaDevice::open(const QString& path)
{
    close();
    if (!openAudioDevice())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray data = file.readAll();
    m_music = Mix_LoadMUS(QFile::encodeName(path).constData());
    if (!m_music)
        return false;
    // SDL_mixer estimates an MP3's duration from its size, a tenth of a
    // second off on short tracks; the frames give it exactly.
    m_length = mp3LengthMs(data);
    if (m_length < 0)
        m_length = std::llround(Mix_MusicDuration(m_music) * 1000.0);
    if (m_length <= 0) {
        close();
        return false;
    }
    return true;
}

bool SdlMediaDevice::hasOutput() const
{
    return openAudioDevice();
}

std::int64_t SdlMediaDevice::length() const
{
    return m_length;
}

bool SdlMediaDevice::finished() const
{
    return m_music && m_started && !Mix_PlayingMusic();
}

std::int64_t SdlMediaDevice::position() const
{
    if (!m_music)
        return 0;
    if (finished())
        return m_length;
    const double seconds = Mix_GetMusicPosition(m_music);
    if (seconds < 0)
        return 0;
    return std::min<std::int64_t>(std::llround(seconds * 1000.0), m_length);
}

void SdlMediaDevice::play(std::int64_t from)
{
    if (!m_music)
        return;
    Mix_VolumeMusic(mixerVolume(m_volume));
    if (Mix_FadeInMusicPos(m_music, 0, 0, std::max<std::int64_t>(0, from) / 1000.0) == 0)
        m_started = true;
}

MediaDevice::Mode SdlMediaDevice::mode() const
{
    if (!m_music)
        return Mode::Closed;
    if (!m_started || finished())
        return Mode::Stopped;
    return Mix_PausedMusic() ? Mode::Paused : Mode::Playing;
}

void SdlMediaDevice::pause()
{
    if (mode() == Mode::Playing)
        Mix_PauseMusic();
}

void SdlMediaDevice::resume()
{
    if (mode() == Mode::Paused)
        Mix_ResumeMusic();
}

void SdlMediaDevice::setVolume(int value)
{
    m_volume = std::clamp(value, 0, 1000);
    if (openAudioDevice())
        Mix_VolumeMusic(mixerVolume(m_volume));
}

int SdlMediaDevice::volume() const
{
    return m_volume;
}

int SdlMediaDevice::mixerVolume(int value)
{
    return (std::clamp(value, 0, 1000) * MIX_MAX_VOLUME + 500) / 1000;
}
