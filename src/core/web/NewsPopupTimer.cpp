#include "web/NewsPopupTimer.h"

#include "platform/ConnectionCheck.h"
#include "platform/RandomSource.h"
#include "web/WebPage.h"

#include <algorithm>

NewsPopupTimer::NewsPopupTimer(ConnectionCheck& connection, RandomSource& random, QObject* parent)
    : QObject(parent), connection_(connection), random_(random) {
    connect(&Timer_tan, &OnDemandTimer::timeout, this, &NewsPopupTimer::tick);
    // Back online, the ticks go on where a timer that never slept would have ticked. Gone
    // offline, the seconds slept through until now were online ones and count.
    connect(&connection_, &ConnectionCheck::changed, this, [this] {
        if (!running_)
            return;
        if (connection_.isOnline()) {
            Timer_tan.wake();
        } else if (skippedFrom_ >= 0) {
            count_ = count();
            skippedFrom_ = -1;
            Timer_tan.sleep();
        }
    });
}

int NewsPopupTimer::count() const {
    if (skippedFrom_ < 0)
        return count_;
    return count_ + int(std::max<qint64>(0, Timer_tan.beatsSoFar() - skippedFrom_));
}

// Between the steps of the sequence an online second only counts; a check that signals its
// changes tells when that stops, so the timer can sleep until the next step is due.
void NewsPopupTimer::skipToNextStep() {
    if (!running_ || !connection_.signalsChanges())
        return;
    const int due = count_ < delay_ + 5    ? delay_ + 5
                    : count_ < delay_ + 10 ? delay_ + 10
                                           : delay_ + 12;
    if (due - count_ <= 1)
        return;
    skippedFrom_ = Timer_tan.beatNow();
    Timer_tan.skipTo(skippedFrom_ + (due - count_));
}

void NewsPopupTimer::start() {
    running_ = true;
    Timer_tan.start();
}

void NewsPopupTimer::tick() {
    if (delay_ < 0) {
        random_.reseed();
        delay_ = static_cast<int>(300.0 + 180.0 * random_.next());
    }
    if (skippedFrom_ >= 0) {
        count_ += int(std::max<qint64>(0, Timer_tan.beatNow() - skippedFrom_ - 1));
        skippedFrom_ = -1;
        // Called directly, not by the timer: go back to ticking every beat.
        if (Timer_tan.skippingTo() >= 0) {
            Timer_tan.sleep();
            Timer_tan.wake();
        }
    }
    if (!connection_.isOnline()) {
        // Nothing counts until the connection comes; if the check says when, wait for it.
        if (connection_.signalsChanges())
            Timer_tan.sleep();
        return;
    }
    ++count_;
    if (count_ == delay_ + 5) {
        emit loadRequested();
    } else if (count_ == delay_ + 10) {
        if (page_ && page_->isBusy())
            --count_;
    } else if (count_ == delay_ + 12) {
        if (page_ &&
            page_->bodyHtml().contains(QLatin1String("ruanjianguanggao"), Qt::CaseInsensitive))
            emit showRequested();
        running_ = false;
        Timer_tan.stop();
    }
    skipToNextStep();
}
