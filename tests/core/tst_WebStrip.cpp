#include "TestRegistry.h"

#include "web/WebStrip.h"

#include "FakeDialogs.h"
#include "FakeHostLookup.h"
#include "LocalHttpServer.h"
#include "web/WebPage.h"

#include <QFile>
#include <QLocale>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrlQuery>

#include <memory>

namespace {

const QDate today(2024, 3, 7);

QString queryValue(const QUrl& request, const QString& key) {
    return QUrlQuery(request).queryItemValue(key, QUrl::FullyDecoded);
}

} // namespace

class WebStripTest : public QObject {
    Q_OBJECT

    struct Rig {
        QTemporaryDir dir;
        LocalHttpServer server;
        FakeConnection connection;
        FakeHostLookup names;
        WebPage page;
        std::unique_ptr<WebStrip> strip;

        Rig() {
            connection.online = true;
            page.setHostLookup(&names);
            strip =
                std::make_unique<WebStrip>(connection, page, DataFolder(dir.path()), server.base(),
                                           QStringLiteral("key vora"), [] { return today; });
        }
        QString recordPath() const { return dir.filePath(QStringLiteral("gg.jl")); }
        void writeRecord(const QByteArray& content) const {
            QFile file(recordPath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        void ticks(int n) {
            for (int i = 0; i < n; ++i)
                strip->tick();
        }
        // Runs the fifth tick and waits for the page to arrive.
        bool navigateAndLoad() {
            QSignalSpy loaded(&page, &WebPage::loaded);
            ticks(5);
            return loaded.wait(5000);
        }
    };

private slots:
    void offlineForTheWholeRunShowsNothingAndWritesNoRecord() {
        Rig rig;
        rig.connection.online = false;
        QSignalSpy shown(rig.strip.get(), &WebStrip::stripVisibleChanged);
        rig.strip->start();
        rig.ticks(40);
        QCOMPARE(rig.strip->count(), 0);
        QVERIFY(!QFile::exists(rig.recordPath()));
        QVERIFY(shown.isEmpty());
        QVERIFY(!rig.page.isBusy());
        QVERIFY(rig.strip->isRunning());
        QVERIFY(rig.strip->isTicking()); // a check that does not signal is asked at every tick
    }

    // The connection at each beat; a signalling check lets the timer sleep through offline beats.
    void offlineTheTimerSleepsAndCountsAsOneThatNeverSlept_data() {
        QTest::addColumn<QString>("beats");
        QTest::newRow("offline at start") << QStringLiteral("0000011");
        QTest::newRow("lost and found") << QStringLiteral("1100001");
    }
    void offlineTheTimerSleepsAndCountsAsOneThatNeverSlept() {
        QFETCH(QString, beats);
        Rig polled;
        Rig notified;
        notified.connection.signalling = true;
        polled.strip->start();
        notified.strip->start();
        for (const QChar beat : beats) {
            const bool online = beat == QLatin1Char('1');
            polled.connection.online = online;
            notified.connection.set(online);
            polled.strip->tick();
            if (notified.strip->isTicking())
                notified.strip->tick();
            QCOMPARE(notified.strip->count(), polled.strip->count());
            QCOMPARE(notified.strip->isTicking(), online);
        }
    }

    void goingOnlineLateCountsFromTheFirstOnlineTick() {
        Rig rig;
        rig.connection.online = false;
        rig.ticks(7);
        rig.connection.online = true;
        rig.ticks(4);
        QVERIFY(!rig.page.isBusy());
        QVERIFY(!QFile::exists(rig.recordPath()));
        rig.strip->tick();
        QVERIFY(rig.page.isBusy());
        QCOMPARE(rig.page.url().path(), QStringLiteral("/rjshengji/gg.htm"));
    }

    void firstOnlineStartRecordsTodayAndSendsItWithoutSpaces() {
        Rig rig;
        rig.server.setPage(QStringLiteral("/rjshengji/gg.htm"), "<body>x</body>");
        QVERIFY(rig.navigateAndLoad());
        const QString shortDate = QLocale::system().toString(today, QLocale::ShortFormat);
        QFile record(rig.recordPath());
        QVERIFY(record.open(QIODevice::ReadOnly | QIODevice::Text));
        QCOMPARE(QString::fromUtf8(record.readLine()).trimmed(), shortDate);
        QCOMPARE(rig.server.requests.size(), 1);
        QCOMPARE(queryValue(rig.server.requests.first(), QStringLiteral("id")),
                 QStringLiteral("keyvora"));
        QCOMPARE(queryValue(rig.server.requests.first(), QStringLiteral("an")),
                 QString(shortDate).remove(QLatin1Char(' ')));
    }

    void recordedDateIsSent_data() {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QString>("sent");
        QTest::newRow("spaces removed")
            << QByteArray("2019 / 5 / 12\r\nmore\r\n") << QStringLiteral("2019/5/12");
        QTest::newRow("empty first line")
            << QByteArray("\r\n2019/5/12\r\n") << QStringLiteral("err");
        QTest::newRow("empty file") << QByteArray() << QStringLiteral("err");
        QTest::newRow("query characters stay inside the value")
            << QByteArray("5&id=x+1#\n") << QStringLiteral("5&id=x+1#");
    }
    void recordedDateIsSent() {
        QFETCH(QByteArray, record);
        QFETCH(QString, sent);
        Rig rig;
        rig.writeRecord(record);
        QVERIFY(rig.navigateAndLoad());
        QCOMPARE(rig.server.requests.size(), 1);
        QCOMPARE(queryValue(rig.server.requests.first(), QStringLiteral("an")), sent);
        QCOMPARE(queryValue(rig.server.requests.first(), QStringLiteral("id")),
                 QStringLiteral("keyvora"));
        QFile file(rig.recordPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), record);
    }

