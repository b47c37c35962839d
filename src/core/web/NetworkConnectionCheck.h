#pragma once

#include "platform/ConnectionCheck.h"

#include <QtGlobal>

#include <functional>

// Tells whether the computer is connected, as the old connected-state question of the system
// did: some network interface other than loopback is up, running and has an address. Whether
// the internet lies behind it shows when a page is fetched.
//
// Asking the kernel for its interfaces costs a quarter of a millisecond, and the web strip and
// the news pop-up ask several times a second all day long: an answer is reused for a few seconds.
class NetworkConnectionCheck final : public ConnectionCheck {
public:
    static constexpr qint64 answerLifetimeMs = 5000;

    using Scan = std::function<bool()>;
    using Clock = std::function<qint64()>; // monotonic milliseconds

    // By default the interfaces of the system and the monotonic clock.
    explicit NetworkConnectionCheck(Scan scan = {}, Clock now = {});

    bool isOnline() override;

    static bool anyInterfaceUp();

private:
    Scan scan_;
    Clock now_;
    bool answered_ = false;
    bool online_ = false;
    qint64 answeredAt_ = 0;
};
