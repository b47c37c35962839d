#include "course/ChineseLessonView.h"

#include "course/ChineseTables.h"
#include "course/CoursePractice.h"
#include "look/SongFont.h"

#include <QPainter>

namespace {

const QColor itemColour(0, 0, 0);
const QColor pinyinColour(0, 0, 255);
const QColor typedColour(0, 128, 0);
const QColor codeColour(255, 0, 0);
const QColor nextColour(128, 128, 128);
constexpr int itemWidth = 300;
constexpr int nextShown = 8;

} // namespace

ChineseLessonView::ChineseLessonView(const CoursePractice& course, QWidget* parent)
    : QWidget(parent), course_(course) {
    setObjectName(QStringLiteral("chineseLesson"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setAccessibleName(QStringLiteral("要打的字"));
    connect(&course_, &CoursePractice::lessonChanged, this, &ChineseLessonView::refresh);
    connect(&course_, &CoursePractice::progressed, this, &ChineseLessonView::refresh);
}

QSize ChineseLessonView::sizeHint() const {
    return QSize(640, 130);
}

ChineseLessonView::Shown ChineseLessonView::shown() const {
    Shown s;
    if (const WubiSession* wubi = course_.wubiSession()) {
        const QList<WubiSession::Item>& items = wubi->items();
        s.total = int(items.size());
        s.done = wubi->current();
        if (s.done < s.total) {
            const WubiSession::Item& item = items[s.done];
            s.item = item.text;
            s.verse = item.verse;
            s.typed = wubi->typed();
            if (wubi->revealed())
                s.code = WubiSession::shownCode(item);
        }
        for (int i = s.done + 1; i < s.total && s.next.size() < nextShown; ++i)
            s.next << (items[i].verse ? QStringLiteral("…") : items[i].text);
        return s;
    }
    const LessonSession* text = course_.textSession();
    const QList<ChineseTables::Pinyin>& entries = course_.pinyinEntries();
    if (!text || entries.isEmpty())
        return s;
    s.total = int(entries.size());
    s.done = text->currentItem();
    if (text->state() == LessonAttempt::State::Finished)
        s.done = s.total;
    if (s.done >= 0 && s.done < s.total) {
        s.item = entries[s.done].text;
        QStringList syllables;
        for (const QString& syllable : entries[s.done].syllables)
            syllables << ChineseTables::shown(syllable);
        s.above = syllables.join(QLatin1Char(' '));
    }
    for (int i = s.done + 1; i < s.total && s.next.size() < nextShown; ++i)
        s.next << entries[i].text;
    return s;
}

QString ChineseLessonView::spoken() const {
    const Shown s = shown();
    QString text = s.item;
    if (!s.above.isEmpty())
        text += QLatin1Char(' ') + s.above;
    if (!s.code.isEmpty())
        text += QStringLiteral("，编码 ") +
                QString(s.code).replace(QStringLiteral("␣"), QStringLiteral("空格"));
    return text;
}

QRect ChineseLessonView::itemRect() const {
    return QRect(0, 34, itemWidth, 64);
}

QRect ChineseLessonView::codeRect() const {
    return QRect(0, 98, itemWidth, 30);
}

void ChineseLessonView::refresh() {
    const QString text = spoken();
    if (accessibleDescription() != text)
        setAccessibleDescription(text);
    update();
}

void ChineseLessonView::paintEvent(QPaintEvent*) {
    const Shown s = shown();
    QPainter painter(this);
    if (s.total == 0)
        return;
    const QRect above(0, 4, itemWidth, 30);
    painter.setFont(SongFont::make(16, true));
    painter.setPen(pinyinColour);
    painter.drawText(above, Qt::AlignCenter, s.above);

    painter.setFont(SongFont::make(s.verse ? 22 : 40, true));
    painter.setPen(itemColour);
    painter.drawText(itemRect(), Qt::AlignCenter | Qt::TextWordWrap, s.item);

    // Beneath the item: what was typed towards its code, and the code once it is shown.
    painter.setFont(SongFont::make(14, true));
    QString beneath;
    if (!s.typed.isEmpty())
        beneath = s.typed;
    if (!s.code.isEmpty()) {
        painter.setPen(codeColour);
        painter.drawText(codeRect(), Qt::AlignCenter, QStringLiteral("编码：") + s.code);
    } else if (!beneath.isEmpty()) {
        painter.setPen(typedColour);
        painter.drawText(codeRect(), Qt::AlignCenter, beneath);
    }

    // Beside it: how far the attempt is, and what follows.
    const QRect side(itemWidth + 10, 10, width() - itemWidth - 20, height() - 20);
    painter.setFont(SongFont::make(11));
    painter.setPen(nextColour);
    painter.drawText(
        side, Qt::AlignLeft | Qt::AlignTop,
        QStringLiteral("第 %1 / %2 个").arg(std::min(s.done + 1, s.total)).arg(s.total));
    painter.setFont(SongFont::make(20));
    painter.drawText(side.adjusted(0, 30, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     s.next.join(QStringLiteral("  ")));
}
