#include "course/LessonFiguresPanel.h"

#include "history/RunsTableModel.h"
#include "look/SongFont.h"
#include "practice/FigureLabel.h"

#include <QGridLayout>
#include <QLabel>

#include <algorithm>

namespace {

struct RowText {
    const char* caption;
    const char* unit;
};

const RowText rows[] = {
    {"计   数:", "个"},     {"击中个数:", "个"},    {"正 确 率:", "%"},    {"用   时:", ""},
    {"打字速度:", "个/分"}, {"汉字速度:", "字/分"}, {"码   长:", "键/字"},
};

} // namespace

LessonFiguresPanel::LessonFiguresPanel(QWidget* parent)
    : QGroupBox(QStringLiteral("本课成绩"), parent) {
    setObjectName(QStringLiteral("lessonFigures"));
    setFont(SongFont::make(14.25, true));
    setAutoFillBackground(true);
    // As in the statistics panel: black captions and magenta figures on the colour of title-bar
    // text.
    const QColor background = palette().color(QPalette::HighlightedText);
    const auto paint = [&background](QLabel* label, const QColor& text) {
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText, text);
        p.setColor(QPalette::Window, background);
        label->setPalette(p);
        label->setAutoFillBackground(true);
    };
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(10);
    for (int r = 0; r < Rows; ++r) {
        captions_[r] = new QLabel(QString::fromUtf8(rows[r].caption), this);
        captions_[r]->setFont(SongFont::make(10.5, true));
        paint(captions_[r], Qt::black);
        values_[r] = new FigureLabel(QStringLiteral("0"), this);
        values_[r]->setFont(SongFont::make(12, true));
        values_[r]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // A fixed size keeps a new figure from laying the panel out again: the clock changes
        // ten times a second.
        values_[r]->setFixedSize(
            std::max(64, values_[r]->fontMetrics().horizontalAdvance(QStringLiteral("00:00.0")) +
                             2 * values_[r]->margin() + 4),
            values_[r]->sizeHint().height());
        values_[r]->setAccessibleName(captions_[r]->text().remove(QLatin1Char(' ')).chopped(1));
        paint(values_[r], Qt::magenta);
        if (r == Time) {
            // The clock's tenths stand beside its minutes and seconds, in the unit's place, as
            // in the statistics panel: each of the two cycles through a few texts it keeps laid
            // out, where the whole time would be a new text to shape at every tick.
            units_[r] = new FigureLabel(QStringLiteral(".0"), this);
            units_[r]->setFont(values_[r]->font());
            units_[r]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            units_[r]->setFixedSize(units_[r]->sizeHint());
            paint(units_[r], Qt::magenta);
        } else {
            units_[r] = new QLabel(QString::fromUtf8(rows[r].unit), this);
            units_[r]->setFont(SongFont::make(10.5, true));
            paint(units_[r], Qt::black);
        }
        grid->addWidget(captions_[r], r, 0);
        grid->addWidget(values_[r], r, 1);
        grid->addWidget(units_[r], r, 2);
    }
    grid->setRowStretch(Rows, 1);
    setFigures(Figures{});
}

void LessonFiguresPanel::setFigures(const Figures& f) {
    const auto set = [this](Row row, const QString& text) {
        if (values_[row]->text() != text)
            values_[row]->setText(text);
    };
    set(Count, QString::number(f.count));
    set(Hits, QString::number(f.hits));
    set(Accuracy, QString::number(f.accuracy));
    const QString time = RunsTableModel::timeText(f.seconds);
    const qsizetype point = time.lastIndexOf(QLatin1Char('.'));
    set(Time, time.left(point));
    if (units_[Time]->text() != time.mid(point))
        units_[Time]->setText(time.mid(point));
    // A screen reader reads the whole time on the figure.
    if (values_[Time]->accessibleDescription() != time)
        values_[Time]->setAccessibleDescription(time);
    set(Speed, QString::number(f.speed));
    if (f.charSpeed >= 0)
        set(CharSpeed, QString::number(f.charSpeed));
    if (f.codeLength >= 0)
        set(CodeLength, QString::number(f.codeLength, 'f', 1));
    for (const Row row : {CharSpeed, CodeLength}) {
        const bool shown = row == CharSpeed ? f.charSpeed >= 0 : f.codeLength >= 0;
        captions_[row]->setVisible(shown);
        values_[row]->setVisible(shown);
        units_[row]->setVisible(shown);
    }
}
