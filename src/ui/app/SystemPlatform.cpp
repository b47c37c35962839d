#include "app/SystemPlatform.h"

#include <QGuiApplication>
#include <QScreen>

SystemPlatform::SystemPlatform(const QString& programFolder) {
    for (int i = 0; i < 4; ++i) {
        // The fourth channel carries the music and the recitation, which repeat without end.
        channels_[std::size_t(i)] = std::make_unique<SdlSoundChannel>(audio_, i, i == 3);
        platform_.channels[std::size_t(i)] = channels_[std::size_t(i)].get();
    }
    platform_.soundDevice = &audio_;
    platform_.clock = &clock_;
    platform_.random = &random_;
    platform_.folder = ProgramFolder(programFolder);
    platform_.data = DataFolder::chooseForThisUser(programFolder);
    platform_.screenWidth = [] {
        const QScreen* screen = QGuiApplication::primaryScreen();
        return screen ? screen->geometry().width() : 1024;
    };
    connection_.follow(networkChanges_);
    platform_.connection = &connection_;
    platform_.hostLookup = &hostLookup_;
    platform_.inputBox = &inputBox_;
    platform_.messageBox = &messageBox_;
    platform_.fileDialog = &fileDialog_;
    platform_.shell = &shell_;
}
