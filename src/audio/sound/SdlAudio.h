#pragma once

#include "platform/SoundDevice.h"
#include "sound/SdlMixerLibrary.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QTimer>

#include <atomic>
#include <utility>

// The audio device of the program and the decoded sounds its channels play.
//
// The device is open only while something plays or is about to: an open device wakes its mixing
// thread every buffer period even in silence, which would cost CPU all day long in a program
// that mostly waits. It opens on the first play and closes after a few seconds in which nothing
// sounds, unless it is held (SoundDevice): a practice run that can sound holds it from Start to
// its end, so that no key after a pause waits for it to open again. Creating it touches no audio
// hardware and loads no library, so start-up never waits for the sound system.
//
// It mixes in short buffers, so that a key's sound follows the key within a couple of buffers.
//
// Decoded sounds are kept by path and shared between channels, so replaying a sound on every
// keystroke never decodes it again; they outlive a closing of the device, so opening it again
// costs no decoding. A long sound (mnemonic, music, recitation) is freed as soon as no channel
// holds it any more; short ones stay for the next time.
//
// It must outlive every SdlSoundChannel made on it.
class SdlAudio : public QObject, public SoundDevice {
public:
    // The mixer channels the program uses: 0 to channelCount - 1.
    static constexpr int channelCount = 4;

    // How long the device stays open after the last sound ended.
    static constexpr int closeAfterSilenceMs = 10000;

    // The buffer the mixer asks for, in sample frames. The device may grant another size.
    static constexpr int requestedFrames = 256;

    // Called on the mixing thread with every buffer the mixer hands the device, mixed and ready
    // to play: for measuring what is heard when.
    using MixTap = void (*)(void* context, const Uint8* buffer, int bytes);

    SdlAudio();
    ~SdlAudio() override;
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    // Opens the audio device and decodes every file a channel holds. False, and silence, when
    // no device can be opened. Opening an open device does nothing and succeeds.
    bool open();

    // Opens the device for a play. After a failed opening this does not try again until the next
    // open() or hold(): without a device, keystrokes must not each wait for the sound system to
    // give up.
    bool openForPlay();

    // SoundDevice: while held, the device is open and never closes for silence.
    void hold() override;
    void release() override;

    // Halts every channel and closes the device. The channels keep their files and the decoded
    // sounds are kept for the next opening.
    void close();

    bool isOpen() const { return open_; }

    // Closes the device when nothing has sounded for a while and nobody holds it; the timer that
    // calls it runs only while the device is open and not held.
    void closeIfSilent();
    bool closeIsPending() const { return silence_.isActive(); }

    // A channel started a sound: the silence is counted from now.
    void played();

    // The mixer's functions; usable only while the device is open.
    const SdlMixerLibrary& mixer() const { return sdl_; }

    // The buffer the device granted at its last opening, in sample frames, as the mixer last
    // handed one over; 0 before the first buffer.
    int grantedFrames() const;
    // The rate the device mixes at, in frames a second; 0 before the first opening.
    int frameRate() const { return decodedFor_.frequency; }

    // Sees every mixed buffer from the next opening of the device on; null for none.
    void setMixTap(MixTap tap, void* context);

    // A channel takes hold of a file (decoded now if the device is open) or lets go of it.
    // Empty paths are ignored.
    void holdFile(const QString& path);
    void releaseFile(const QString& path);

    // The decoded sound of a file, decoding it if need be; null without a device or when the
    // file is missing or cannot be decoded (a failure is remembered until the device opens again).
    Mix_Chunk* chunk(const QString& path);

private:
    struct Entry {
        int holders = 0;
        Mix_Chunk* chunk = nullptr;
        bool failed = false;
    };
    struct DeviceFormat {
        int frequency = 0;
        Uint16 format = 0;
        int channels = 0;
        bool operator==(const DeviceFormat&) const = default;
    };

    static void mixed(void* self, Uint8* buffer, int bytes);
    void decode(Entry& entry, const QString& path);
    void freeChunk(Mix_Chunk* chunk);
    void freeAll();

    SdlMixerLibrary sdl_;
    QHash<QString, Entry> entries_;
    QTimer silence_;
    DeviceFormat decodedFor_; // the device format the kept sounds were converted to
    int holds_ = 0;
    std::atomic<int> grantedBytes_{0};
    // The tap to use from the next opening, and the one the mixing thread reads: that one
    // changes only while the device is closed.
    std::pair<MixTap, void*> nextTap_{nullptr, nullptr};
    std::pair<MixTap, void*> tap_{nullptr, nullptr};
    bool open_ = false;
    bool openFailed_ = false;
};
