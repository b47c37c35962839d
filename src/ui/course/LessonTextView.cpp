#include "course/LessonTextView.h"

#include "course/LessonSession.h"
#include "keyboard/KeyboardModel.h"
#include "look/SongFont.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace {

const QColor rightColour(0, 128, 0);
const QColor missedColour(255, 0, 0);
const QColor pendingColour(0, 0, 0);
const QColor caretColour(0, 0, 255);
constexpr int margin = 8;

QColor colourOf(LessonSession::Mark mark) {
    switch (mark) {
    case LessonSession::Mark::Right:
        return rightColour;
    case LessonSession::Mark::Missed:
        return missedColour;
    case LessonSession::Mark::Pending:
        break;
    }
    return pendingColour;
}

} // namespace

LessonTextView::LessonTextView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("lessonText"));
    setFont(SongFont::make(18));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setAccessibleName(QStringLiteral("课文"));
}

void LessonTextView::setVisibleLines(int lines) {
    visibleLines_ = std::max(1, lines);
    updateGeometry();
    shownPosition_ = -1;
    follow();
}

QSize LessonTextView::sizeHint() const {
    return QSize(640, lineHeight() * visibleLines_ + 2 * margin);
}

int LessonTextView::lineHeight() const {
    return fontMetrics().height() * 3 / 2;
}

void LessonTextView::setSession(const LessonSession* session) {
    if (session_)
        disconnect(session_, nullptr, this, nullptr);
    session_ = session;
    laidWidth_ = -1;
    firstLine_ = 0;
    shownPosition_ = -1;
    if (session_) {
        connect(session_, &LessonSession::progressed, this, &LessonTextView::follow);
        connect(session_, &QObject::destroyed, this, [this] {
            session_ = nullptr;
            lines_.clear();
            update();
        });
    } else {
        setAccessibleDescription(QString());
    }
    layOut();
    update();
}

void LessonTextView::layOut() {
    lines_.clear();
    shownPosition_ = -1;
    laidWidth_ = width();
    if (!session_)
        return;
    const QString& text = session_->text();
    const QFontMetricsF metrics(font());
    const qreal room = std::max<qreal>(width() - 2 * margin, metrics.averageCharWidth() * 10);
    int start = 0;
    while (start < text.size()) {
        // As many words as fit; a word longer than the line is cut where the line ends.
        int end = start;
        int fits = start;
        qreal x = 0;
        while (end < text.size()) {
            x += metrics.horizontalAdvance(text.at(end));
            if (x > room && text.at(end) != QLatin1Char(' '))
                break;
            ++end;
            if (text.at(end - 1) == QLatin1Char(' '))
                fits = end;
        }
        if (end == text.size())
            fits = end;
        else if (fits == start)
            fits = std::max(end, start + 1);
        Line line;
        line.start = start;
        line.length = fits - start;
        qreal left = margin;
        for (int i = start; i < fits; ++i) {
            line.left.push_back(left);
            left += metrics.horizontalAdvance(text.at(i));
        }
        line.left.push_back(left);
        lines_.push_back(std::move(line));
        start = fits;
    }
    follow();
}

int LessonTextView::lineOf(int index) const {
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (index < lines_[i].start + lines_[i].length)
            return int(i);
    return lines_.empty() ? 0 : int(lines_.size()) - 1;
}

int LessonTextView::caretLine() const {
    return session_ ? lineOf(session_->position()) : 0;
}

void LessonTextView::follow() {
    const int position = session_ ? session_->position() : -1;
    const bool finished = session_ && session_->state() == LessonSession::State::Finished;
    // A wrong key leaves the caret, and the view, as they are.
    if (position == shownPosition_ && !finished)
        return;
    // A screen reader reads what is left to type, from the caret on.
    const QString left = session_ ? session_->text().mid(position) : QString();
    if (accessibleDescription() != left)
        setAccessibleDescription(left);
    // The caret's line is the second in view, so the line just typed stays readable.
    const int wanted =
        std::clamp(caretLine() - 1, 0, std::max(0, int(lines_.size()) - visibleLines_));
    if (wanted != firstLine_ || shownPosition_ < 0 || position < 0 || finished ||
        lineOf(position) - lineOf(shownPosition_) > 1) {
        firstLine_ = wanted;
        update();
    } else {
        // Within the lines in view only the lines of the caret's old and new place change:
        // repainting just those keeps each key's repaint (and what goes to the display) a line
        // high. A line is repainted whole, so that its runs of one colour are drawn as a whole
        // repaint draws them.
        for (const int index : {shownPosition_, position}) {
            const QRect character = characterRect(index);
            if (!character.isEmpty())
                update(0, character.top(), width(), character.height());
        }
    }
    shownPosition_ = finished ? -1 : position;
}

QRect LessonTextView::characterRect(int index) const {
    const int line = lineOf(index);
    if (!session_ || line < firstLine_ || line >= firstLine_ + visibleLines_ || lines_.empty())
        return QRect();
    const Line& l = lines_[std::size_t(line)];
    const int i = std::clamp(index - l.start, 0, int(l.left.size()) - 2);
    const int top = margin + (line - firstLine_) * lineHeight();
    return QRect(QPoint(int(l.left[std::size_t(i)]), top),
                 QPoint(int(l.left[std::size_t(i) + 1]) - 1, top + lineHeight() - 1));
}

void LessonTextView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (!session_ || lines_.empty())
        return;
    const QString& text = session_->text();
    const int caret =
        session_->state() == LessonSession::State::Finished ? -1 : session_->position();
    const QFontMetrics metrics(font());
    const int baselineOffset = (lineHeight() - metrics.height()) / 2 + metrics.ascent();
    const int last = std::min(int(lines_.size()), firstLine_ + visibleLines_);
    for (int n = firstLine_; n < last; ++n) {
        const Line& line = lines_[std::size_t(n)];
        const int top = margin + (n - firstLine_) * lineHeight();
        if (!event->rect().intersects(QRect(0, top, width(), lineHeight())))
            continue;
        // Runs of one colour are drawn as one piece of text.
        int i = 0;
        while (i < line.length) {
            const int index = line.start + i;
            const QColor colour = index == caret ? pendingColour : colourOf(session_->mark(index));
            int j = i + 1;
            while (j < line.length && line.start + j != caret && index != caret &&
                   colourOf(session_->mark(line.start + j)) == colour)
                ++j;
            const qreal x = line.left[std::size_t(i)];
            if (index == caret) {
                const QRectF cell(x, top, line.left[std::size_t(j)] - x, lineHeight());
                painter.fillRect(cell, QColor::fromRgb(KeyboardModel::litColour));
                painter.fillRect(QRectF(cell.left(), cell.bottom() - 3, cell.width(), 3),
                                 caretColour);
            }
            painter.setPen(colour);
            painter.drawText(QPointF(x, top + baselineOffset), text.mid(index, j - i));
            i = j;
        }
    }
}

void LessonTextView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (width() != laidWidth_)
        layOut();
}

void LessonTextView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        layOut();
}
