#include "course/LessonResultPanel.h"

#include "history/KeyStats.h"
#include "history/RunsTableModel.h"
#include "look/SongFont.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QColor passedColour(0, 128, 0);
const QColor failedColour(255, 0, 0);

} // namespace

LessonResultPanel::LessonResultPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("lessonResult"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);

    verdict_ = new QLabel(this);
    verdict_->setObjectName(QStringLiteral("verdict"));
    verdict_->setFont(SongFont::make(18, true));
    figures_ = new QLabel(this);
    figures_->setObjectName(QStringLiteral("resultFigures"));
    figures_->setFont(SongFont::make(12));
    weakest_ = new QLabel(this);
    weakest_->setObjectName(QStringLiteral("weakest"));
    weakest_->setFont(SongFont::make(12));
    weakest_->setWordWrap(true);
    retry_ = new QPushButton(QStringLiteral("重练(&R)"), this);
    retry_->setObjectName(QStringLiteral("retry"));
    next_ = new QPushButton(QStringLiteral("下一课(&N)"), this);
    next_->setObjectName(QStringLiteral("next"));
    for (QPushButton* button : {retry_, next_}) {
        button->setFont(SongFont::make(12, true));
        // Enter presses the button that has the focus, as in a dialog.
        button->setAutoDefault(true);
    }
    connect(retry_, &QPushButton::clicked, this, &LessonResultPanel::retryChosen);
    connect(next_, &QPushButton::clicked, this, &LessonResultPanel::nextChosen);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(retry_);
    buttons->addWidget(next_);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 8, 12, 8);
    layout->addWidget(verdict_);
    layout->addWidget(figures_);
    layout->addWidget(weakest_);
    layout->addStretch(1);
    layout->addLayout(buttons);
}

QString LessonResultPanel::weakKeyText(const CoursePractice::WeakKey& key) {
    QString text = KeyStats::keyName(key.keyIndex);
    if (!key.instead.isEmpty())
        text += QStringLiteral("（常按成 %1 %2 次）")
                    .arg(KeyStats::keyName(key.instead.first().first))
                    .arg(key.instead.first().second);
    else
        text += QStringLiteral("（错 %1 次）").arg(key.missed);
    return text;
}

void LessonResultPanel::setResult(const CoursePractice::Result& result, const QString& unit,
                                  bool nextOpen) {
    verdict_->setText(result.passed ? QStringLiteral("过关！")
                                    : QStringLiteral("未过关，再练一次吧"));
    QPalette p = verdict_->palette();
    p.setColor(QPalette::WindowText, result.passed ? passedColour : failedColour);
    verdict_->setPalette(p);
    figures_->setText(QStringLiteral("速度 %1 %2（过关要 %3）　正确率 %4%（过关要 %5%）　用时 %6")
                          .arg(result.speed)
                          .arg(unit)
                          .arg(result.passSpeed)
                          .arg(result.accuracy)
                          .arg(result.passAccuracy)
                          .arg(RunsTableModel::timeText(result.seconds)));
    QStringList weak;
    for (const CoursePractice::WeakKey& key : result.weakest)
        weak << weakKeyText(key);
    weakest_->setText(weak.isEmpty()
                          ? QStringLiteral("这一课没有打错的键。")
                          : QStringLiteral("最弱的键：") + weak.join(QStringLiteral("、")));
    next_->setEnabled(nextOpen);
    passed_ = result.passed;
    QPushButton* preferred = preferredButton();
    preferred->setDefault(true);
    (preferred == next_ ? retry_ : next_)->setDefault(false);
}

QPushButton* LessonResultPanel::preferredButton() const {
    return passed_ && next_->isEnabled() ? next_ : retry_;
}
