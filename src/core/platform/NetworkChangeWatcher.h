#pragma once

#include <QObject>

#include <atomic>

class QSocketNotifier;

// The system's notices that a network interface or an address came or went: on Linux the
// kernel's routing messages, on Windows the IP helper's change notifications. With them a
// program that waits for the connection sleeps until something changes instead of asking
// again and again. Where the system offers no notices, isActive() says so and nothing is ever
// signalled.
class NetworkChangeWatcher : public QObject {
    Q_OBJECT
public:
    explicit NetworkChangeWatcher(QObject* parent = nullptr);
    ~NetworkChangeWatcher() override;

    // Whether changes are noticed at all.
    bool isActive() const { return active_; }

    // A notice from the system, from any thread: signals once in the watcher's thread for all
    // notices until then.
    void post();

signals:
    // Something about the interfaces or their addresses changed. A burst of changes may come
    // as one signal; always in the thread the watcher lives in.
    void changed();

private:
    void drain();

    bool active_ = false;
    std::atomic_bool pending_{false};
#if defined(Q_OS_LINUX)
    int socket_ = -1;
    QSocketNotifier* notifier_ = nullptr;
#elif defined(Q_OS_WIN)
    void* interfaceNotice_ = nullptr;
    void* addressNotice_ = nullptr;
#endif
};
