#pragma once

#include "platform/SoundDeviceHold.h"

#include <QObject>

class Options;
class PracticeState;
class RunController;
class SoundDevice;

// Keeps the sound device open from Start, through the countdown and the run, to its end, when
// the run can sound: a key sound, the error tone or the music is on. However long the learner
// pauses, the next key then sounds at once; a run that cannot sound leaves the device closed.
// After the run the device closes once nothing has sounded for a while.
class RunSoundHold : public QObject {
    Q_OBJECT
public:
    RunSoundHold(const Options& options, const PracticeState& state, const RunController& run,
                 SoundDevice* device, QObject* parent = nullptr);

    bool held() const { return hold_.held(); }

private:
    void update();

    const Options& options_;
    const PracticeState& state_;
    const RunController& run_;
    SoundDeviceHold hold_;
};
