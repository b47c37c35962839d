#include "keyboard/FallingLabel.h"

void FallingLabel::setCaption(const QString& caption) {
    if (caption_ == caption)
        return;
    caption_ = caption;
    emit changed();
}

void FallingLabel::setLeft(double left) {
    if (left_ == left)
        return;
    left_ = left;
    emit changed();
}

void FallingLabel::setTop(double top) {
    if (top_ == top)
        return;
    top_ = top;
    emit changed();
}

void FallingLabel::setFontPoints(double points) {
    if (fontPoints_ == points)
        return;
    fontPoints_ = points;
    emit changed();
}
