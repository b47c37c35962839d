#include "sound/SdlAudio.h"

#include "platform/Diagnostics.h"

namespace {

// Sounds up to this size (about a second and a half of decoded audio) stay decoded when no
// channel holds them: key names and effects come back on every keystroke. Mnemonics, music and
// recitations are decoded again when next asked for, which keeps memory small.
constexpr Uint32 keptChunkBytes = 256 * 1024;

// The sound pack is recorded at 22050 Hz: mixing at that rate loses nothing and does half the
// work, and decoded sounds take half the memory, of 44100 Hz.
constexpr int sampleRate = 22050;

} // namespace

SdlAudio::SdlAudio() {
    silence_.setSingleShot(true);
    silence_.setInterval(closeAfterSilenceMs);
    connect(&silence_, &QTimer::timeout, this, &SdlAudio::closeIfSilent);
}

SdlAudio::~SdlAudio() {
    close();
    if (sdl_.isLoaded())
        freeAll();
}

bool SdlAudio::open() {
    openFailed_ = false;
    return openForPlay();
}

bool SdlAudio::openForPlay() {
    if (open_)
        return true;
    if (openFailed_)
        return false;
    if (!sdl_.load()) {
        qCWarning(lcAudio) << "SDL_mixer could not be loaded; the trainer stays silent";
        openFailed_ = true;
        return false;
    }
    sdl_.setMainReady();
    // SDL would otherwise catch SIGINT and SIGTERM and turn them into quit events that this
    // program never reads: it could then no longer be ended from outside.
    sdl_.setHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (sdl_.initSubSystem(SDL_INIT_AUDIO) != 0) {
        qCWarning(lcAudio) << "no audio subsystem; the trainer stays silent";
        openFailed_ = true;
        return false;
    }
    tap_ = nextTap_; // the mixing thread is not running yet
    // A sound starts in the next buffer the mixer fills and is heard once the device has played
    // the buffers queued before it: with 256 frames (11.6 ms) a key's sound follows the key
    // within about 20 ms, where typists begin to hear a lag. The device may grant another size,
    // which the mixer then uses; the mixing thread wakes once per buffer while the device is open.
    if (sdl_.openAudioDevice(sampleRate, MIX_DEFAULT_FORMAT, 2, requestedFrames, nullptr,
                             SDL_AUDIO_ALLOW_SAMPLES_CHANGE) != 0) {
        qCWarning(lcAudio) << "the audio device did not open; the trainer stays silent";
        sdl_.quitSubSystem(SDL_INIT_AUDIO);
        openFailed_ = true;
        return false;
    }
    sdl_.allocateChannels(channelCount);
    grantedBytes_ = 0;
    sdl_.setPostMix(&SdlAudio::mixed, this);
    open_ = true;
    // Another device may mix in another format: sounds converted for the old one must go.
    DeviceFormat format;
    sdl_.queryFormat(&format.frequency, &format.format, &format.channels);
    if (!(format == decodedFor_))
        freeAll();
    decodedFor_ = format;
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
        it->failed = false;
        if (it->holders > 0)
            decode(*it, it.key());
    }
    if (holds_ == 0)
        silence_.start();
    return true;
}

void SdlAudio::hold() {
    if (++holds_ > 1)
        return;
    silence_.stop();
    open();
}

void SdlAudio::release() {
    if (holds_ == 0 || --holds_ > 0)
        return;
    if (open_)
        silence_.start();
}

int SdlAudio::grantedFrames() const {
    const int bytesPerFrame = 2 * decodedFor_.channels; // 16-bit samples
    return bytesPerFrame > 0 ? grantedBytes_.load() / bytesPerFrame : 0;
}

void SdlAudio::setMixTap(MixTap tap, void* context) {
    nextTap_ = {tap, context};
}

// On the mixing thread, with every buffer the mixer has filled.
void SdlAudio::mixed(void* self, Uint8* buffer, int bytes) {
    auto* audio = static_cast<SdlAudio*>(self);
    audio->grantedBytes_.store(bytes, std::memory_order_relaxed);
    if (audio->tap_.first)
        audio->tap_.first(audio->tap_.second, buffer, bytes);
}

void SdlAudio::close() {
    silence_.stop();
    if (!open_)
        return;
    sdl_.haltChannel(-1);
    sdl_.closeAudio();
    sdl_.quitSubSystem(SDL_INIT_AUDIO);
    open_ = false;
}

void SdlAudio::closeIfSilent() {
    if (!open_ || holds_ > 0)
        return;
    if (sdl_.playing(-1) > 0)
        silence_.start(); // music or a recitation: look again later
    else
        close();
}

void SdlAudio::played() {
    if (open_ && holds_ == 0)
        silence_.start();
}

void SdlAudio::holdFile(const QString& path) {
    if (path.isEmpty())
        return;
    Entry& entry = entries_[path];
    ++entry.holders;
    if (open_)
        decode(entry, path);
}

void SdlAudio::releaseFile(const QString& path) {
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
    if (entry.failed)
        qCWarning(lcSound) << "sound file unreadable:" << path;
}

void SdlAudio::freeChunk(Mix_Chunk* chunk) {
    if (!chunk)
        return;
    // A channel may still be sounding it (a file let go of without a halt): silence it first.
    if (open_) {
        for (int channel = 0; channel < channelCount; ++channel) {
            if (sdl_.playing(channel) && sdl_.getChunk(channel) == chunk)
                sdl_.haltChannel(channel);
        }
    }
    sdl_.freeChunk(chunk);
}

void SdlAudio::freeAll() {
    for (auto it = entries_.begin(); it != entries_.end();) {
        freeChunk(it->chunk);
        it->chunk = nullptr;
        it->failed = false;
        if (it->holders > 0)
            ++it;
        else
            it = entries_.erase(it);
    }
}
