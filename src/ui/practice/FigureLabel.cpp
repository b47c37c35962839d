#include "practice/FigureLabel.h"

#include <QPainter>
#include <QTextLayout>

FigureLabel::~FigureLabel() = default;

bool FigureLabel::isPlainLine() const {
    const QString& shown = text();
    const bool rich = textFormat() == Qt::RichText ||
                      (textFormat() == Qt::AutoText && Qt::mightBeRichText(shown));
    return !shown.isEmpty() && !rich && !wordWrap() && isEnabled() && frameWidth() == 0 &&
           margin() == 0 && indent() <= 0 && buddy() == nullptr &&
           layoutDirection() == Qt::LeftToRight && !shown.isRightToLeft() &&
           !shown.contains(QLatin1Char('\n')) && !shown.contains(QLatin1Char('\t')) &&
           !(alignment() & Qt::AlignJustify);
}

// Lays the text out as QPainter::drawText does for one line: left to right, aligned left within
// the line (the label aligns the whole line), on an unbounded width.
const FigureLabel::Laid& FigureLabel::laidOut(const QString& shown, const QFont& font) {
    if (!(font == laidFont_) || font.resolveMask() != laidFont_.resolveMask()) {
        recent_.clear();
        laidFont_ = font;
    }
    for (auto it = recent_.begin(); it != recent_.end(); ++it) {
        if (it->text == shown) {
            if (it != recent_.begin()) {
                Laid found = std::move(*it);
                recent_.erase(it);
                recent_.push_front(std::move(found));
            }
            return recent_.front();
        }
    }

    Laid laid{shown, std::make_unique<QTextLayout>(shown, font)};
    QTextOption option;
    option.setTextDirection(Qt::LeftToRight);
    option.setAlignment(Qt::AlignLeft);
    laid.layout->setTextOption(option);
    laid.layout->setCacheEnabled(true);
    laid.layout->beginLayout();
    QTextLine line = laid.layout->createLine();
    line.setLineWidth(0x01000000);
    line.setPosition(QPointF(0, 0));
    laid.layout->endLayout();
    // The unrounded height of the line's ascent and descent, as the text is centred by it.
    laid.height = line.ascent() + line.descent();
    laid.width = line.naturalTextWidth();
    // One line only: a second one would mean a line break the label should lay out itself.
    if (laid.layout->lineCount() != 1)
        laid.layout.reset();

    recent_.push_front(std::move(laid));
    if (recent_.size() > keptTexts)
        recent_.pop_back();
    return recent_.front();
}

void FigureLabel::paintEvent(QPaintEvent* event) {
    if (!isPlainLine()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    const Laid& laid = laidOut(text(), painter.font());
    if (!laid.layout) {
        painter.end();
        QLabel::paintEvent(event);
        return;
    }

    const QRect r = contentsRect();
    const Qt::Alignment align = alignment();
    qreal yoff = 0;
    if (align & Qt::AlignBottom)
        yoff = r.height() - laid.height;
    else if (align & Qt::AlignVCenter)
        yoff = (r.height() - laid.height) / 2;
    const QTextLine line = laid.layout->lineAt(0);
    const qreal advance = line.horizontalAdvance();
    qreal xoff = 0;
    if (align & Qt::AlignRight)
        xoff = r.width() - advance;
    else if (align & Qt::AlignHCenter)
        xoff = (r.width() - advance) / 2;

    painter.setPen(QPen(palette().brush(foregroundRole()), painter.pen().widthF()));
    // Text wider or taller than the label is cut at its edges.
    qreal boundsX = 0;
    if (align & Qt::AlignRight)
        boundsX = r.width() - laid.width;
    else if (align & Qt::AlignHCenter)
        boundsX = (r.width() - laid.width) / 2;
    if (!QRectF(r).contains(QRectF(r.x() + boundsX, r.y() + yoff, laid.width, laid.height)))
        painter.setClipRect(r, Qt::IntersectClip);
    line.draw(&painter, QPointF(r.x() + xoff, r.y() + yoff));
}
