#pragma once

#include "sound/SdlMixerLibrary.h"

#include <QHash>
#include <QString>

// The audio device of the program and the decoded sounds its channels play.
//
// Creating it touches no audio hardware: channels may be made and loaded at once, and the device
// is opened later, once the window is up, so that start-up stays quick. Files set on channels
// before then are remembered and decoded when the device opens. Without a device everything
// stays silent.
//
// Decoded sounds are kept by path and shared between channels, so replaying a sound on every
// keystroke never decodes it again. A long sound (mnemonic, music, recitation) is freed as soon as
// no channel holds it any more; short ones stay for the next time.
//
// It must outlive every SdlSoundChannel made on it.
class SdlAudio {
public:
    // The mixer channels the program uses: 0 to channelCount - 1.
    static constexpr int channelCount = 4;

    SdlAudio() = default;
    ~SdlAudio();
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    // Opens the audio device and decodes every file a channel holds. False, and silence, when
    // no device can be opened. Opening an open device does nothing and succeeds.
    bool open();

    // Halts every channel, frees the decoded sounds and closes the device. The channels keep
    // their files; the next open decodes them again.
    void close();

    bool isOpen() const { return open_; }

    // The mixer's functions; usable only while the device is open.
    const SdlMixerLibrary& mixer() const { return sdl_; }

    // A channel takes hold of a file (decoded now if the device is open) or lets go of it.
    // Empty paths are ignored.
    void hold(const QString& path);
    void release(const QString& path);

    // The decoded sound of a file, decoding it if need be; null without a device or when the
    // file is missing or cannot be decoded (a failure is remembered until the device closes).
    Mix_Chunk* chunk(const QString& path);

private:
    struct Entry {
        int holders = 0;
        Mix_Chunk* chunk = nullptr;
        bool failed = false;
    };

    void decode(Entry& entry, const QString& path);
    void freeChunk(Mix_Chunk* chunk);

    SdlMixerLibrary sdl_;
    QHash<QString, Entry> entries_;
    bool open_ = false;
};
