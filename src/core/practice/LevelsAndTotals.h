#pragma once

#include <QString>

class InputBox;
class Options;

// The level menu `jibie` and the character-total menu `zongshu`. Choosing an item sets the
// level or the total in the options model and with it the check mark. A change takes effect at
// once, during a run as well.
class LevelsAndTotals {
public:
    static constexpr double minCustomTotal = 10;
    static constexpr double maxCustomTotal = 99999;
    // The total used when a custom entry is out of range, and by the start-up restore.
    static constexpr double fallbackTotal = 99;

    // The prompt of the custom total's input box.
    static const QString customPrompt;

    LevelsAndTotals(Options& options, InputBox& inputBox, QString appTitle);

    // Level item 0..19 (levels 1..20). Any other index is ignored.
    void chooseLevel(int index);

    // Total item 0..11; item 11 is the custom total. The user is asked for it every time; when
    // `restoring` (the settings restore at start-up) the total 99 is taken without asking.
    // Cancelling the prompt or entering nothing changes neither the total nor the check marks.
    // Any other index is ignored.
    void chooseTotal(int index, bool restoring = false);

    // The texts of the level and total figures of the statistics panel: the level's design text
    // "  3" until a level is chosen, then the item's caption; an item's total as its caption, a
    // custom entry in the signed style (" 150", the restore's " 99"), the fallback for an entry
    // out of range as "99".
    static QString levelText(const Options& options);
    static QString totalText(const Options& options);

private:
    Options& options_;
    InputBox& inputBox_;
    QString appTitle_;
};
