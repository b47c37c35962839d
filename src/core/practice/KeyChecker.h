#pragma once

// Decides whether a key stroke strikes the target. Two rules exist: key-code checking looks at
// the key alone, so either character of a key (and either of a left/right modifier pair)
// counts; Shift-aware checking asks for the exact character, Shift included.
class KeyChecker {
public:
    // target: the target code; code: the Windows virtual-key code; state: the modifier bits
    // (1 Shift, 2 Ctrl, 4 Alt).
    static bool isCorrect(bool shiftAware, int target, int code, int state);
};
