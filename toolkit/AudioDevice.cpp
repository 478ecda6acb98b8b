#include "AudioDevice.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace {

bool tryOpen()
{
    // Audio brings up SDL's event system, which would otherwise catch SIGINT
    // and SIGTERM and turn them into SDL quit events nobody reads: the
    // program could then not be stopped.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
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
