#include "sound/SdlSoundChannel.h"

#include "sound/SdlAudio.h"

SdlSoundChannel::SdlSoundChannel(SdlAudio& audio, int mixerChannel, bool repeat)
    : audio_(audio), channel_(mixerChannel), repeat_(repeat) {}

SdlSoundChannel::~SdlSoundChannel() {
    halt();
    audio_.releaseFile(file_);
}

void SdlSoundChannel::setFile(const QString& path) {
    if (path == file_) {
        // A file that failed to decode is not tried again on every replay; one that was freed
        // meanwhile is decoded anew.
        audio_.chunk(file_);
        return;
    }
    // Halt before letting go: the old sound may be freed once no channel holds it.
    halt();
    audio_.releaseFile(file_);
    file_ = path;
    audio_.holdFile(file_);
}

void SdlSoundChannel::play() {
    if (channel_ < 0 || channel_ >= SdlAudio::channelCount || !audio_.openForPlay())
        return;
    Mix_Chunk* sound = audio_.chunk(file_);
    if (!sound) {
        halt();
        return;
    }
    // Playing on a busy channel cuts its sound and starts this one from the beginning.
    audio_.mixer().playChannelTimed(channel_, sound, repeat_ ? -1 : 0, -1);
    audio_.played();
}

void SdlSoundChannel::halt() {
    if (audio_.isOpen() && channel_ >= 0 && channel_ < SdlAudio::channelCount)
        audio_.mixer().haltChannel(channel_);
}
