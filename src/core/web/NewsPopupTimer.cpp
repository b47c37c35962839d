#include "web/NewsPopupTimer.h"

#include "platform/ConnectionCheck.h"
#include "platform/RandomSource.h"
#include "web/WebPage.h"

NewsPopupTimer::NewsPopupTimer(ConnectionCheck& connection, RandomSource& random, QObject* parent)
    : QObject(parent), connection_(connection), random_(random) {
    Timer_tan.setInterval(intervalMs);
    connect(&Timer_tan, &QTimer::timeout, this, &NewsPopupTimer::tick);
}

void NewsPopupTimer::start() {
    Timer_tan.start();
}

void NewsPopupTimer::tick() {
    if (delay_ < 0) {
        random_.reseed();
        delay_ = static_cast<int>(300.0 + 180.0 * random_.next());
    }
    if (!connection_.isOnline())
        return;
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
        Timer_tan.stop();
    }
}
