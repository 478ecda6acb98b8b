#include "AudioDevice.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace {

bool tryOpen()
{
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    return true;
}

} // namespace

bool openAudioDevice()
{
    static const bool opened = tryOpen();
    return opened;
}
