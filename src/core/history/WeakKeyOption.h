#pragma once

#include <QObject>
#include <QString>

class Options;
#include "platform/DataFolder.h"

// Keeps the check mark of "重点练习易错键" in a small file of its own, 数据库/重点练习易错键
// ("True" or "False" and a line end), beside the settings file, which stays as it is. The file
// is written whenever the mark changes, by the user or by the restore of the defaults.
class WeakKeyOption : public QObject {
    Q_OBJECT
public:
    WeakKeyOption(Options& options, const DataFolder& folder, QObject* parent = nullptr);

    QString path() const;
    // Sets the mark from the file; a missing or unreadable file leaves it off.
    void restore();
    // The handler of the menu item: inverts the mark.
    void toggle();

private:
    void save(bool on);

    Options& options_;
    DataFolder folder_;
    bool saved_ = false; // what the file holds, or the default while there is none
};
