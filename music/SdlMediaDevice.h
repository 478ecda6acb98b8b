#pragma once

#include "MediaDevice.h"

struct _Mix_Music;

// The music stream of SDL_mixer, on the audio output that the wave sounds
// share (openAudioDevice), so that an effect and the music play together.
// SDL_mixer has one music stream per process: use one instance.
class SdlMediaDevice : public MediaDevice
{
public:
    SdlMediaDevice() = default;
    ~SdlMediaDevice() override;
    SdlMediaDevice(const SdlMediaDevice&) = delete;
    SdlMediaDevice& operator=(const SdlMediaDevice&) = delete;

    void close() override;
    bool open(const QString& path) override;
    bool hasOutput() const override;
    std::int64_t length() const override;
    std::int64_t position() const override;
    void play(std::int64_t from = 0) override;
    Mode mode() const override;
    void pause() override;
    void resume() override;
    void setVolume(int value) override;
    int volume() const override;

    // SDL_mixer's scale 0..128 for a volume 0..1000.
    static int mixerVolume(int value);

private:
    bool finished() const;

    _Mix_Music* m_music = nullptr;
    std::int64_t m_length = 0;
    bool m_started = false;
    int m_volume = 1000;
};
