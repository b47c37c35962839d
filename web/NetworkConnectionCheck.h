#pragma once

#include "web/ConnectionCheck.h"

// Asks the operating system's own network status whether the computer is online. Cheap enough
// for the web strip's 500 ms timer: it reads cached state and never touches the network.
class NetworkConnectionCheck final : public ConnectionCheck {
public:
    NetworkConnectionCheck();

    bool isOnline() override;

private:
    // Used when the platform offers no network information or cannot tell: some interface
    // other than loopback is up, running and has an address.
    static bool anyInterfaceUp();

    bool backendTried_ = false;
    bool haveBackend_ = false;
};
