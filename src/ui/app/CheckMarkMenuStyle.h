#pragma once

#include <QProxyStyle>

// Draws the items of exclusive action groups with the same check mark as every other checkable
// menu item: the option groups are radio groups by behaviour, but the menus show a tick in a box
// beside the chosen item, as the classic desktop's menus do, not a radio dot.
class CheckMarkMenuStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget = nullptr) const override;
};
