#pragma once

#include "platform/SoundChannel.h"

#include <QString>
#include <QStringList>

// A sound channel that records what it was asked to do: "set:<file>", "play", "halt".
class RecordingSoundChannel final : public SoundChannel {
public:
    QStringList calls;

    void setFile(const QString& path) override {
        file_ = path;
        calls << QStringLiteral("set:") + path;
    }
    QString file() const override { return file_; }
    void play() override {
        calls << QStringLiteral("play");
        if (!file_.isEmpty())
            ++plays;
        lastPlayed = file_;
    }
    void halt() override { calls << QStringLiteral("halt"); }

    int plays = 0;      // plays with a file loaded
    QString lastPlayed; // file loaded at the last play

    void clear() {
        calls.clear();
        plays = 0;
        lastPlayed.clear();
    }

private:
    QString file_;
};
