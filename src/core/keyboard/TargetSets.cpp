#include "keyboard/TargetSets.h"

#include "keyboard/KeyTable.h"

namespace TargetSets {

TargetSet forStyle(int style) {
    switch (style) {
    case 0:
    case 5:
        return TargetSet::DigitsAndCapitals;
    case 1:
    case 7:
        return TargetSet::Capitals;
    case 2:
    case 8:
        return TargetSet::Digits;
    case 6:
        return TargetSet::DigitsAndSmall;
    case 3:
    case 9:
        return TargetSet::AllKeysCapitals;
    case 10:
        return TargetSet::AllKeysSmall;
    default:
        return TargetSet::AllCharacters;
    }
}

bool isOtherKey(int code) {
    const KeyTable::Key* key = KeyTable::keyLitBy(code);
    return key && key->kind != KeyTable::KeyKind::Letter && key->kind != KeyTable::KeyKind::Digit;
}

bool contains(TargetSet set, int code) {
    const bool digit = code >= 48 && code <= 57;
    const bool capital = code >= 65 && code <= 90;
    const bool small = code >= 97 && code <= 122;
    switch (set) {
    case TargetSet::DigitsAndCapitals:
        return digit || capital;
    case TargetSet::Capitals:
        return capital;
    case TargetSet::Digits:
        return digit;
    case TargetSet::DigitsAndSmall:
        return digit || small;
    case TargetSet::AllKeysCapitals:
        return digit || capital || isOtherKey(code);
    case TargetSet::AllKeysSmall:
        return digit || small || isOtherKey(code);
    case TargetSet::AllCharacters:
        return code >= 33 && code <= 126;
    }
    return false;
}

} // namespace TargetSets
