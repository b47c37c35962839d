#include "web/NetworkConnectionCheck.h"

#include "platform/NetworkChangeWatcher.h"

#include <QElapsedTimer>
#include <QNetworkInterface>

NetworkConnectionCheck::NetworkConnectionCheck(Scan scan, Clock now)
    : scan_(scan ? std::move(scan) : Scan(&NetworkConnectionCheck::anyInterfaceUp)),
      now_(now ? std::move(now) : Clock([] {
          QElapsedTimer clock;
          clock.start();
          return clock.msecsSinceReference();
      })) {}

bool NetworkConnectionCheck::isOnline() {
    const qint64 now = now_();
    // A clock that went backwards (it should not) asks again rather than trusting a stale answer.
    if (!answered_ || now - answeredAt_ >= answerLifetimeMs || now < answeredAt_) {
        online_ = scan_();
        answered_ = true;
        answeredAt_ = now;
    }
    return online_;
}

void NetworkConnectionCheck::follow(NetworkChangeWatcher& watcher) {
    followed_ = watcher.isActive();
    if (followed_)
        connect(&watcher, &NetworkChangeWatcher::changed, this,
                &NetworkConnectionCheck::networkChanged);
}

void NetworkConnectionCheck::networkChanged() {
    const bool before = answered_ && online_;
    answered_ = false;
    if (isOnline() != before)
        emit changed();
}

bool NetworkConnectionCheck::anyInterfaceUp() {
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface& net : interfaces) {
        const auto flags = net.flags();
        if (flags.testFlag(QNetworkInterface::IsLoopBack) ||
            !flags.testFlag(QNetworkInterface::IsUp) ||
            !flags.testFlag(QNetworkInterface::IsRunning))
            continue;
        if (!net.addressEntries().isEmpty())
            return true;
    }
    return false;
}
