#pragma once

// The audio device the sound channels play on. Left to itself it opens at the first sound and
// closes after a silence, so that a program that mostly waits costs nothing. Whatever must sound
// promptly at any moment, however long it stayed silent (a practice run, a lesson), holds it open
// for as long as it lasts: a device opened again for the next key would sound late.
//
// Holds are counted, so that two users never close it under each other: it closes only after
// the last one has let go, and then only after the usual silence.
class SoundDevice {
public:
    virtual ~SoundDevice() = default;

    // Opens the device when it is closed (trying again after a failed opening) and keeps it open
    // until the matching release().
    virtual void hold() = 0;

    // Ends one hold. A release without a hold does nothing.
    virtual void release() = 0;
};
