#pragma once

#include "platform/SoundChannel.h"

class SdlAudio;

// A sound channel on one mixer channel of SdlAudio. The four channels of the program each have
// their own mixer channel, so they sound at the same time. A repeating channel plays its file
// over and over until halted or played again.
//
// The file is decoded when it is set (or when the device opens, for files set before); a missing
// or undecodable file, or no device at all, leaves the channel silent. Playing opens the device
// when it is closed.
class SdlSoundChannel final : public SoundChannel {
public:
    // mixerChannel is 0 to SdlAudio::channelCount - 1; audio must outlive the channel.
    SdlSoundChannel(SdlAudio& audio, int mixerChannel, bool repeat);
    ~SdlSoundChannel() override;
    SdlSoundChannel(const SdlSoundChannel&) = delete;
    SdlSoundChannel& operator=(const SdlSoundChannel&) = delete;

    // Loading a different file stops what the channel was playing, as a player does when it
    // opens another file. Setting the same file again keeps the decoded sound.
    void setFile(const QString& path) override;
    QString file() const override { return file_; }
    void play() override;
    void halt() override;

    int mixerChannel() const { return channel_; }
    bool repeats() const { return repeat_; }

private:
    SdlAudio& audio_;
    int channel_;
    bool repeat_;
    QString file_;
};
