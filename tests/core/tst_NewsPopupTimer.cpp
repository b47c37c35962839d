#include "TestRegistry.h"

#include "web/NewsPopupTimer.h"

#include "FakeClock.h"
#include "FakeDialogs.h"
#include "FakeRandom.h"
#include "LocalHttpServer.h"
#include "web/WebPage.h"

#include <QSignalSpy>
#include <QTest>

class NewsPopupTimerTest : public QObject {
    Q_OBJECT

    // Drives an online timer with r = 0 (d = 300) up to the given count.
    struct Rig {
        FakeConnection connection;
        FakeRandom random;
        NewsPopupTimer timer{connection, random};
        QSignalSpy load{&timer, &NewsPopupTimer::loadRequested};
        QSignalSpy show{&timer, &NewsPopupTimer::showRequested};

        explicit Rig(const Clock* clock = nullptr) {
            timer.setClock(clock);
            connection.online = true;
            random.queued = {0.0};
            timer.start();
        }
        void ticksTo(int count) {
            while (timer.count() < count)
                timer.tick();
        }
    };

private slots:
    void delayIsChosenOnceFromTheReseededGenerator_data() {
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("delay");
        QTest::newRow("lowest") << 0.0 << 300;
        QTest::newRow("middle") << 0.5 << 390;
        QTest::newRow("highest") << 0.999 << 479;
    }
    void delayIsChosenOnceFromTheReseededGenerator() {
        QFETCH(double, r);
        QFETCH(int, delay);
        FakeConnection connection; // offline: the delay is still chosen on the first tick
        FakeRandom random;
        random.queued = {r, 0.0};
        NewsPopupTimer timer(connection, random);
        QCOMPARE(timer.delay(), -1);
        timer.tick();
        QCOMPARE(timer.delay(), delay);
        QCOMPARE(random.reseeds, 1);
        timer.tick();
        QCOMPARE(timer.delay(), delay);
        QCOMPARE(random.reseeds, 1);
    }

    void offlineTicksCountNothing() {
        Rig rig;
        rig.connection.online = false;
        for (int i = 0; i < 1000; ++i)
            rig.timer.tick();
        QCOMPARE(rig.timer.count(), 0);
        QVERIFY(rig.load.isEmpty() && rig.show.isEmpty());
        QVERIFY(rig.timer.isRunning());
        QVERIFY(rig.timer.isTicking()); // a check that does not signal is asked at every tick
    }

    // The connection at each second. A signalling check lets the timer sleep through offline
    // seconds and through online ones that only count; it shows the same as a polling one.
    void signalledTimerSleepsAndCountsAsOneThatNeverSlept_data() {
        QTest::addColumn<QString>("beats");
        QTest::addColumn<int>("maxTicks");
        const QString online = QString(320, QLatin1Char('1'));
        QTest::newRow("offline at start") << QStringLiteral("000111") << 2;
        QTest::newRow("lost and found") << QStringLiteral("110001101") << 6;
        QTest::newRow("online to the end") << online << 6;
        QTest::newRow("lost on the way") << online.left(150) + QStringLiteral("000") + online << 8;
        QTest::newRow("lost just before the load")
            << online.left(304) + QStringLiteral("0") + online.left(20) << 8;
    }
    void signalledTimerSleepsAndCountsAsOneThatNeverSlept() {
        QFETCH(QString, beats);
        QFETCH(int, maxTicks);
        FakeClock clock;
        Rig polled;
        Rig notified(&clock);
        notified.connection.signalling = true;
        int beat = 0;
        int ticks = 0;
        for (const QChar second : beats) {
            const bool online = second == QLatin1Char('1');
            clock.advance(0.5); // a change is noticed between two beats
            polled.connection.online = online;
            notified.connection.set(online);
            clock.advance(0.5);
            ++beat;
            if (polled.timer.isRunning()) // a timer that never slept stops at the end
                polled.timer.tick();
            if (notified.timer.isTicking() || notified.timer.skippingTo() == beat) {
                notified.timer.tick();
                ++ticks;
            }
            QCOMPARE(notified.timer.count(), polled.timer.count());
            QCOMPARE(notified.load.size(), polled.load.size());
            QCOMPARE(notified.timer.isRunning(), polled.timer.isRunning());
            if (!online)
                QVERIFY(!notified.timer.isTicking() && notified.timer.skippingTo() < 0);
        }
        QCOMPARE(notified.timer.delay(), 300);
        QVERIFY2(ticks <= maxTicks, qPrintable(QString::number(ticks)));
    }

    void pageLoadIsRequestedOnceFiveSecondsAfterTheDelay() {
        Rig rig;
        rig.ticksTo(304);
        QVERIFY(rig.load.isEmpty());
        rig.connection.online = false;
        rig.timer.tick();
        QVERIFY(rig.load.isEmpty());
        rig.connection.online = true;
        rig.timer.tick();
        QCOMPARE(rig.timer.count(), 305);
        QCOMPARE(rig.load.size(), 1);
        rig.ticksTo(320);
        QCOMPARE(rig.load.size(), 1);
    }

    void popupShowsOnlyForANewsPage_data() {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<bool>("shown");
        QTest::newRow("news page")
            << QByteArray("<body><div id=RuanJianGuangGao>x</div></body>") << true;
        QTest::newRow("other page") << QByteArray("<body>nothing</body>") << false;
        QTest::newRow("mark only in the head")
            << QByteArray("<head><title>ruanjianguanggao</title></head><body>x</body>") << false;
    }
    void popupShowsOnlyForANewsPage() {
        QFETCH(QByteArray, page);
        QFETCH(bool, shown);
        LocalHttpServer server;
        server.setPage(QStringLiteral("/tan.htm"), page);
        WebPage web;
        Rig rig;
        rig.timer.watch(&web);
        rig.ticksTo(305);
        QSignalSpy loaded(&web, &WebPage::loaded);
        web.navigate(server.base().resolved(QUrl(QStringLiteral("tan.htm"))));
        QVERIFY(loaded.wait(5000));
        rig.ticksTo(311);
        QVERIFY(rig.show.isEmpty());
        QVERIFY(rig.timer.isRunning());
        rig.timer.tick();
        QCOMPARE(rig.show.size(), shown ? 1 : 0);
        QVERIFY(!rig.timer.isRunning());
    }

    void aBusyPageHoldsTheSequenceAtTenSecondsAfterTheDelay() {
        LocalHttpServer server;
        server.setPage(QStringLiteral("/tan.htm"), "<body>ruanjianguanggao</body>");
        server.hold();
        WebPage web;
        Rig rig;
        rig.timer.watch(&web);
        rig.ticksTo(305);
        web.navigate(server.base().resolved(QUrl(QStringLiteral("tan.htm"))));
        for (int i = 0; i < 20; ++i)
            rig.timer.tick();
        QCOMPARE(rig.timer.count(), 309);
        QVERIFY(rig.show.isEmpty());

        QSignalSpy loaded(&web, &WebPage::loaded);
        server.release();
        QVERIFY(loaded.wait(5000));
        for (int i = 0; i < 3; ++i)
            rig.timer.tick();
        QCOMPARE(rig.show.size(), 1);
        QVERIFY(!rig.timer.isRunning());
    }

    void withoutAPageTheTimerStopsWithoutShowing() {
        Rig rig;
        rig.ticksTo(312);
        QVERIFY(rig.show.isEmpty());
        QVERIFY(!rig.timer.isRunning());
    }
};

KEYVORA_TEST_GUILESS_MAIN(NewsPopupTimer, NewsPopupTimerTest)
#include "tst_NewsPopupTimer.moc"
