#include "web/SystemHostLookup.h"

#include <QHostInfo>
#include <QPointer>

void SystemHostLookup::lookUp(const QString& host, QObject* receiver,
                              std::function<void(bool found)> answer) {
    // The answer is delivered without a context object: Qt forgets to free what it holds for an
    // answer whose context object is gone, so a guarded pointer stands in for one. A lookup is
    // never aborted either, for the same reason; its answer is ignored instead.
    QHostInfo::lookupHost(host, [guard = QPointer<QObject>(receiver),
                                 answer = std::move(answer)](const QHostInfo& info) {
        if (guard)
            answer(info.error() == QHostInfo::NoError);
    });
}
