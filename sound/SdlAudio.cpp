#include "sound/SdlAudio.h"

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
    if (!sdl_.load())
        return false;
    sdl_.setMainReady();
    if (sdl_.initSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    if (sdl_.openAudio(sampleRate, MIX_DEFAULT_FORMAT, 2, bufferSamples) != 0) {
        sdl_.quitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    sdl_.allocateChannels(channelCount);
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
    sdl_.haltChannel(-1);
    for (auto it = entries_.begin(); it != entries_.end();) {
        if (it->chunk)
            sdl_.freeChunk(it->chunk);
        it->chunk = nullptr;
        it->failed = false;
        if (it->holders > 0)
            ++it;
        else
            it = entries_.erase(it);
    }
    sdl_.closeAudio();
    sdl_.quitSubSystem(SDL_INIT_AUDIO);
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
    SDL_RWops* file = sdl_.rwFromFile(path.toUtf8().constData(), "rb");
    entry.chunk = file ? sdl_.loadWavRw(file, 1) : nullptr;
    entry.failed = entry.chunk == nullptr;
}

void SdlAudio::freeChunk(Mix_Chunk* chunk) {
    if (!chunk)
        return;
    // A channel may still be sounding it (a file let go of without a halt): silence it first.
    for (int channel = 0; channel < channelCount; ++channel) {
        if (sdl_.playing(channel) && sdl_.getChunk(channel) == chunk)
            sdl_.haltChannel(channel);
    }
    sdl_.freeChunk(chunk);
}
