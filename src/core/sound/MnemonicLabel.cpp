#include "sound/MnemonicLabel.h"

void MnemonicLabel::show() {
    if (visible_)
        return;
    visible_ = true;
    emit changed();
}

void MnemonicLabel::hide() {
    if (!visible_)
        return;
    visible_ = false;
    emit changed();
}

void MnemonicLabel::placeAbove(int keyIndex) {
    if (keyIndex_ == keyIndex)
        return;
    keyIndex_ = keyIndex;
    emit changed();
}

void MnemonicLabel::setText(const QString& text) {
    if (text_ == text)
        return;
    text_ = text;
    emit changed();
}
