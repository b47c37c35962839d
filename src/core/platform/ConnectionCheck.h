#pragma once

// Tells whether the computer has an internet connection.
class ConnectionCheck {
public:
    virtual ~ConnectionCheck() = default;
    virtual bool isOnline() = 0;
};
