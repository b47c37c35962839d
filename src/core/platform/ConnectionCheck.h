#pragma once

#include <QObject>

// Tells whether the computer has an internet connection.
class ConnectionCheck : public QObject {
    Q_OBJECT
public:
    virtual bool isOnline() = 0;

    // Whether changed() follows every change of isOnline(). Only then may a caller that waits
    // for the connection stop asking and wait for the signal instead.
    virtual bool signalsChanges() const { return false; }

signals:
    // The answer of isOnline() may have changed.
    void changed();
};
