#include "sound/SdlMixerLibrary.h"

#include <QStringList>

namespace {

// Tries the names the libraries carry on the supported platforms.
bool loadOne(QLibrary& library, const QStringList& names, int version) {
    for (const QString& name : names) {
        if (version >= 0)
            library.setFileNameAndVersion(name, version);
        else
            library.setFileName(name);
        if (library.load())
            return true;
    }
    return false;
}

} // namespace

template <typename Function>
bool SdlMixerLibrary::resolve(QLibrary& library, Function& function, const char* name) {
    function = reinterpret_cast<Function>(library.resolve(name));
    return function != nullptr;
}

bool SdlMixerLibrary::load() {
    if (tried_)
        return loaded_;
    tried_ = true;
#if defined(Q_OS_WIN)
    const bool found = loadOne(mixer_, {QStringLiteral("SDL2_mixer")}, -1) &&
                       loadOne(sdl_, {QStringLiteral("SDL2")}, -1);
#elif defined(Q_OS_MACOS)
    const bool found =
        loadOne(mixer_, {QStringLiteral("libSDL2_mixer-2.0.0.dylib"), QStringLiteral("SDL2_mixer")},
                -1) &&
        loadOne(sdl_, {QStringLiteral("libSDL2-2.0.0.dylib"), QStringLiteral("SDL2")}, -1);
#else
    const bool found = loadOne(mixer_, {QStringLiteral("SDL2_mixer-2.0")}, 0) &&
                       loadOne(sdl_, {QStringLiteral("SDL2-2.0")}, 0);
#endif
    if (!found)
        return false;
    loaded_ =
        resolve(sdl_, setMainReady, "SDL_SetMainReady") && resolve(sdl_, setHint, "SDL_SetHint") &&
        resolve(sdl_, initSubSystem, "SDL_InitSubSystem") &&
        resolve(sdl_, quitSubSystem, "SDL_QuitSubSystem") &&
        resolve(sdl_, rwFromFile, "SDL_RWFromFile") &&
        resolve(mixer_, openAudioDevice, "Mix_OpenAudioDevice") &&
        resolve(mixer_, setPostMix, "Mix_SetPostMix") &&
        resolve(mixer_, closeAudio, "Mix_CloseAudio") &&
        resolve(mixer_, queryFormat, "Mix_QuerySpec") &&
        resolve(mixer_, allocateChannels, "Mix_AllocateChannels") &&
        resolve(mixer_, haltChannel, "Mix_HaltChannel") &&
        resolve(mixer_, freeChunk, "Mix_FreeChunk") && resolve(mixer_, getChunk, "Mix_GetChunk") &&
        resolve(mixer_, loadWavRw, "Mix_LoadWAV_RW") &&
        resolve(mixer_, playChannelTimed, "Mix_PlayChannelTimed") &&
        resolve(mixer_, playing, "Mix_Playing");
    return loaded_;
}
