#include "keyboard/KeyboardModel.h"

KeyboardModel::KeyboardModel(QObject* parent) : QObject(parent) {
    for (auto& key : colours_)
        key.fill(keyColour);
}

QRgb KeyboardModel::colour(int keyIndex, KeyPart part) const {
    if (keyIndex < 0 || keyIndex > KeyTable::maxKeyIndex)
        return keyColour;
    return colours_[std::size_t(keyIndex)][std::size_t(part)];
}

void KeyboardModel::setKeyColour(int keyIndex, QRgb colour) {
    if (keyIndex < 0 || keyIndex > KeyTable::maxKeyIndex)
        return;
    bool changed = false;
    for (KeyPart part : {KeyPart::Cap, KeyPart::Lower, KeyPart::Upper}) {
        if (!KeyTable::hasPart(keyIndex, part))
            continue;
        QRgb& slot = colours_[std::size_t(keyIndex)][std::size_t(part)];
        if (slot != colour) {
            slot = colour;
            changed = true;
        }
    }
    if (changed)
        emit keyColourChanged(keyIndex);
}
