#pragma once

#define SDL_MAIN_HANDLED
#include <SDL.h>
#include <SDL_mixer.h>

#include <QLibrary>

// The SDL and SDL_mixer functions the sound channels use, taken from the shared libraries when
// the audio device is first opened. SDL_mixer brings many libraries with it (decoders, a
// synthesiser); loading them only then keeps them off the start-up path. Without the libraries
// the program simply runs silent.
class SdlMixerLibrary {
public:
    // Loads the libraries and resolves every function; false when any is missing.
    bool load();
    bool isLoaded() const { return loaded_; }

    decltype(&::SDL_SetMainReady) setMainReady = nullptr;
    decltype(&::SDL_SetHint) setHint = nullptr;
    decltype(&::SDL_InitSubSystem) initSubSystem = nullptr;
    decltype(&::SDL_QuitSubSystem) quitSubSystem = nullptr;
    decltype(&::SDL_RWFromFile) rwFromFile = nullptr;
    decltype(&::Mix_OpenAudioDevice) openAudioDevice = nullptr;
    decltype(&::Mix_SetPostMix) setPostMix = nullptr;
    decltype(&::Mix_CloseAudio) closeAudio = nullptr;
    decltype(&::Mix_QuerySpec) queryFormat = nullptr;
    decltype(&::Mix_AllocateChannels) allocateChannels = nullptr;
    decltype(&::Mix_HaltChannel) haltChannel = nullptr;
    decltype(&::Mix_FreeChunk) freeChunk = nullptr;
    decltype(&::Mix_GetChunk) getChunk = nullptr;
    decltype(&::Mix_LoadWAV_RW) loadWavRw = nullptr;
    decltype(&::Mix_PlayChannelTimed) playChannelTimed = nullptr;
    decltype(&::Mix_Playing) playing = nullptr;

private:
    template <typename Function>
    bool resolve(QLibrary& library, Function& function, const char* name);

    QLibrary sdl_;
    QLibrary mixer_;
    bool tried_ = false;
    bool loaded_ = false;
};
