#pragma once

#include "platform/DataFolder.h"
#include "run/OnDemandTimer.h"
#include "web/WebAddresses.h"

#include <QDate>
#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>

class Clock;
class ConnectionCheck;
class WebPage;

// The load sequence of the news strip under the practice area. Every 500 ms while online it
// counts one step: at 5 it asks for the strip page, at 10 it waits for the page, at 11 the
// panel lays itself out, at 12 the strip shows if the page carries a marquee. Offline ticks
// are not counted, so the sequence starts with the first online tick. Nothing here waits.
class WebStrip : public QObject {
    Q_OBJECT
public:
    static constexpr int intervalMs = 500;

    WebStrip(ConnectionCheck& connection, WebPage& page, const DataFolder& folder, QUrl base,
             QString programName, std::function<QDate()> today, QObject* parent = nullptr);

    void start();
    void tick();

    int count() const { return count_; }
    // Whether the page, once loaded, is one the strip shows: it has to scroll (a marquee).
    bool pageCanShow() const;
    bool isStripVisible() const { return stripVisible_; }
    // Until the sequence has ended.
    bool isRunning() const { return running_; }
    // Whether the next beat ticks: not while offline when the connection check signals its
    // changes, for offline ticks count nothing.
    bool isTicking() const { return gg_Timer2.isActive(); }
    // The clock the beat is kept on; without one, the system's monotonic clock.
    void setClock(const Clock* clock) { gg_Timer2.setClock(clock); }

    // The date value of the record file "gg.jl", created with today's date when it is missing.
    QString recordedDate();

signals:
    void stripVisibleChanged(bool visible);
    // The panel should arrange its parts for showing the page.
    void laidOut();

private:
    ConnectionCheck& connection_;
    WebPage& page_;
    DataFolder folder_;
    WebAddresses addresses_;
    QString programName_;
    std::function<QDate()> today_;
    OnDemandTimer gg_Timer2{intervalMs};
    bool running_ = false;
    int count_ = 0;
    bool stripVisible_ = false;
};
