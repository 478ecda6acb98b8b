#pragma once

// The process's one audio output, shared by the wave sounds (a mixer
// channel) and the music (SDL_mixer's music stream), so that both play at
// once. Opened on the first call; later calls answer the outcome of that
// first attempt. False means there is no usable audio output and sound and
// music calls should do nothing.
bool openAudioDevice();
