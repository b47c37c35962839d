#include "TestRegistry.h"

#include "web/NetworkConnectionCheck.h"

#include "platform/NetworkChangeWatcher.h"

#include <QSignalSpy>
#include <QTest>

class NetworkConnectionCheckTest : public QObject {
    Q_OBJECT
private slots:
    void anAnswerIsReusedForFiveSecondsThenAskedAgain_data() {
        QTest::addColumn<QList<qint64>>("times");
        QTest::addColumn<QList<bool>>("answers"); // what the system says at each scan
        QTest::addColumn<QList<bool>>("expected");
        QTest::addColumn<int>("scans");
        QTest::newRow("asked twice a second") << QList<qint64>{0, 500, 1000, 4999}
                                              << QList<bool>{true} << QList<bool>{1, 1, 1, 1} << 1;
        QTest::newRow("a flip shows at the next scan")
            << QList<qint64>{0, 4000, 5000, 6000, 10000} << QList<bool>{true, false, true}
            << QList<bool>{1, 1, 0, 0, 1} << 3;
        QTest::newRow("a clock going backwards asks again")
            << QList<qint64>{10000, 9000} << QList<bool>{false, true} << QList<bool>{0, 1} << 2;
    }
    void anAnswerIsReusedForFiveSecondsThenAskedAgain() {
        QFETCH(QList<qint64>, times);
        QFETCH(QList<bool>, answers);
        QFETCH(QList<bool>, expected);
        QFETCH(int, scans);
        int scanned = 0;
        qint64 now = 0;
        NetworkConnectionCheck check([&] { return answers.value(scanned++); }, [&] { return now; });
        for (int i = 0; i < times.size(); ++i) {
            now = times[i];
            QCOMPARE(check.isOnline(), expected[i]);
        }
        QCOMPARE(scanned, scans);
    }

    void aNoticedChangeIsAskedAtOnceAndSignalledOnlyIfTheAnswerChanged_data() {
        QTest::addColumn<bool>("before");
        QTest::addColumn<bool>("after");
        QTest::newRow("comes online") << false << true;
        QTest::newRow("goes offline") << true << false;
        QTest::newRow("stays offline") << false << false;
    }
    void aNoticedChangeIsAskedAtOnceAndSignalledOnlyIfTheAnswerChanged() {
        QFETCH(bool, before);
        QFETCH(bool, after);
        bool answer = before;
        NetworkConnectionCheck check([&] { return answer; }, [] { return qint64(0); });
        QSignalSpy changed(&check, &ConnectionCheck::changed);
        QCOMPARE(check.isOnline(), before);
        answer = after;
        check.networkChanged(); // well inside the five seconds an answer is kept
        QCOMPARE(changed.size(), before != after ? 1 : 0);
        QCOMPARE(check.isOnline(), after);
    }

    void theSystemCheckAnswersWithoutTheNetwork() {
        // Whatever this machine's state, the real scan and clock give an answer that holds.
        NetworkConnectionCheck check;
        const bool first = check.isOnline();
        QCOMPARE(check.isOnline(), first);
        // and on Linux the kernel tells of every change.
        NetworkChangeWatcher watcher;
        check.follow(watcher);
        QCOMPARE(check.signalsChanges(), watcher.isActive());
#ifdef Q_OS_LINUX
        QVERIFY(watcher.isActive());
#endif
    }
};

KEYVORA_TEST_GUILESS_MAIN(NetworkConnectionCheck, NetworkConnectionCheckTest)
#include "tst_NetworkConnectionCheck.moc"
