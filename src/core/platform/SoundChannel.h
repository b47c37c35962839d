#pragma once

#include <QString>

// One sound channel: holds one file, plays it from its beginning on request. A missing file,
// an undecodable file or a missing audio device make the channel silent, never an error.
class SoundChannel {
public:
    virtual ~SoundChannel() = default;

    // Loads the file without playing it; an empty path unloads the channel.
    virtual void setFile(const QString& path) = 0;

    // The file last set, as it was given.
    virtual QString file() const = 0;

    // Starts the loaded file from its beginning, cutting whatever the channel was playing.
    virtual void play() = 0;

    // Silences the channel at once.
    virtual void halt() = 0;

    // Sets the current file again and plays it: restarts a sound still playing.
    void replay() {
        setFile(file());
        play();
    }
};
