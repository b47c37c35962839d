#include "sound/SdlAudio.h"

#define SDL_MAIN_HANDLED
#include <SDL.h>
#include <SDL_mixer.h>

namespace {

// Sounds up to this size (about a second and a half of decoded audio) stay decoded when no
// channel holds them: key names and effects come back on every keystroke. Mnemonics, music and
// recitations are decoded again when next asked for, which keeps memory small.
constexpr Uint32 keptChunkBytes = 256 * 1024;

// Small buffers keep the delay between a keystroke and its sound short.
constexpr int sampleRate = 44100;
constexpr int bufferSamples = 1024;

} // namespace

SdlAudio::~SdlAudio() {
    close();
}

bool SdlAudio::open() {
    if (open_)
        return true;
    SDL_SetMainReady();
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    if (Mix_OpenAudio(sampleRate, MIX_DEFAULT_FORMAT, 2, bufferSamples) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_AllocateChannels(channelCount);
    open_ = true;
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
        if (it->holders > 0)
            decode(*it, it.key());
    }
    return true;
}

void SdlAudio::close() {
    if (!open_)
        return;
    Mix_HaltChannel(-1);
    for (auto it = entries_.begin(); it != entries_.end();) {
        if (it->chunk)
            Mix_FreeChunk(it->chunk);
        it->chunk = nullptr;
        it->failed = false;
        if (it->holders > 0)
            ++it;
        else
            it = entries_.erase(it);
    }
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    open_ = false;
}

void SdlAudio::hold(const QString& path) {
    if (path.isEmpty())
        return;
    Entry& entry = entries_[path];
    ++entry.holders;
    if (open_)
        decode(entry, path);
}

void SdlAudio::release(const QString& path) {
    const auto it = entries_.find(path);
    if (it == entries_.end() || it->holders == 0)
        return;
    if (--it->holders > 0)
        return;
    if (it->chunk && it->chunk->alen <= keptChunkBytes)
        return;
    freeChunk(it->chunk);
    entries_.erase(it);
}

Mix_Chunk* SdlAudio::chunk(const QString& path) {
    if (!open_ || path.isEmpty())
        return nullptr;
    Entry& entry = entries_[path];
    decode(entry, path);
    return entry.chunk;
}

void SdlAudio::decode(Entry& entry, const QString& path) {
    if (entry.chunk || entry.failed)
        return;
    // The format is told by the content: the files carry no extension. SDL takes UTF-8 paths on
    // every platform.
    SDL_RWops* file = SDL_RWFromFile(path.toUtf8().constData(), "rb");
    entry.chunk = file ? Mix_LoadWAV_RW(file, 1) : nullptr;
    entry.failed = entry.chunk == nullptr;
}

void SdlAudio::freeChunk(Mix_Chunk* chunk) {
    if (!chunk)
        return;
    // A channel may still be sounding it (a file let go of without a halt): silence it first.
    for (int channel = 0; channel < channelCount; ++channel) {
        if (Mix_Playing(channel) && Mix_GetChunk(channel) == chunk)
            Mix_HaltChannel(channel);
    }
    Mix_FreeChunk(chunk);
}
