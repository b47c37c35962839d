#pragma once

#include "keyboard/KeyTable.h"

#include <QObject>
#include <QRgb>

#include <array>

// The colours of the drawn keyboard's labels. The view paints from here and repaints one key
// when it is told that key changed.
class KeyboardModel : public QObject {
    Q_OBJECT
public:
    static constexpr QRgb keyColour = 0xFFFFFFC0; // RGB(255, 255, 192)
    static constexpr QRgb litColour = 0xFF80FF80; // RGB(128, 255, 128)

    explicit KeyboardModel(QObject* parent = nullptr);

    // The colour of one label of a key; keyColour for labels that do not exist.
    QRgb colour(int keyIndex, KeyPart part) const;

    // Gives the cap and both glyphs of the key the colour, each only where the label exists and
    // its colour differs, so that an unchanged key is not redrawn.
    void setKeyColour(int keyIndex, QRgb colour);

signals:
    // One or more labels of the key took a new colour.
    void keyColourChanged(int keyIndex);

private:
    std::array<std::array<QRgb, 3>, KeyTable::maxKeyIndex + 1> colours_{};
};
