#pragma once

#include <Qt>

// Turns a Qt key event into what the key-down handler works on: the Windows virtual-key code of
// the physical key on a US keyboard and the Shift/Ctrl/Alt bits held with it. The practice rules
// are written in those terms, so this is the only place that knows about Qt key values.
class KeyEventMapper {
public:
    // Modifier bits of a key stroke.
    static constexpr int shiftBit = 1;
    static constexpr int ctrlBit = 2;
    static constexpr int altBit = 4;

    struct Stroke {
        int code = 0;  // Windows virtual-key code
        int state = 0; // shiftBit | ctrlBit | altBit

        friend bool operator==(const Stroke&, const Stroke&) = default;
    };

    // The code of a key that has no place on a US Windows keyboard; it matches no target.
    static constexpr int unknownKey = 255;

    // The stroke of a key-down event. Left and right modifier keys give the same code.
    static Stroke map(int qtKey, Qt::KeyboardModifiers modifiers);
};
