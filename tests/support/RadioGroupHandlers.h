#pragma once

#include "menus/MenuTree.h"
#include "settings/GroupHandlers.h"

#include <QAction>
#include <QStringList>

// Group handlers that treat check marks as the real ones do: an index of an item of the group
// checks that item alone, any other index (outside the group, or a separator) is ignored.
// Every call is recorded as "<group>:<index>", e.g. "zongshu:11".
class RadioGroupHandlers {
public:
    QStringList calls;

    GroupHandlers make(MenuTree& menus) {
        return {choose(QStringLiteral("fengge1"), menus.fengge1),
                choose(QStringLiteral("shengyin1"), menus.shengyin1),
                choose(QStringLiteral("jibie"), menus.jibie),
                choose(QStringLiteral("zongshu"), menus.zongshu)};
    }

    // How many selectable items of the group are checked.
    static int checkedCount(const QList<QAction*>& group) {
        int count = 0;
        for (QAction* item : group)
            if (!item->isSeparator() && item->isChecked())
                ++count;
        return count;
    }

private:
    std::function<void(int)> choose(const QString& name, const QList<QAction*>& group) {
        return [this, name, &group](int index) {
            calls << QStringLiteral("%1:%2").arg(name).arg(index);
            if (index < 0 || index >= group.size() || group[index]->isSeparator())
                return;
            for (int i = 0; i < group.size(); ++i)
                group[i]->setChecked(i == index);
        };
    }
};
