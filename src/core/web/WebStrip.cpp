#include "web/WebStrip.h"

#include "platform/ConnectionCheck.h"
#include "web/WebPage.h"

#include <QFile>
#include <QLocale>
#include <QTextStream>

WebStrip::WebStrip(ConnectionCheck& connection, WebPage& page, const DataFolder& folder, QUrl base,
                   QString programName, std::function<QDate()> today, QObject* parent)
    : QObject(parent), connection_(connection), page_(page), folder_(folder),
      addresses_(std::move(base)), programName_(std::move(programName).remove(QLatin1Char(' '))),
      today_(std::move(today)) {
    connect(&gg_Timer2, &OnDemandTimer::timeout, this, &WebStrip::tick);
    // Back online, the ticks go on where a timer that never slept would have ticked.
    connect(&connection_, &ConnectionCheck::changed, this, [this] {
        if (running_ && connection_.isOnline())
            gg_Timer2.wake();
    });
}

void WebStrip::start() {
    running_ = true;
    gg_Timer2.start();
}

void WebStrip::tick() {
    if (!connection_.isOnline()) {
        // Nothing counts until the connection comes; if the check says when, wait for it.
        if (connection_.signalsChanges())
            gg_Timer2.sleep();
        return;
    }
    ++count_;
    switch (count_) {
    case 5:
        page_.navigate(addresses_.stripPage(programName_, recordedDate()));
        break;
    case 10:
        if (page_.isBusy())
            --count_;
        break;
    case 11:
        emit laidOut();
        break;
    case 12:
        if (pageCanShow() && !stripVisible_) {
            stripVisible_ = true;
            emit stripVisibleChanged(true);
        }
        running_ = false;
        gg_Timer2.stop();
        break;
    default:
        break;
    }
}

bool WebStrip::pageCanShow() const {
    return page_.bodyHtml().toLower().contains(QLatin1String("marquee"));
}

QString WebStrip::recordedDate() {
    QFile record(folder_.file(QStringLiteral("gg.jl")));
    QString value;
    if (!record.exists()) {
        value = QLocale::system().toString(today_(), QLocale::ShortFormat);
        // A record that cannot be written is simply tried again at the next start.
        record.setFileName(folder_.fileForWriting(QStringLiteral("gg.jl")));
        if (record.open(QIODevice::WriteOnly | QIODevice::Text)) {
            QTextStream out(&record);
            out << value << '\n';
        }
    } else if (record.open(QIODevice::ReadOnly | QIODevice::Text)) {
        value = QTextStream(&record).readLine();
    }
    value.remove(QLatin1Char(' '));
    // A line of nothing but blanks counts as empty.
    return value.isEmpty() ? QStringLiteral("err") : value;
}
