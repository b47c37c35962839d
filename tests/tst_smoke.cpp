#include "practice/NumberText.h"

#include <QTest>

class SmokeTest : public QObject {
    Q_OBJECT
private slots:
    void leadingNumberSkipsBlanks() { QCOMPARE(NumberText::leadingNumber("  3"), 3.0); }
};

QTEST_GUILESS_MAIN(SmokeTest)
#include "tst_smoke.moc"
