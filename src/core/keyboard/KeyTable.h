#pragma once

#include <QList>
#include <QString>

// The three labels a key picture may be made of: the cap, the lower (unshifted) glyph and
// the upper (shifted) glyph.
enum class KeyPart { Cap, Lower, Upper };

// Constant facts about targets and keys.
//
// A target code (0..126) names the thing to type next: a printable ASCII character 33..126,
// the space 32, or a named key: 8 Backspace, 13 Enter, 16/17/18 left Shift/Ctrl/Alt,
// 20 Caps Lock, 26/27/28 right Shift/Ctrl/Alt.
//
// A key index names a key picture: the Windows virtual-key code of the key, except Tab (0) and
// the right-hand Shift, Ctrl and Alt (26, 27, 28).
namespace KeyTable {

inline constexpr int noKey = -1;
inline constexpr int maxKeyIndex = 222;

// The 61 key indices of the drawn keyboard, in ascending order.
const QList<int>& keyIndices();

// Whether the key picture of this index has the given label.
bool hasPart(int keyIndex, KeyPart part);

// The key that lights up for a target, or noKey (small letters, shifted symbols).
int keyOfTarget(int code);

// The caption of the falling label for a target.
QString displayText(int code);

// The file-name stem of the target's spoken name; empty for codes that have none.
QString stem(int code);

// Enter, Backspace, Caps Lock and the six modifiers; not the space.
bool isNamedKey(int code);

} // namespace KeyTable
