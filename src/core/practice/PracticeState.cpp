#include "practice/PracticeState.h"

#include "practice/NumberText.h"

PracticeState::PracticeState(QObject* parent) : QObject(parent) {
    texts_[index(StatLabel::Level)] = QStringLiteral("  3");
    texts_[index(StatLabel::Total)] = QStringLiteral("50");
    texts_[index(StatLabel::Seconds)] = QStringLiteral("00");
    texts_[index(StatLabel::Count)] = QStringLiteral("0");
    texts_[index(StatLabel::Hits)] = QStringLiteral("0");
    texts_[index(StatLabel::Accuracy)] = QStringLiteral("0");
    texts_[index(StatLabel::Minutes)] = QStringLiteral("00");
    texts_[index(StatLabel::Speed)] = QStringLiteral("0");
    texts_[index(StatLabel::Tenths)] = QStringLiteral("0");
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
    ++textRevision_;
    emit textChanged(label);
}

double PracticeState::level() const {
    return NumberText::leadingNumber(text(StatLabel::Level));
}

double PracticeState::total() const {
    return NumberText::leadingNumber(text(StatLabel::Total));
}
