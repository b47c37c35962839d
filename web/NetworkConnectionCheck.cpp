#include "web/NetworkConnectionCheck.h"

#include <QNetworkInformation>
#include <QNetworkInterface>

NetworkConnectionCheck::NetworkConnectionCheck() = default;

bool NetworkConnectionCheck::isOnline() {
    // The platform's network information is loaded on first use, not at start-up: the first
    // question comes half a second after the window opens.
    if (!backendTried_) {
        backendTried_ = true;
        haveBackend_ =
            QNetworkInformation::instance() != nullptr || QNetworkInformation::loadDefaultBackend();
    }
    if (haveBackend_) {
        if (const QNetworkInformation* info = QNetworkInformation::instance()) {
            const auto reach = info->reachability();
            if (reach != QNetworkInformation::Reachability::Unknown)
                return reach == QNetworkInformation::Reachability::Online;
        }
    }
    return anyInterfaceUp();
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
