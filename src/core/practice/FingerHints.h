#pragma once

#include <QObject>

// What the finger buttons below a keyboard show: which of the eight fingers to use and which
// Shift key to hold. The main window's run and a lesson of the course each have their own.
class FingerHints : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Finger buttons 0..7: left little, ring, middle, index, right index, middle, ring, little.
    virtual bool fingerLit(int i) const = 0;
    // Shift buttons: 0 left, 1 right.
    virtual bool shiftLit(int i) const = 0;

signals:
    // Some button turned on or off.
    void changed();
};
