#pragma once

#include "history/RunRecord.h"

#include <QList>
#include <QMap>

// What the recorded runs say about each key of the drawn keyboard: the figures of the target
// codes that key strikes (a and A both belong to the A key), added up over the runs.
class KeyStats {
public:
    struct Key {
        int shown = 0;
        int missed = 0;    // shown but not struck by the first key pressed
        int medianMs = -1; // median over the runs' medians, each weighted by its hits
        int shiftSlips = 0;
        QMap<int, int> wrong; // key index pressed instead, presses

        double missRate() const { return shown > 0 ? double(missed) / shown : 0; }
        // The keys pressed instead, most pressed first.
        QList<std::pair<int, int>> mostWrong() const;
    };

    explicit KeyStats(const QList<RunRecord>& runs);

    // Figures of a key index; a key never shown has shown == 0.
    const Key& key(int keyIndex) const;
    // The highest miss rate of any shown key, 0 when none was shown.
    double highestMissRate() const;

    // The key index a target code is struck with: the key of its character on a US keyboard,
    // Shift or not; KeyTable::noKey for codes without one.
    static int keyOfCode(int code);
    // The key index of a Windows virtual-key code (Tab is 0); noKey when it has no key picture.
    static int keyOfVirtualKey(int vk);
    // A short name for a key index as a learner reads it: "R", "7", ";", "Enter", "空格".
    static QString keyName(int keyIndex);

private:
    QMap<int, Key> keys_;
};
