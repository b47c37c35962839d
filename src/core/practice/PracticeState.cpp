#include "practice/PracticeState.h"

#include "practice/NumberText.h"

PracticeState::PracticeState(QObject* parent) : QObject(parent) {
    texts_[index(StatLabel::Level)] = QStringLiteral("  3");
    texts_[index(StatLabel::Total)] = QStringLiteral("50");
}

std::size_t PracticeState::index(StatLabel label) {
    Q_ASSERT(label == StatLabel::Level || label == StatLabel::Total);
    return label == StatLabel::Level ? 0 : 1;
}

void PracticeState::setJishu(int jishu) {
    if (jishu_ == jishu)
        return;
    jishu_ = jishu;
    emit jishuChanged(jishu);
}

void PracticeState::setJizhong(int jizhong) {
    if (jizhong_ == jizhong)
        return;
    jizhong_ = jizhong;
    emit jizhongChanged(jizhong);
}

void PracticeState::setElapsed(double seconds) {
    if (elapsed_ == seconds)
        return;
    elapsed_ = seconds;
    emit elapsedChanged(seconds);
}

void PracticeState::setRunning(bool on) {
    if (running_ == on)
        return;
    running_ = on;
    emit runningChanged(on);
}

void PracticeState::setText(StatLabel label, const QString& text) {
    QString& slot = texts_[index(label)];
    if (slot == text)
        return;
    slot = text;
    emit textChanged(label);
}

double PracticeState::level() const {
    return NumberText::leadingNumber(text(StatLabel::Level));
}

double PracticeState::total() const {
    return NumberText::leadingNumber(text(StatLabel::Total));
}
