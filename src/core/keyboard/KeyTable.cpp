#include "keyboard/KeyTable.h"

namespace KeyTable {

namespace {

constexpr int capWidth = 435;
constexpr int capHeight = 375;
constexpr int capGap = 45;  // between neighbouring caps of a row
constexpr int rowLeft = 60; // where every row starts

constexpr QRect width(int twips) {
    return QRect(0, 0, twips, capHeight);
}

// A glyph label, placed relative to the top left of its cap.
constexpr GlyphPlace at(int x, int y, int w, int h, QStringView text = {}) {
    return {QRect(x, y, w, h), text};
}

constexpr Key letter(char16_t capital, int row, int finger) {
    Key key;
    key.index = key.vk = capital;
    key.kind = KeyKind::Letter;
    key.row = row;
    key.finger = finger;
    key.plain.code = char16_t(capital - u'A' + u'a');
    key.shifted.code = capital;
    key.face = CapFace::Character;
    key.cap = width(capWidth);
    return key;
}

// The shifted character stands at the top left of a digit's cap.
constexpr Key digit(char16_t digit, Character shifted, int finger) {
    Key key;
    key.index = key.vk = digit;
    key.kind = KeyKind::Digit;
    key.finger = finger;
    key.plain.code = digit;
    key.shifted = shifted;
    key.face = CapFace::Character;
    key.cap = width(capWidth);
    key.upper = at(10, 10, 135, 195);
    return key;
}

constexpr Key punctuation(int index, int row, int finger, Character plain, Character shifted,
                          CapFace face, QStringView accessibleName, GlyphPlace lower = {},
                          GlyphPlace upper = {}) {
    Key key;
    key.index = key.vk = index;
    key.kind = KeyKind::Punctuation;
    key.row = row;
    key.finger = finger;
    key.plain = plain;
    key.shifted = shifted;
    key.face = face;
    key.cap = width(capWidth);
    key.accessibleName = accessibleName;
    key.lower = lower;
    key.upper = upper;
    return key;
}

constexpr CapFace blank = CapFace::Word;
constexpr CapFace shiftedCap = CapFace::Shifted;
// The fingers, as a touch-typing chart numbers them.
constexpr int LL = 0; // left little
constexpr int LR = 1; // left ring
constexpr int LM = 2; // left middle
constexpr int LI = 3; // left index
constexpr int RI = 4; // right index
constexpr int RM = 5; // right middle
constexpr int RR = 6; // right ring
constexpr int RL = 7; // right little

// Fields a row leaves out keep their defaults.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
// clang-format off
constexpr std::array<Key, 61> unplaced = {
    // Row 0: the digit row.
    punctuation(192, 0, LL, {u'`', u"捺点"}, {u'~', u"波浪线"}, blank, u"反引号与波浪线键",
                at(60, 240, 195, 75), at(60, 60, 255, 135)),
    digit(u'1', {u'!', u"感叹号"}, LL),
    digit(u'2', {u'@', u"at"}, LR),
    digit(u'3', {u'#', u"井号"}, LM),
    digit(u'4', {u'$', u"美元"}, LI),
    digit(u'5', {u'%', u"百分号"}, LI),
    digit(u'6', {u'^', u"乘方"}, RI),
    digit(u'7', {u'&', u"and", u"＆"}, RI),
    digit(u'8', {u'*', u"星号"}, RM),
    digit(u'9', {u'(', u"左小括号"}, RR),
    digit(u'0', {u')', u"右小括号"}, RL),
    // The minus key's characters are line segments of the frame.
    punctuation(189, 0, RL, {u'-', u"减号"}, {u'_', u"下划线", u"—"}, blank, u"减号与下划线键"),
    punctuation(187, 0, RL, {u'=', u"等于号"}, {u'+', u"加号"}, shiftedCap, u"等号与加号键",
                at(180, 120, 195, 195)),
    punctuation(220, 0, RL, {u'\\', u"反斜线"}, {u'|', u"竖线"}, shiftedCap, u"反斜线与竖线键",
                at(180, 120, 195, 195)),
    Key{.index = 8, .vk = 8, .kind = KeyKind::Named, .row = 0, .finger = RL, .name = u"退格",
        .qtKeys = {Qt::Key_Backspace}, .cap = width(capWidth), .accessibleName = u"退格键",
        .lower = at(120, 120, 195, 135, u"←")},

    // Row 1.
    Key{.index = 0, .vk = 9, .kind = KeyKind::Inert, .row = 1, .finger = LL,
        .qtKeys = {Qt::Key_Tab, Qt::Key_Backtab}, .caption = u"Tab", .cap = width(675),
        .accessibleName = u"Tab 键"},
    letter(u'Q', 1, LL), letter(u'W', 1, LR), letter(u'E', 1, LM), letter(u'R', 1, LI),
    letter(u'T', 1, LI), letter(u'Y', 1, RI), letter(u'U', 1, RI), letter(u'I', 1, RM),
    letter(u'O', 1, RR), letter(u'P', 1, RL),
    punctuation(219, 1, RL, {u'[', u"左中括号"}, {u'{', u"左大括号"}, shiftedCap, u"左中括号键",
                at(180, 160, 195, 195)),
    punctuation(221, 1, RL, {u']', u"右中括号"}, {u'}', u"右大括号"}, shiftedCap, u"右中括号键",
                at(180, 160, 195, 195)),

    // Row 2, the home row.
    Key{.index = 20, .vk = 20, .kind = KeyKind::Named, .row = 2, .finger = LL, .name = u"Caps",
        .stem = u"Caps Lock", .qtKeys = {Qt::Key_CapsLock}, .caption = u"Caps",
        .cap = width(795), .accessibleName = u"Caps Lock 键"},
    letter(u'A', 2, LL), letter(u'S', 2, LR), letter(u'D', 2, LM), letter(u'F', 2, LI),
    letter(u'G', 2, LI), letter(u'H', 2, RI), letter(u'J', 2, RI), letter(u'K', 2, RM),
    letter(u'L', 2, RR),
    punctuation(186, 2, RL, {u';', u"分号"}, {u':', u"冒号"}, blank, u"分号与冒号键",
                at(180, 60, 195, 255), at(10, 10, 195, 195)),
    // The apostrophe is a line segment over a small blank patch.
    punctuation(222, 2, RL, {u'\'', u"撇号", u"＇"}, {u'"', u"双引号"}, blank, u"引号键",
                at(240, 240, 75, 75, u""), at(20, 20, 195, 195)),
    // The lower arm of the L-shaped Enter key; the upper arm is a blank patch that lights with
    // the rest of the key.
    Key{.index = 13, .vk = 13, .kind = KeyKind::Named, .row = 2, .finger = RL, .name = u"回车",
        .qtKeys = {Qt::Key_Return, Qt::Key_Enter}, .face = CapFace::Outline, .caption = u"Enter",
        .cap = QRect(6195, 3015, 985, 330), .accessibleName = u"回车键",
        .lower = at(705, 45, 195, 135, u"←"), .upper = at(345, -485, 665, 495, u"")},

    // Row 3.
    Key{.index = 16, .vk = 16, .kind = KeyKind::Named, .row = 3, .finger = LL, .name = u"左Shift",
        .qtKeys = {Qt::Key_Shift}, .caption = u" Shift", .cap = width(1035),
        .accessibleName = u"左 Shift 键"},
    letter(u'Z', 3, LL), letter(u'X', 3, LR), letter(u'C', 3, LM), letter(u'V', 3, LI),
    letter(u'B', 3, LI), letter(u'N', 3, RI), letter(u'M', 3, RI),
    punctuation(188, 3, RM, {u',', u"逗号"}, {u'<', u"小于号"}, shiftedCap, u"逗号键",
                at(180, 60, 195, 255)),
    punctuation(190, 3, RR, {u'.', u"句号"}, {u'>', u"大于号"}, shiftedCap, u"句号键",
                at(180, 60, 195, 195)),
    punctuation(191, 3, RL, {u'/', u"斜线"}, {u'?', u"问号"}, shiftedCap, u"斜线与问号键",
                at(240, 120, 135, 195)),
    Key{.index = 26, .vk = 16, .kind = KeyKind::Named, .row = 3, .finger = RL, .name = u"右Shift",
        .caption = u" Shift", .cap = width(1275), .accessibleName = u"右 Shift 键"},

    // Row 4, the space bar row. Windows reports either Windows key as the left one.
    Key{.index = 17, .vk = 17, .kind = KeyKind::Named, .row = 4, .finger = LL, .name = u"左Ctrl",
        .qtKeys = {Qt::Key_Control}, .caption = u"Ctrl", .cap = width(675),
        .accessibleName = u"左 Ctrl 键"},
    Key{.index = 91, .vk = 91, .kind = KeyKind::Inert, .row = 4,
        .qtKeys = {Qt::Key_Meta, Qt::Key_Super_L, Qt::Key_Super_R}, .cap = width(capWidth),
        .accessibleName = u"左 Windows 键"},
    Key{.index = 18, .vk = 18, .kind = KeyKind::Named, .row = 4, .finger = LL, .name = u"左Alt",
        .qtKeys = {Qt::Key_Alt}, .caption = u"Alt", .cap = width(675),
        .accessibleName = u"左 Alt 键"},
    Key{.index = 32, .vk = 32, .kind = KeyKind::Space, .row = 4, .name = u"空格",
        .qtKeys = {Qt::Key_Space}, .cap = width(3195), .accessibleName = u"空格键"},
    Key{.index = 28, .vk = 18, .kind = KeyKind::Named, .row = 4, .finger = RL, .name = u"右Alt",
        .qtKeys = {Qt::Key_AltGr}, .caption = u"Alt", .cap = width(capWidth),
        .accessibleName = u"右 Alt 键"},
    Key{.index = 92, .vk = 92, .kind = KeyKind::Inert, .row = 4, .cap = width(capWidth),
        .accessibleName = u"右 Windows 键"},
    Key{.index = 93, .vk = 93, .kind = KeyKind::Inert, .row = 4, .qtKeys = {Qt::Key_Menu},
        .cap = width(capWidth), .accessibleName = u"菜单键"},
    Key{.index = 27, .vk = 17, .kind = KeyKind::Named, .row = 4, .finger = RL, .name = u"右Ctrl",
        .caption = u"Ctrl", .cap = width(555), .accessibleName = u"右 Ctrl 键"},
};
// clang-format on
#pragma GCC diagnostic pop

// Lays the caps of each row side by side from the left margin, and the glyph labels on their
// caps. The Enter cap keeps its own place: its outline is drawn around it.
constexpr std::array<Key, 61> place(std::array<Key, 61> keys) {
    int row = -1;
    int left = rowLeft;
    for (Key& key : keys) {
        if (key.face != CapFace::Outline) {
            if (key.row != row)
                left = rowLeft;
            row = key.row;
            key.cap = QRect(left, rowTops[key.row], key.cap.width(), capHeight);
            left += key.cap.width() + capGap;
        }
        for (GlyphPlace* glyph : {&key.lower, &key.upper})
            if (!glyph->rect.isEmpty())
                glyph->rect.translate(key.cap.topLeft());
    }
    return keys;
}

constexpr std::array<Key, 61> table = place(unplaced);

// The target code that lights a key, or noKey.
constexpr int litTarget(const Key& key) {
    switch (key.kind) {
    case KeyKind::Letter:
        return key.shifted.code;
    case KeyKind::Digit:
    case KeyKind::Punctuation:
        return key.plain.code;
    case KeyKind::Named:
    case KeyKind::Space:
        return key.index;
    case KeyKind::Inert:
        break;
    }
    return noKey;
}

constexpr int codeCount = 127;

template <std::size_t N> constexpr std::array<signed char, N> nowhere() {
    std::array<signed char, N> positions{};
    positions.fill(-1);
    return positions;
}

// Positions in the table, looked up at once: the blink timer and the key checker ask often.
constexpr auto positionOfIndex = [] {
    auto positions = nowhere<maxKeyIndex + 1>();
    for (std::size_t i = 0; i < table.size(); ++i)
        positions[std::size_t(table[i].index)] = static_cast<signed char>(i);
    return positions;
}();

constexpr auto positionLitBy = [] {
    auto positions = nowhere<codeCount>();
    for (std::size_t i = 0; i < table.size(); ++i)
        if (const int code = litTarget(table[i]); code != noKey)
            positions[std::size_t(code)] = static_cast<signed char>(i);
    return positions;
}();

// Position times two, plus one where Shift is held.
constexpr auto strokeOfCharacter = [] {
    std::array<short, codeCount> strokes{};
    strokes.fill(-1);
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (const char16_t c = table[i].plain.code)
            strokes[c] = short(2 * i);
        if (const char16_t c = table[i].shifted.code)
            strokes[c] = short(2 * i + 1);
    }
    return strokes;
}();

const Key* find(const auto& positions, int code) {
    if (code < 0 || std::size_t(code) >= positions.size() || positions[std::size_t(code)] < 0)
        return nullptr;
    return &table[std::size_t(positions[std::size_t(code)])];
}

const Character* characterOf(const Typing& typed) {
    return typed.key ? (typed.shift ? &typed.key->shifted : &typed.key->plain) : nullptr;
}

bool isNamedOrSpace(const Key* key) {
    return key && (key->kind == KeyKind::Named || key->kind == KeyKind::Space);
}

} // namespace

