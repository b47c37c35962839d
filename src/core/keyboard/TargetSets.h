#pragma once
// The sets of target codes a display style draws from.
enum class TargetSet {
    DigitsAndCapitals, // styles 0 and 5
    Capitals,          // styles 1 and 7
    Digits,            // styles 2 and 8
    DigitsAndSmall,    // style 6
    AllKeysCapitals,   // styles 3 and 9
    AllKeysSmall,      // style 10
    AllCharacters,     // style 11
};

namespace TargetSets {

// The set a display style draws from: the keyboard style and its falling twin share one (0/5,
// 1/7, 2/8, 3/9), and style 11 takes every printable character.
TargetSet forStyle(int style);

bool contains(TargetSet set, int code);

// The 21 codes of keys other than digits and letters that can light up: the named keys, the
// space and the eleven unshifted punctuation characters.
bool isOtherKey(int code);

} // namespace TargetSets
