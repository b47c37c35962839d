#include "keyboard/DisplayStyles.h"

#include "menus/MenuTree.h"

#include <QAction>

DisplayStyles::DisplayStyles(MenuTree& menus, QObject* parent) : QObject(parent), menus_(menus) {}

QString DisplayStyles::titleText(const QString& caption) {
    return caption.mid(5, caption.size() - 9);
}

void DisplayStyles::choose(int index) {
    if (index < 0 || index > 11 || index == 4 || index >= menus_.fengge1.size())
        return;
    const bool shown = index <= 3;
    if (shown != keyboardShown_) {
        keyboardShown_ = shown;
        emit keyboardShownChanged(shown);
    }
    for (int i = 0; i <= 11 && i < menus_.fengge1.size(); ++i)
        if (i != 4)
            menus_.fengge1[i]->setChecked(i == index);
    const QString banner = QStringLiteral("Keyvora-") + titleText(menus_.fengge1[index]->text());
    if (banner != banner_) {
        banner_ = banner;
        emit bannerChanged(banner_);
    }
}