std::span<const Key> keys() {
    return table;
}

const Key* keyAt(int keyIndex) {
    return find(positionOfIndex, keyIndex);
}

const Key* keyLitBy(int code) {
    return find(positionLitBy, code);
}

Typing typing(int code) {
    if (code < 0 || code >= codeCount || strokeOfCharacter[std::size_t(code)] < 0)
        return {};
    const int stroke = strokeOfCharacter[std::size_t(code)];
    return {&table[std::size_t(stroke / 2)], stroke % 2 == 1};
}

const Key* keyOfQtKey(int qtKey) {
    for (const Key& key : table) {
        for (const Qt::Key k : key.qtKeys)
            if (k != 0 && k == qtKey)
                return &key;
        // Qt names a character key by its character, letters by their capital.
        for (const Character* c : {&key.plain, &key.shifted})
            if (c->code != 0 && QChar(c->code).toUpper().unicode() == qtKey)
                return &key;
    }
    return nullptr;
}

const QList<int>& keyIndices() {
    static const QList<int> indices = [] {
        QList<int> list;
        for (int index = 0; index <= maxKeyIndex; ++index)
            if (positionOfIndex[std::size_t(index)] >= 0)
                list << index;
        return list;
    }();
    return indices;
}

bool hasPart(int keyIndex, KeyPart part) {
    const Key* key = keyAt(keyIndex);
    switch (part) {
    case KeyPart::Cap:
        return key != nullptr;
    case KeyPart::Lower:
        return key && !key->lower.rect.isEmpty();
    case KeyPart::Upper:
        return key && !key->upper.rect.isEmpty();
    }
    return false;
}

