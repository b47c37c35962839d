#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QStringView>
#include <Qt>

#include <array>
#include <span>

// The three labels a key picture may be made of: the cap, the lower (unshifted) glyph and
// the upper (shifted) glyph.
enum class KeyPart { Cap, Lower, Upper };

// The US keyboard as one table, and the constant facts about targets and keys that follow
// from it.
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

// The five row tops of the drawn keyboard in twips, row 0 (digits) to row 4 (space bar).
inline constexpr int rowTops[5] = {2040, 2520, 3000, 3480, 3960};

// What a key is to the practice: which targets light it and how it is shown.
enum class KeyKind : unsigned char {
    Letter,      // lit by its capital, types the small letter and, shifted, the capital
    Digit,       // lit by its digit, falls as "1."
    Punctuation, // lit by its unshifted character
    Named,       // Backspace, Enter, Caps Lock and the six modifiers: lit by its own index
    Space,       // lit by 32 like a named key, yet no named key
    Inert,       // Tab and the Windows and menu keys: never a target
};

// How a cap is labelled.
enum class CapFace : unsigned char {
    Character, // letter or digit: a space and the character, large
    Shifted,   // punctuation: the shifted character at the top left, the other one a glyph
    Word,      // a word, or nothing when its characters are glyphs and line segments
    Outline,   // a word on an unbordered cap whose outline the line segments draw (Enter)
};

// A character a key types.
struct Character {
    char16_t code = 0; // 0: the key types nothing in this shift state
    QStringView stem;  // file-name stem of its spoken name; null: the (small) character
    QStringView text;  // caption of its falling label; null: the character itself
};

// A glyph label laid on a cap.
struct GlyphPlace {
    QRect rect;       // twips inside the keyboard frame; empty: no such label
    QStringView text; // null: the character of its shift state as a falling label shows it
};

struct Key {
    int index = noKey; // key index
    int vk = 0;        // Windows virtual-key code the key reports
    KeyKind kind = KeyKind::Inert;
    int row = 0;     // 0 (digits) to 4 (space bar)
    int finger = -1; // 0..7 left little to right little; -1 for thumbs and no finger
    Character plain;
    Character shifted;
    QStringView name;                // named keys and space: caption of the falling label
    QStringView stem;                // named keys and space: spoken-name stem; null: the name
    std::array<Qt::Key, 3> qtKeys{}; // Qt keys of the key beyond its characters; 0 ends
    CapFace face = CapFace::Word;
    QStringView caption; // Word and Outline caps
    QRect cap;           // twips inside the keyboard frame
    QStringView accessibleName;
    GlyphPlace lower;
    GlyphPlace upper;
};

// The character a key is known by: the capital of a letter key, the unshifted character of a
// digit or punctuation key, 0 for the others.
constexpr char16_t characterOnCap(const Key& key) {
    return key.kind == KeyKind::Letter ? key.shifted.code : key.plain.code;
}

// The 61 keys of the drawn keyboard, row by row from the top, each row from the left.
std::span<const Key> keys();

// The key of a key index, or nullptr.
const Key* keyAt(int keyIndex);

// The key a target lights, or nullptr (small letters, shifted symbols, no target).
const Key* keyLitBy(int code);

// The key that types a character 33..126 and whether Shift is held for it; key is nullptr
// for anything else.
struct Typing {
    const Key* key = nullptr;
    bool shift = false;
};
Typing typing(int code);

// The key whose Qt key value this is, or nullptr. Characters count with Qt's value for them.
const Key* keyOfQtKey(int qtKey);

// The 61 key indices of the drawn keyboard, in ascending order.
const QList<int>& keyIndices();

// Whether the key picture of this index has the given label.
bool hasPart(int keyIndex, KeyPart part);

// The key index a target lights, or noKey.
int keyOfTarget(int code);

// The caption of the falling label for a target.
QString displayText(int code);

// The file-name stem of the target's spoken name; empty for codes that have none.
QString stem(int code);

// Enter, Backspace, Caps Lock and the six modifiers; not the space.
bool isNamedKey(int code);

// The finger that strikes a target, 0..7, or -1 for the space (a thumb) and non-targets.
int fingerOf(int code);

// Whether the target's character is typed with Shift held.
bool needsShift(int code);

} // namespace KeyTable
