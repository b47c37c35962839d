#pragma once

#include "platform/ConnectionCheck.h"

class NetworkChangeWatcher;

#include <QtGlobal>

#include <functional>

// Tells whether the computer is connected, as the old connected-state question of the system
// did: some network interface other than loopback is up, running and has an address. Whether
// the internet lies behind it shows when a page is fetched.
//
// Asking the kernel for its interfaces costs a quarter of a millisecond, and the web strip and
// the news pop-up ask several times a second while they run: an answer is reused for a few
// seconds. Followed by the system's notices of network changes, it asks again at each notice
// and signals when the answer changed, so that nobody needs to ask while offline.
class NetworkConnectionCheck final : public ConnectionCheck {
    Q_OBJECT
public:
    static constexpr qint64 answerLifetimeMs = 5000;

    using Scan = std::function<bool()>;
    using Clock = std::function<qint64()>; // monotonic milliseconds

    // By default the interfaces of the system and the monotonic clock.
    explicit NetworkConnectionCheck(Scan scan = {}, Clock now = {});

    bool isOnline() override;
    bool signalsChanges() const override { return followed_; }

    // Asks again at each notice of the watcher, if it notices anything at all.
    void follow(NetworkChangeWatcher& watcher);
    // Something changed: asks at once and signals a changed answer.
    void networkChanged();

    static bool anyInterfaceUp();

private:
    Scan scan_;
    Clock now_;
    bool followed_ = false;
    bool answered_ = false;
    bool online_ = false;
    qint64 answeredAt_ = 0;
};
