#pragma once

#include "FakeClock.h"
#include "FakeDialogs.h"
#include "FakeHostLookup.h"
#include "FakeRandom.h"
#include "FakeSoundDevice.h"
#include "RecordingSoundChannel.h"

#include "platform/Platform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// A program folder of its own (with the settings folder) and fakes for every outside thing, as
// the real program would get them from the system.
struct TrainerRig {
    QTemporaryDir dir;
    FakeClock clock;
    FakeRandom random;
    std::array<RecordingSoundChannel, 4> channels;
    FakeSoundDevice soundDevice;
    FakeConnection connection;
    FakeHostLookup hostLookup;
    FakeInputBox inputBox;
    FakeMessageBox messageBox;
    FakeFileDialog fileDialog;
    FakeShell shell;

    explicit TrainerRig(bool withSettingsFolder = true) {
        if (withSettingsFolder)
            QDir(dir.path()).mkpath(QStringLiteral("数据库"));
    }

    Platform platform(int screenWidth = 1920) {
        Platform p;
        p.clock = &clock;
        p.random = &random;
        for (std::size_t i = 0; i < 4; ++i)
            p.channels[i] = &channels[i];
        p.soundDevice = &soundDevice;
        p.folder = ProgramFolder(dir.path());
        p.data = DataFolder(dir.path());
        p.screenWidth = [screenWidth] { return screenWidth; };
        p.connection = &connection;
        p.hostLookup = &hostLookup;
        p.inputBox = &inputBox;
        p.messageBox = &messageBox;
        p.fileDialog = &fileDialog;
        p.shell = &shell;
        return p;
    }

    QString settingsPath() const { return dir.path() + QStringLiteral("/数据库/Keyvora"); }

    QByteArray settingsBytes() const {
        QFile file(settingsPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void writeSettings(const QByteArray& bytes) const {
        QFile file(settingsPath());
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }

    RecordingSoundChannel& channel(int number) { return channels[std::size_t(number - 1)]; }
};
