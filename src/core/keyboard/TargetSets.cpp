#include "keyboard/TargetSets.h"

#include "keyboard/KeyTable.h"

namespace TargetSets {

TargetSet forCheckedStyle(const std::function<bool(int)>& isChecked) {
    if (isChecked(0) || isChecked(5))
        return TargetSet::DigitsAndCapitals;
    if (isChecked(1) || isChecked(7))
        return TargetSet::Capitals;
    if (isChecked(2) || isChecked(8))
        return TargetSet::Digits;
    if (isChecked(6))
        return TargetSet::DigitsAndSmall;
    if (isChecked(3) || isChecked(9))
        return TargetSet::AllKeysCapitals;
    if (isChecked(10))
        return TargetSet::AllKeysSmall;
    return TargetSet::AllCharacters;
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
