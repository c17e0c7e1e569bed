// SPDX-License-Identifier: GPL-3.0-or-later
#include "AudioSubsystem.h"

#include <SDL.h>

AudioSubsystem::AudioSubsystem() : started_(SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {}

AudioSubsystem::~AudioSubsystem() {
    if (started_) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}
