#pragma once

#include "course/CoursePractice.h"

#include <QWidget>

class QLabel;
class QPushButton;

// What a finished lesson shows in place of its text: passed or not, the speed and accuracy with
// the lesson's marks beside them, the time, the keys this attempt missed most with what was
// pressed instead, and the way on: "重练" and "下一课".
class LessonResultPanel : public QWidget {
    Q_OBJECT
public:
    explicit LessonResultPanel(QWidget* parent = nullptr);

    // unit: "个/分" or "字/分"; nextOpen: whether "下一课" can be chosen.
    void setResult(const CoursePractice::Result& result, const QString& unit, bool nextOpen);

    QLabel* verdict() const { return verdict_; }
    QLabel* figures() const { return figures_; }
    QLabel* weakest() const { return weakest_; }
    QPushButton* retryButton() const { return retry_; }
    QPushButton* nextButton() const { return next_; }
    // The way on a learner most likely takes: the next lesson after a pass, else another try.
    QPushButton* preferredButton() const;

    // "F（常按成 D 3 次）": a weak key as the panel names it.
    static QString weakKeyText(const CoursePractice::WeakKey& key);

signals:
    void retryChosen();
    void nextChosen();

private:
    QLabel* verdict_ = nullptr;
    QLabel* figures_ = nullptr;
    QLabel* weakest_ = nullptr;
    QPushButton* retry_ = nullptr;
    QPushButton* next_ = nullptr;
    bool passed_ = false;
};
