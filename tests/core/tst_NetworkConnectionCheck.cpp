#include "TestRegistry.h"

#include "web/NetworkConnectionCheck.h"

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

    void theSystemCheckAnswersWithoutTheNetwork() {
        // Whatever this machine's state, the real scan and clock give an answer that holds.
        NetworkConnectionCheck check;
        const bool first = check.isOnline();
        QCOMPARE(check.isOnline(), first);
    }
};

KEYVORA_TEST_GUILESS_MAIN(NetworkConnectionCheck, NetworkConnectionCheckTest)
#include "tst_NetworkConnectionCheck.moc"
