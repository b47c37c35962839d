#include "practice/KeyChecker.h"

#include <array>

namespace {

// A run of consecutive targets struck by consecutive keys: target first + i is struck by the
// key firstKey + i.
struct CodeRow {
    int first;
    int last;
    int firstKey;
};

// Key-code checking: the modifier state is not looked at. Shifted punctuation has no row and
// can never be struck this way.
constexpr std::array codeRows = {
    CodeRow{48, 57, 48},  // digits
    CodeRow{65, 90, 65},  // capital letters
    CodeRow{97, 122, 65}, // small letters: the same letter key
    CodeRow{8, 8, 8},     // Backspace
    CodeRow{13, 13, 13},  // Enter
    CodeRow{16, 18, 16},  // left Shift, Ctrl, Alt
    CodeRow{20, 20, 20},  // Caps Lock
    CodeRow{32, 32, 32},  // Space
    CodeRow{26, 28, 16},  // right Shift, Ctrl, Alt share the codes of the left ones
    CodeRow{96, 96, 192}, // `
    CodeRow{45, 45, 189}, // -
    CodeRow{61, 61, 187}, // =
    CodeRow{92, 92, 220}, // backslash
    CodeRow{91, 91, 219}, // [
    CodeRow{93, 93, 221}, // ]
    CodeRow{59, 59, 186}, // ;
    CodeRow{39, 39, 222}, // '
    CodeRow{44, 44, 188}, // ,
    CodeRow{46, 46, 190}, // .
    CodeRow{47, 47, 191}, // /
};

// Shift-aware checking: the character typed on a US keyboard. state is the whole modifier
// state, so 1 is Shift alone and 0 no modifier at all.
struct CharacterRow {
    int first;
    int last;
    int state;
    int firstKey;
};

constexpr std::array characterRows = {
    CharacterRow{33, 33, 1, 49},    // !
    CharacterRow{34, 34, 1, 222},   // "
    CharacterRow{35, 35, 1, 51},    // #
    CharacterRow{36, 36, 1, 52},    // $
    CharacterRow{37, 37, 1, 53},    // %
    CharacterRow{38, 38, 1, 55},    // &
    CharacterRow{39, 39, 0, 222},   // '
    CharacterRow{40, 40, 1, 57},    // (
    CharacterRow{41, 41, 1, 48},    // )
    CharacterRow{42, 42, 1, 56},    // *
    CharacterRow{43, 43, 1, 187},   // +
    CharacterRow{44, 44, 0, 188},   // ,
    CharacterRow{45, 45, 0, 189},   // -
    CharacterRow{46, 46, 0, 190},   // .
    CharacterRow{47, 47, 0, 191},   // /
    CharacterRow{48, 57, 0, 48},    // 0 to 9
    CharacterRow{58, 58, 1, 186},   // :
    CharacterRow{59, 59, 0, 186},   // ;
    CharacterRow{60, 60, 1, 188},   // <
    CharacterRow{61, 61, 0, 187},   // =
    CharacterRow{62, 62, 1, 190},   // >
    CharacterRow{63, 63, 1, 191},   // ?
    CharacterRow{64, 64, 1, 50},    // @
    CharacterRow{65, 90, 1, 65},    // A to Z, whatever the Caps Lock state
    CharacterRow{91, 91, 0, 219},   // [
    CharacterRow{92, 92, 0, 220},   // backslash
    CharacterRow{93, 93, 0, 221},   // ]
    CharacterRow{94, 94, 1, 54},    // ^
    CharacterRow{95, 95, 1, 189},   // _
    CharacterRow{96, 96, 0, 192},   // `
    CharacterRow{97, 122, 0, 65},   // a to z
    CharacterRow{123, 123, 1, 219}, // {
    CharacterRow{124, 124, 1, 220}, // |
    CharacterRow{125, 125, 1, 221}, // }
    CharacterRow{126, 126, 1, 192}, // ~
};

} // namespace

bool KeyChecker::isCorrect(bool shiftAware, int target, int code, int state) {
    if (shiftAware) {
        for (const CharacterRow& row : characterRows)
            if (target >= row.first && target <= row.last)
                return state == row.state && code == row.firstKey + (target - row.first);
        return false;
    }
    for (const CodeRow& row : codeRows)
        if (target >= row.first && target <= row.last)
            return code == row.firstKey + (target - row.first);
    return false;
}
