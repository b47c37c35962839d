#pragma once

#include <QRect>
#include <QtMath>

// Positions and sizes are designed in twips; at 96 dots per inch 15 twips make one pixel.
namespace Twips {

inline constexpr double perPixel = 15.0;

inline int px(double twips) {
    return qRound(twips / perPixel);
}

inline QRect rect(double left, double top, double width, double height) {
    return QRect(px(left), px(top), px(width), px(height));
}

} // namespace Twips
