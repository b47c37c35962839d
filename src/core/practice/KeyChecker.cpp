#include "practice/KeyChecker.h"

#include "keyboard/KeyTable.h"

bool KeyChecker::isCorrect(bool shiftAware, int target, int code, int state) {
    const KeyTable::Typing typed = KeyTable::typing(target);
    if (shiftAware) {
        // The character typed on a US keyboard; state is the whole modifier state, so 1 is
        // Shift alone and 0 no modifier at all. Capitals need Shift whatever the Caps Lock
        // state; named keys and the space are never struck this way.
        return typed.key && state == (typed.shift ? 1 : 0) && code == typed.key->vk;
    }
    // Key-code checking looks at the key alone: the key the target lights, or for a small
    // letter its letter key. Shifted punctuation lights no key and is never struck this way.
    // The right-hand Shift, Ctrl and Alt report the codes of the left ones.
    const KeyTable::Key* key = KeyTable::keyLitBy(target);
    if (!key && typed.key && !typed.shift)
        key = typed.key;
    return key && code == key->vk;
}
