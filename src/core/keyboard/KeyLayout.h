#pragma once

#include "keyboard/KeyTable.h"

#include <QLine>
#include <QList>
#include <QRect>
#include <QString>
#include <Qt>

// The drawn keyboard as data: where every key cap, glyph label and line segment of the keyboard
// frame `Frame2` stands, in twips inside the frame, with the captions and fonts they carry.
// The caps and glyphs follow from the key table; the widgets are built from them, and other
// code asks here where a key is.
namespace KeyLayout {

inline constexpr int twipsPerPixel = 15;

using KeyTable::rowTops;

// Where the keyboard frame stands inside the practice area, and its size.
inline constexpr QRect frameRect{60, -60, 7275, 5785};

// A key cap, `Label4` (index).
struct Cap {
    int index = 0;
    QString caption;
    QRect rect; // twips
    bool bordered = true;
    double points = 15;
    bool bold = true;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    // What a screen reader says for the key; the caption where it speaks for itself.
    QString accessibleName;
};

// A glyph label laid on a cap: `Label5` (index) for Lower, `Label6` (index) for Upper.
struct Glyph {
    int index = 0;
    KeyPart part = KeyPart::Lower;
    QString text;
    QRect rect; // twips
    bool bordered = false;
    double points = 9;
    bool bold = true;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
};

// One element of `Line1`: a segment in twips, drawn in the window-text colour.
struct Segment {
    QLine line;
    int penPixels = 1;
};

// The 61 caps, row by row from the top, each row from the left.
const QList<Cap>& caps();

// Every glyph label, lower and upper.
const QList<Glyph>& glyphs();

// `Line1` (0..9), in index order.
const QList<Segment>& lines();

// The cap of a key index, or nullptr for an index without a key picture.
const Cap* capOf(int keyIndex);

// The glyph label of a key, or nullptr where the key has none.
const Glyph* glyphOf(int keyIndex, KeyPart part);

// Twips to whole pixels (15 twips a pixel), rounded.
int pixels(int twips);
QPoint pixels(const QPoint& twips);
QRect pixels(const QRect& twips);

} // namespace KeyLayout
