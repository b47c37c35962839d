#include "practice/PracticeState.h"

#include "settings/Options.h"

PracticeState::PracticeState(const Options& options, QObject* parent)
    : QObject(parent), options_(options) {}

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

double PracticeState::level() const {
    return options_.level();
}

double PracticeState::total() const {
    return options_.total();
}