int keyOfTarget(int code) {
    const Key* key = keyLitBy(code);
    return key ? key->index : noKey;
}

QString displayText(int code) {
    if (const Key* key = keyLitBy(code); isNamedOrSpace(key))
        return key->name.toString();
    const Typing typed = typing(code);
    if (typed.key && typed.key->kind == KeyKind::Digit && !typed.shift)
        return QString(QChar(code)) + QLatin1Char('.');
    if (const Character* c = characterOf(typed); c && !c->text.isNull())
        return c->text.toString();
    return code > 0 && code < 0x10000 ? QString(QChar(code)) : QString();
}

QString stem(int code) {
    if (const Key* key = keyLitBy(code); isNamedOrSpace(key))
        return (key->stem.isNull() ? key->name : key->stem).toString();
    if (const Character* c = characterOf(typing(code)))
        return c->stem.isNull() ? QString(QChar(code).toLower()) : c->stem.toString();
    return QString();
}

bool isNamedKey(int code) {
    const Key* key = keyLitBy(code);
    return key && key->kind == KeyKind::Named;
}

int fingerOf(int code) {
    if (const Key* key = keyLitBy(code))
        return key->finger;
    const Typing typed = typing(code);
    return typed.key ? typed.key->finger : -1;
}

bool needsShift(int code) {
    return typing(code).shift;
}

} // namespace KeyTable
