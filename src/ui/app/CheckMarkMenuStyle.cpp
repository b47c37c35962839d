#include "app/CheckMarkMenuStyle.h"

#include <QStyleOptionMenuItem>

#include <optional>

namespace {

// The option with an exclusive item turned into an ordinary checkable one; nothing when the
// option needs no change.
std::optional<QStyleOptionMenuItem> asCheckBox(const QStyleOption* option) {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (!item || item->checkType != QStyleOptionMenuItem::Exclusive)
        return std::nullopt;
    QStyleOptionMenuItem plain(*item);
    plain.checkType = QStyleOptionMenuItem::NonExclusive;
    return plain;
}

} // namespace

void CheckMarkMenuStyle::drawControl(ControlElement element, const QStyleOption* option,
                                     QPainter* painter, const QWidget* widget) const {
    if (element == CE_MenuItem)
        if (const auto plain = asCheckBox(option)) {
            QProxyStyle::drawControl(element, &*plain, painter, widget);
            return;
        }
    QProxyStyle::drawControl(element, option, painter, widget);
}

QSize CheckMarkMenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                           const QSize& size, const QWidget* widget) const {
    if (type == CT_MenuItem)
        if (const auto plain = asCheckBox(option))
            return QProxyStyle::sizeFromContents(type, &*plain, size, widget);
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}
