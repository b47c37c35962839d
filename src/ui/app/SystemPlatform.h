#pragma once

#include "app/SystemFileDialog.h"
#include "app/SystemInputBox.h"
#include "platform/NetworkChangeWatcher.h"
#include "platform/Platform.h"
#include "practice/SystemClock.h"
#include "practice/SystemRandom.h"
#include "sound/SdlAudio.h"
#include "sound/SdlSoundChannel.h"
#include "web/NetworkConnectionCheck.h"
#include "web/SystemHostLookup.h"
#include "web/SystemMessageBox.h"
#include "web/SystemShell.h"

#include <memory>

// The real platform: the system clock and random source, four SDL sound channels, the folder
// of the executable and the data folder chosen for this user, the primary screen, the network, and
// the desktop's dialogs and shell.
class SystemPlatform {
public:
    explicit SystemPlatform(const QString& programFolder);

    const Platform& platform() const { return platform_; }
    SdlAudio& audio() { return audio_; }

private:
    SystemClock clock_;
    SystemRandom random_;
    SdlAudio audio_;
    std::array<std::unique_ptr<SdlSoundChannel>, 4> channels_;
    NetworkChangeWatcher networkChanges_;
    NetworkConnectionCheck connection_;
    SystemHostLookup hostLookup_;
    SystemInputBox inputBox_;
    SystemMessageBox messageBox_;
    SystemFileDialog fileDialog_;
    SystemShell shell_;
    Platform platform_;
};
