#include "practice/FlatButtonStyle.h"

#include <QPainter>
#include <QStyleOption>
#include <qdrawutil.h>

void FlatButtonStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                    QPainter* painter, const QWidget* widget) const {
    if (element == PE_PanelButtonCommand) {
        const QBrush face = option->palette.brush(QPalette::Button);
        qDrawWinButton(painter, option->rect, option->palette,
                       option->state & (State_Sunken | State_On), &face);
        return;
    }
    if (element == PE_FrameFocusRect)
        return; // the indicators never take the focus
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void FlatButtonStyle::drawControl(ControlElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const {
    if (element == CE_PushButtonBevel) {
        drawPrimitive(PE_PanelButtonCommand, option, painter, widget);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}
