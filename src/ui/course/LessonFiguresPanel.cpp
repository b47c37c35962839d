#include "course/LessonFiguresPanel.h"

#include "history/RunsTableModel.h"
#include "look/SongFont.h"
#include "practice/FigureLabel.h"

#include <QGridLayout>
#include <QLabel>

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
        values_[r]->setMinimumWidth(64);
        values_[r]->setAccessibleName(captions_[r]->text().remove(QLatin1Char(' ')).chopped(1));
        paint(values_[r], Qt::magenta);
        units_[r] = new QLabel(QString::fromUtf8(rows[r].unit), this);
        units_[r]->setFont(SongFont::make(10.5, true));
        paint(units_[r], Qt::black);
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
    set(Time, RunsTableModel::timeText(f.seconds));
    set(Speed, QString::number(f.speed));
    set(CharSpeed, QString::number(std::max(0, f.charSpeed)));
    set(CodeLength, QString::number(std::max(0.0, f.codeLength), 'f', 1));
    for (const Row row : {CharSpeed, CodeLength}) {
        const bool shown = row == CharSpeed ? f.charSpeed >= 0 : f.codeLength >= 0;
        captions_[row]->setVisible(shown);
        values_[row]->setVisible(shown);
        units_[row]->setVisible(shown);
    }
}
