#include "practice/KeyEventMapper.h"

#include "keyboard/KeyTable.h"

#include <array>
#include <optional>

namespace {

struct KeyCode {
    int qtKey;
    int code;
};

// Keys of the numeric keypad that have codes of their own on Windows. Qt reports them with the
// same key values as their twins of the main block and marks them with the keypad modifier.
constexpr std::array keypadKeys = {
    KeyCode{Qt::Key_0, 96},      KeyCode{Qt::Key_1, 97},         KeyCode{Qt::Key_2, 98},
    KeyCode{Qt::Key_3, 99},      KeyCode{Qt::Key_4, 100},        KeyCode{Qt::Key_5, 101},
    KeyCode{Qt::Key_6, 102},     KeyCode{Qt::Key_7, 103},        KeyCode{Qt::Key_8, 104},
    KeyCode{Qt::Key_9, 105},     KeyCode{Qt::Key_Asterisk, 106}, KeyCode{Qt::Key_Plus, 107},
    KeyCode{Qt::Key_Minus, 109}, KeyCode{Qt::Key_Period, 110},   KeyCode{Qt::Key_Comma, 110},
    KeyCode{Qt::Key_Slash, 111}, KeyCode{Qt::Key_Enter, 13},
};

// Keys beside the drawn keyboard; the drawn ones are in the key table.
// clang-format off
constexpr std::array keysBeside = {
    KeyCode{Qt::Key_Clear, 12},       KeyCode{Qt::Key_Pause, 19},
    KeyCode{Qt::Key_Escape, 27},      KeyCode{Qt::Key_PageUp, 33},
    KeyCode{Qt::Key_PageDown, 34},    KeyCode{Qt::Key_End, 35},
    KeyCode{Qt::Key_Home, 36},        KeyCode{Qt::Key_Left, 37},
    KeyCode{Qt::Key_Up, 38},          KeyCode{Qt::Key_Right, 39},
    KeyCode{Qt::Key_Down, 40},        KeyCode{Qt::Key_Print, 44},
    KeyCode{Qt::Key_SysReq, 44},      KeyCode{Qt::Key_Insert, 45},
    KeyCode{Qt::Key_Delete, 46},      KeyCode{Qt::Key_NumLock, 144},
    KeyCode{Qt::Key_ScrollLock, 145},
};
// clang-format on

template <std::size_t N> std::optional<int> lookUp(const std::array<KeyCode, N>& table, int qtKey) {
    for (const KeyCode& entry : table)
        if (entry.qtKey == qtKey)
            return entry.code;
    return std::nullopt;
}

std::optional<int> codeOf(int qtKey, bool keypad) {
    if (keypad)
        if (const auto code = lookUp(keypadKeys, qtKey))
            return code;
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return qtKey; // Qt's values are the ASCII codes, equal to the Windows codes here
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return 112 + (qtKey - Qt::Key_F1);
    if (const KeyTable::Key* key = KeyTable::keyOfQtKey(qtKey))
        return key->vk; // Qt names a key by the character it typed: either one leads to it
    return lookUp(keysBeside, qtKey);
}

} // namespace

KeyEventMapper::Stroke KeyEventMapper::map(int qtKey, Qt::KeyboardModifiers modifiers) {
    // A key no Windows code names (a media key, F25 and beyond, a letter of another layout) is
    // still a key press: it counts, and it is wrong, since no target has it.
    const int code = codeOf(qtKey, modifiers.testFlag(Qt::KeypadModifier)).value_or(unknownKey);

    int state = 0;
    if (modifiers.testFlag(Qt::ShiftModifier))
        state |= shiftBit;
    if (modifiers.testFlag(Qt::ControlModifier))
        state |= ctrlBit;
    if (modifiers.testFlag(Qt::AltModifier))
        state |= altBit;
    // Some platforms report a modifier key's own press without its modifier; Windows reports it
    // with, and Alt pressed alone must read as Alt held.
    switch (code) {
    case 16:
        state |= shiftBit;
        break;
    case 17:
        state |= ctrlBit;
        break;
    case 18:
        state |= altBit;
        break;
    default:
        break;
    }
    return Stroke{code, state};
}
