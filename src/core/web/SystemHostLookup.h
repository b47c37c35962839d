#pragma once

#include "platform/HostLookup.h"

// The system's resolver, through QHostInfo.
class SystemHostLookup final : public HostLookup {
public:
    void lookUp(const QString& host, QObject* receiver,
                std::function<void(bool found)> answer) override;
};
