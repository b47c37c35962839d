#pragma once

#include "platform/HostLookup.h"

#include <QMetaObject>
#include <QObject>
#include <QStringList>

// Answers from the event loop, as a resolver does, without asking any name server: the
// loopback address and the names listed resolve, everything else does not.
class FakeHostLookup final : public HostLookup {
public:
    QStringList known{QStringLiteral("127.0.0.1")};
    QStringList asked;

    void lookUp(const QString& host, QObject* receiver,
                std::function<void(bool found)> answer) override {
        asked << host;
        const bool found = known.contains(host);
        QMetaObject::invokeMethod(
            receiver, [answer = std::move(answer), found] { answer(found); }, Qt::QueuedConnection);
    }
};