    void stripShowsOnlyForAPageWithAMarquee_data() {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<bool>("shown");
        QTest::newRow("marquee in capitals")
            << QByteArray("<html><BODY><MARQUEE>新闻</MARQUEE></BODY></html>") << true;
        QTest::newRow("plain page") << QByteArray("<html><body>no news</body></html>") << false;
        QTest::newRow("marquee only in the head")
            << QByteArray("<html><head><title>marquee</title></head><body>x</body></html>")
            << false;
    }
    void stripShowsOnlyForAPageWithAMarquee() {
        QFETCH(QByteArray, page);
        QFETCH(bool, shown);
        Rig rig;
        rig.server.setPage(QStringLiteral("/rjshengji/gg.htm"), page);
        QSignalSpy visible(rig.strip.get(), &WebStrip::stripVisibleChanged);
        QSignalSpy laidOut(rig.strip.get(), &WebStrip::laidOut);
        QVERIFY(rig.navigateAndLoad());
        rig.strip->start(); // after the wait, so that only the test's own ticks count
        rig.ticks(6);
        QCOMPARE(laidOut.size(), 1);
        QVERIFY(visible.isEmpty());
        rig.strip->tick();
        QCOMPARE(rig.strip->isStripVisible(), shown);
        QCOMPARE(visible.size(), shown ? 1 : 0);
        QVERIFY(!rig.strip->isRunning());
        rig.ticks(30);
        QCOMPARE(rig.server.requests.size(), 1);
        QCOMPARE(visible.size(), shown ? 1 : 0);
    }

    void aBusyPageHoldsTheSequenceAtItsTenthStep() {
        Rig rig;
        rig.server.setPage(QStringLiteral("/rjshengji/gg.htm"),
                           "<body><marquee>x</marquee></body>");
        rig.server.hold();
        QSignalSpy laidOut(rig.strip.get(), &WebStrip::laidOut);
        rig.ticks(5);
        QTRY_COMPARE(rig.server.requests.size(), 1);
        rig.ticks(5);
        QCOMPARE(rig.strip->count(), 9);
        rig.ticks(3);
        QCOMPARE(rig.strip->count(), 9);
        QVERIFY(laidOut.isEmpty());

        QSignalSpy loaded(&rig.page, &WebPage::loaded);
        rig.server.release();
        QVERIFY(loaded.wait(5000));
        rig.strip->tick();
        QCOMPARE(rig.strip->count(), 10);
        rig.ticks(2);
        QCOMPARE(laidOut.size(), 1);
        QVERIFY(rig.strip->isStripVisible());
    }

    void aFailedFetchLeavesTheStripHidden() {
        Rig rig; // no page set: the server answers 404
        QVERIFY(rig.navigateAndLoad());
        rig.ticks(7);
        QVERIFY(!rig.strip->isStripVisible());
        QVERIFY(!rig.strip->isRunning());
    }
};

KEYVORA_TEST_GUILESS_MAIN(WebStrip, WebStripTest)
#include "tst_WebStrip.moc"
