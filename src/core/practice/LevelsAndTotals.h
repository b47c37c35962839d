#pragma once

#include <QString>

class InputBox;
class MenuTree;
class PracticeState;

// The level menu `jibie` and the character-total menu `zongshu`. Choosing an item writes its
// value into the level or total label of the statistics panel, the only store of the setting,
// and moves the check mark. A change takes effect at once, during a run as well.
class LevelsAndTotals {
public:
    static constexpr int customTotalIndex = 11;
    static constexpr double minCustomTotal = 10;
    static constexpr double maxCustomTotal = 99999;

    // The prompt of the custom total's input box.
    static const QString customPrompt;
    // The total used when a custom entry is out of range, and by the start-up restore.
    static const QString fallbackTotal;

    LevelsAndTotals(PracticeState& state, MenuTree& menus, InputBox& inputBox, QString appTitle);

    // Level item 0..19 (levels 1..20). Any other index is ignored.
    void chooseLevel(int index);

    // Total item 0..11; item 11 is the custom total. The user is asked for it every time; when
    // `restoring` (the settings restore at start-up) the total 99 is taken without asking.
    // Cancelling the prompt or entering nothing changes neither the total nor the check marks.
    // Any other index is ignored.
    void chooseTotal(int index, bool restoring = false);

private:
    PracticeState& state_;
    MenuTree& menus_;
    InputBox& inputBox_;
    QString appTitle_;
};
