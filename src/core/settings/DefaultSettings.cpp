#include "settings/DefaultSettings.h"

#include "menus/MenuTree.h"
#include "platform/SoundChannel.h"

#include <QAction>

DefaultSettings::DefaultSettings(MenuTree& menus, GroupHandlers handlers,
                                 std::array<SoundChannel*, 4> channels)
    : menus_(menus), handlers_(std::move(handlers)), channels_(channels) {}

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

    menus_.zhifa->setChecked(true);
    menus_.cuowushengyin->setChecked(true);
    menus_.beijingyinyue->setChecked(false);
    if (menus_.banci1.size() > 1)
        menus_.banci1[1]->setChecked(true);
    if (!menus_.banci1.isEmpty())
        menus_.banci1[0]->setChecked(false);
    if (menus_.shengyin1.size() > 1)
        menus_.shengyin1[1]->setEnabled(true);
    menus_.beijingyinyue->setEnabled(true);
    menus_.bofangwubi->setText(MenuTree::bofangCaption);
    if (menus_.yicuojian)
        menus_.yicuojian->setChecked(false);

    // Music and recitation end here: the item is unchecked and every channel falls silent.
    for (SoundChannel* channel : channels_)
        if (channel)
            channel->halt();
}

void DefaultSettings::zhifa() {
    menus_.zhifa->setChecked(!menus_.zhifa->isChecked());
}
