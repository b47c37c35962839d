#include "practice/StatisticsTicker.h"

#include "practice/NumberText.h"
#include "practice/PracticeState.h"

StatisticsTicker::StatisticsTicker(PracticeState& state, QObject* parent)
    : QObject(parent), state_(state), timer2_(this) {
    timer2_.setInterval(tickMs);
    connect(&timer2_, &QTimer::timeout, this, &StatisticsTicker::tick);
}

void StatisticsTicker::start() {
    timer2_.start();
}

const QString& StatisticsTicker::textOf(ShownNumber& shown, double value) {
    if (shown.text.isNull() || !(value == shown.value)) {
        shown.value = value;
        shown.text = NumberText::signedText(value);
    }
    return shown.text;
}

void StatisticsTicker::tick() {
    using NumberText::leadingNumber;
    using NumberText::roundHalfEven;

    const int jishu = state_.jishu;
    const int jizhong = state_.jizhong;
    if (computed_ && computedFrom_ == Inputs{jishu, jizhong, state_.textRevision()}) {
        if (afterTick_)
            afterTick_();
        return;
    }

    const double total = state_.total();
    const bool withinTotal = jishu <= total;

    // The count shown never exceeds the total: past it, the total's own text is shown.
    state_.setText(StatLabel::Count,
                   withinTotal ? textOf(count_, jishu) : state_.text(StatLabel::Total));
    state_.setText(StatLabel::Hits, textOf(hits_, jizhong));

    // `jishu` counts from 1, so during a run the divisor is one more than the characters dealt
    // with; once the run is complete the total is the divisor and a faultless run shows 100.
    if (jishu != 0) {
        const double divisor = withinTotal ? jishu : total;
        if (divisor != 0)
            state_.setText(StatLabel::Accuracy,
                           textOf(accuracy_, roundHalfEven(jizhong / divisor * 100)));
    }

    // The minutes used are read back from the clock labels the run timer writes.
    const double minutes = leadingNumber(state_.text(StatLabel::Minutes)) +
                           leadingNumber(state_.text(StatLabel::Seconds)) / 60 +
                           leadingNumber(state_.text(StatLabel::Tenths)) / 600;
    if (minutes != 0)
        state_.setText(StatLabel::Speed, textOf(speed_, roundHalfEven(jizhong / minutes)));

    computedFrom_ = {jishu, jizhong, state_.textRevision()};
    computed_ = true;

    if (afterTick_)
        afterTick_();
}
