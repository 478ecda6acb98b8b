#pragma once

// Opens the SDL_mixer audio device on the first call, for the whole process;
// later calls answer the outcome of that first attempt. False means there is
// no usable audio output and sound calls should do nothing.
bool openAudioDevice();
