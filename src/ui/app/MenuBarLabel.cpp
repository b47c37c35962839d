#include "app/MenuBarLabel.h"

#include <QPainter>
#include <QStyle>

MenuBarLabel::MenuBarLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
    setTextFormat(Qt::PlainText);
    setAccessibleName(QString(caption).remove(QLatin1Char('&')));
}

void MenuBarLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // One pixel up: the Song font's glyphs leave a blank row above them, and the underline
    // falls one row below the bar's height.
    style()->drawItemText(&painter, contentsRect().translated(0, -1),
                          int(alignment()) | Qt::TextShowMnemonic, palette(), isEnabled(), text(),
                          foregroundRole());
}
