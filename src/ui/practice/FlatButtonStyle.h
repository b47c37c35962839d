#pragma once

#include <QProxyStyle>

// Draws push buttons as the classic desktop's graphical buttons: a face of one flat colour (the
// palette's Button colour, exactly) inside a raised two-pixel bevel. The finger and Shift
// indicators show their state by that colour alone, so no style may shade it.
class FlatButtonStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};
