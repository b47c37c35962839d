#include "web/NewsPopupTimer.h"

#include "platform/ConnectionCheck.h"
#include "platform/RandomSource.h"
#include "web/WebPage.h"

NewsPopupTimer::NewsPopupTimer(ConnectionCheck& connection, RandomSource& random, QObject* parent)
    : QObject(parent), connection_(connection), random_(random) {
    connect(&Timer_tan, &OnDemandTimer::timeout, this, &NewsPopupTimer::tick);
    // Back online, the ticks go on where a timer that never slept would have ticked.
    connect(&connection_, &ConnectionCheck::changed, this, [this] {
        if (running_ && connection_.isOnline())
            Timer_tan.wake();
    });
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
}
