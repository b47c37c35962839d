#ifdef _WIN32
// The sockets header must come before anything that includes windows.h, then the IP helper's.
// clang-format off
#include <winsock2.h>
#include <ws2ipdef.h>
#include <iphlpapi.h>
#include <netioapi.h>
// clang-format on
#endif

#include "platform/NetworkChangeWatcher.h"

#include <QSocketNotifier>

#if defined(Q_OS_LINUX)
#include <cerrno>
#include <linux/netlink.h>
#include <linux/rtnetlink.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

#if defined(Q_OS_WIN)
namespace {

// Both run on a thread of the system.
VOID WINAPI interfaceChanged(PVOID watcher, PMIB_IPINTERFACE_ROW, MIB_NOTIFICATION_TYPE) {
    static_cast<NetworkChangeWatcher*>(watcher)->post();
}

VOID WINAPI addressChanged(PVOID watcher, PMIB_UNICASTIPADDRESS_ROW, MIB_NOTIFICATION_TYPE) {
    static_cast<NetworkChangeWatcher*>(watcher)->post();
}

} // namespace
#endif

NetworkChangeWatcher::NetworkChangeWatcher(QObject* parent) : QObject(parent) {
#if defined(Q_OS_LINUX)
    socket_ = ::socket(AF_NETLINK, SOCK_RAW | SOCK_CLOEXEC | SOCK_NONBLOCK, NETLINK_ROUTE);
    if (socket_ < 0)
        return;
    sockaddr_nl address{};
    address.nl_family = AF_NETLINK;
    address.nl_groups = RTMGRP_LINK | RTMGRP_IPV4_IFADDR | RTMGRP_IPV6_IFADDR;
    if (::bind(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(socket_);
        socket_ = -1;
        return;
    }
    notifier_ = new QSocketNotifier(qintptr(socket_), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &NetworkChangeWatcher::drain);
    active_ = true;
#elif defined(Q_OS_WIN)
    // Interfaces going up or down, and addresses given or taken away.
    HANDLE interfaces = nullptr;
    HANDLE addresses = nullptr;
    if (NotifyIpInterfaceChange(AF_UNSPEC, &interfaceChanged, this, FALSE, &interfaces) == NO_ERROR)
        interfaceNotice_ = interfaces;
    if (NotifyUnicastIpAddressChange(AF_UNSPEC, &addressChanged, this, FALSE, &addresses) ==
        NO_ERROR)
        addressNotice_ = addresses;
    active_ = interfaceNotice_ && addressNotice_;
#endif
}

NetworkChangeWatcher::~NetworkChangeWatcher() {
#if defined(Q_OS_LINUX)
    if (socket_ >= 0)
        ::close(socket_);
#elif defined(Q_OS_WIN)
    // Waits for a notice that is being delivered; one already posted dies with the object.
    if (interfaceNotice_)
        CancelMibChangeNotify2(static_cast<HANDLE>(interfaceNotice_));
    if (addressNotice_)
        CancelMibChangeNotify2(static_cast<HANDLE>(addressNotice_));
#endif
}

void NetworkChangeWatcher::post() {
    if (!pending_.exchange(true))
        QMetaObject::invokeMethod(this, &NetworkChangeWatcher::drain, Qt::QueuedConnection);
}

void NetworkChangeWatcher::drain() {
    pending_ = false;
#if defined(Q_OS_LINUX)
    // Only the fact of a change matters: the messages are read to empty the socket. A full
    // queue (ENOBUFS) lost some of them, which is a change as well.
    char messages[8192];
    for (;;) {
        const ssize_t read = ::recv(socket_, messages, sizeof messages, 0);
        if (read > 0 || (read < 0 && (errno == EINTR || errno == ENOBUFS)))
            continue;
        break;
    }
#endif
    emit changed();
}
