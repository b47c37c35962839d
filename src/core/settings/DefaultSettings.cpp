#include "settings/DefaultSettings.h"

#include "platform/SoundChannel.h"
#include "settings/Options.h"

DefaultSettings::DefaultSettings(Options& options, GroupHandlers handlers,
                                 std::array<SoundChannel*, 4> channels)
    : options_(options), handlers_(std::move(handlers)), channels_(channels) {}

void DefaultSettings::huifu() {
    // The groups go through their own handlers, so a default style or total has the same
    // effects as choosing it in the menu.
    if (handlers_.fengge1)
        handlers_.fengge1(0);
    if (handlers_.shengyin1)
        handlers_.shengyin1(1);
    if (handlers_.jibie)
        handlers_.jibie(2);
    if (handlers_.zongshu)
        handlers_.zongshu(4);

    options_.setZhifa(true);
    options_.setCuowushengyin(true);
    options_.setBeijingyinyue(false);
    options_.setBanci(98);
    // The recitation ends with the channels below; the music item can be chosen again.
    options_.setReciting(false);
    options_.setYicuojian(false);

    // Music and recitation end here: the item is unchecked and every channel falls silent.
    for (SoundChannel* channel : channels_)
        if (channel)
            channel->halt();
}

void DefaultSettings::zhifa() {
    options_.setZhifa(!options_.zhifa());
}
