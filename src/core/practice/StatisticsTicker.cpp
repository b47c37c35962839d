#include "practice/StatisticsTicker.h"

#include "practice/PracticeState.h"
#include "settings/Options.h"

StatisticsTicker::StatisticsTicker(PracticeState& state, QObject* parent)
    : QObject(parent), timer2_(tickMs, this) {
    connect(&timer2_, &OnDemandTimer::timeout, this, &StatisticsTicker::tick);
    connect(&state, &PracticeState::jishuChanged, this, &StatisticsTicker::figuresChanged);
    connect(&state, &PracticeState::jizhongChanged, this, &StatisticsTicker::figuresChanged);
    connect(&state, &PracticeState::elapsedChanged, this, &StatisticsTicker::figuresChanged);
    // Past the total, the count shows the total: a new total can change what the count shows.
    connect(&state.options(), &Options::totalChanged, this, &StatisticsTicker::figuresChanged);
    // The finger hint blinks only during a run.
    connect(&state, &PracticeState::runningChanged, this, &StatisticsTicker::wake);
}

void StatisticsTicker::figuresChanged() {
    figuresChanged_ = true;
    timer2_.wake();
}

void StatisticsTicker::tick() {
    figuresChanged_ = false;
    emit ticked();
    if (afterTick_)
        afterTick_();
    if (!figuresChanged_ && !(afterTickBusy_ && afterTickBusy_()))
        timer2_.sleep();
}
