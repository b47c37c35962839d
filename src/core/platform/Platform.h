#pragma once

#include "platform/DataFolder.h"
#include "platform/ProgramFolder.h"

#include <array>
#include <functional>

class Clock;
class RandomSource;
class SoundChannel;
class SoundDevice;
class ConnectionCheck;
class FileDialog;
class HostLookup;
class InputBox;
class MessageBox;
class Shell;

// Everything that makes the trainer non-deterministic or platform-bound, handed in from outside:
// the real program passes the system's own, tests pass fakes. Nothing here is owned.
struct Platform {
    Clock* clock = nullptr;
    RandomSource* random = nullptr;
    // Key sound, error sound, spoken mnemonic, music and recitation (endless repeat).
    std::array<SoundChannel*, 4> channels{};
    // The device the channels play on, held open while something must sound promptly; none:
    // it opens and closes with the sounds alone.
    SoundDevice* soundDevice = nullptr;
    ProgramFolder folder{QString()};
    // Where the settings and the records are read and written.
    DataFolder data{QString()};
    std::function<int()> screenWidth;
    ConnectionCheck* connection = nullptr;
    // Asked before a web page is fetched.
    HostLookup* hostLookup = nullptr;
    InputBox* inputBox = nullptr;
    MessageBox* messageBox = nullptr;
    FileDialog* fileDialog = nullptr;
    Shell* shell = nullptr;
};
