#include "keyboard/KeyLayout.h"

#include <cmath>

namespace KeyLayout {

namespace {

constexpr double letterPoints = 15;        // " A", " 7"
constexpr double wordPoints = 9;           // "Tab", "Caps", " Shift", ...
constexpr double punctuationPoints = 10.5; // the shifted character on a punctuation cap

Cap capOfKey(const KeyTable::Key& key) {
    Cap cap;
    cap.index = key.index;
    cap.rect = key.cap;
    cap.accessibleName = key.accessibleName.toString();
    switch (key.face) {
    case KeyTable::CapFace::Character:
        // One space and the capital or digit, large and bold; it speaks for itself.
        cap.caption = QLatin1Char(' ') + QChar(KeyTable::characterOnCap(key));
        cap.points = letterPoints;
        break;
    case KeyTable::CapFace::Shifted:
        cap.caption = QChar(key.shifted.code);
        cap.points = punctuationPoints;
        cap.alignment = Qt::AlignLeft | Qt::AlignTop;
        break;
    case KeyTable::CapFace::Outline:
        cap.bordered = false;
        [[fallthrough]];
    case KeyTable::CapFace::Word:
        cap.caption = key.caption.toString();
        cap.points = wordPoints;
        break;
    }
    return cap;
}

QList<Cap> buildCaps() {
    QList<Cap> list;
    for (const KeyTable::Key& key : KeyTable::keys())
        list << capOfKey(key);
    return list;
}

QList<Glyph> buildGlyphs() {
    QList<Glyph> list;
    for (const KeyTable::Key& key : KeyTable::keys()) {
        for (const KeyPart part : {KeyPart::Lower, KeyPart::Upper}) {
            const bool upper = part == KeyPart::Upper;
            const KeyTable::GlyphPlace& place = upper ? key.upper : key.lower;
            if (place.rect.isEmpty())
                continue;
            Glyph g;
            g.index = key.index;
            g.part = part;
            // A character's glyph reads as its falling label does ("＆" for the ampersand).
            g.text = place.text.isNull()
                         ? KeyTable::displayText(upper ? key.shifted.code : key.plain.code)
                         : place.text.toString();
            g.rect = place.rect;
            list << g;
        }
    }
    return list;
}

QList<Segment> buildLines() {
    return {
        {QLine(6540, 2520, 7200, 2520), 1}, // Enter outline, top
        {QLine(6180, 3000, 6180, 3360), 1}, // Enter outline, left of the lower arm
        {QLine(6540, 2520, 6540, 3000), 1}, // Enter outline, left of the upper arm
        {QLine(6180, 3000, 6540, 3000), 1}, // Enter outline, step
        {QLine(6180, 3360, 7200, 3360), 1}, // Enter outline, bottom
        {QLine(5400, 2100, 5580, 2100), 1}, // "_" on the minus key
        {QLine(7200, 2520, 7200, 3360), 1}, // Enter outline, right
        {QLine(5460, 2280, 5580, 2280), 1}, // "-" on the minus key
        {QLine(7080, 2700, 7080, 3180), 1}, // stem of the Enter arrow
        {QLine(6000, 3240, 5940, 3300), 2}, // the apostrophe on the quote key
    };
}

} // namespace

const QList<Cap>& caps() {
    static const QList<Cap> list = buildCaps();
    return list;
}

const QList<Glyph>& glyphs() {
    static const QList<Glyph> list = buildGlyphs();
    return list;
}

const QList<Segment>& lines() {
    static const QList<Segment> list = buildLines();
    return list;
}

const Cap* capOf(int keyIndex) {
    for (const Cap& cap : caps()) {
        if (cap.index == keyIndex)
            return &cap;
    }
    return nullptr;
}

const Glyph* glyphOf(int keyIndex, KeyPart part) {
    for (const Glyph& g : glyphs()) {
        if (g.index == keyIndex && g.part == part)
            return &g;
    }
    return nullptr;
}

int pixels(int twips) {
    return int(std::lround(double(twips) / twipsPerPixel));
}

QPoint pixels(const QPoint& twips) {
    return {pixels(twips.x()), pixels(twips.y())};
}

QRect pixels(const QRect& twips) {
    return {pixels(twips.x()), pixels(twips.y()), pixels(twips.width()), pixels(twips.height())};
}

} // namespace KeyLayout
