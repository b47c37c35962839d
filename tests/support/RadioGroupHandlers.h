#pragma once

#include "settings/GroupHandlers.h"
#include "settings/Options.h"

#include <QAction>
#include <QStringList>

// Group handlers that set the options as the real ones do, without their other effects: an
// index outside the group (or the separator) is ignored, the custom total is 99. Every call is
// recorded as "<group>:<index>", e.g. "zongshu:11".
class RadioGroupHandlers {
public:
    QStringList calls;

    GroupHandlers make(Options& options) {
        Options* o = &options;
        return {record(QStringLiteral("fengge1"), [o](int i) { o->setFengge(i); }),
                record(QStringLiteral("shengyin1"), [o](int i) { o->setShengyin(i); }),
                record(QStringLiteral("jibie"), [o](int i) { o->setLevel(i + 1); }),
                record(QStringLiteral("zongshu"), [o](int i) { o->setTotal(i, 99); })};
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
    std::function<void(int)> record(const QString& name, std::function<void(int)> set) {
        return [this, name, set](int index) {
            calls << QStringLiteral("%1:%2").arg(name).arg(index);
            set(index);
        };
    }
};
