#pragma once

#include <QString>

#include <functional>

class QObject;

// Tells whether a host name resolves, before a page is asked for: without a connection the
// fetch ends there, before the TLS libraries are loaded for nothing.
class HostLookup {
public:
    virtual ~HostLookup() = default;

    // Starts a lookup. The answer comes later, from the event loop, and only while `receiver`
    // still exists.
    virtual void lookUp(const QString& host, QObject* receiver,
                        std::function<void(bool found)> answer) = 0;
};
