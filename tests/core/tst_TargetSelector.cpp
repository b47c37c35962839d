#include "TestRegistry.h"

#include "PracticeRig.h"

#include <QSet>
#include <QTest>

namespace {

QSet<int> range(int first, int last) {
    QSet<int> codes;
    for (int c = first; c <= last; ++c)
        codes << c;
    return codes;
}

const QSet<int> digits = range('0', '9');
const QSet<int> capitals = range('A', 'Z');
const QSet<int> smalls = range('a', 'z');
const QSet<int> otherKeys = {8,   13,  16,  17,  18,  20,  26,  27,   28,  32, '\'',
                             ',', '-', '.', '/', ';', '=', '[', '\\', ']', '`'};

// Every code zifu chose over many calls.
QSet<int> drawMany(PracticeRig& rig, int calls) {
    QSet<int> drawn;
    for (int i = 0; i < calls; ++i) {
        rig.selector.zifu();
        drawn << rig.state.mubiao;
    }
    return drawn;
}

} // namespace

class TargetSelectorTest : public QObject {
    Q_OBJECT
private slots:
    void eachStyleDrawsEveryCodeOfItsSetAndNothingElse_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<QSet<int>>("allowed");
        QTest::newRow("0 keyboard letters and digits") << 0 << (digits | capitals);
        QTest::newRow("1 keyboard letters") << 1 << capitals;
        QTest::newRow("2 keyboard digits") << 2 << digits;
        QTest::newRow("3 keyboard all keys") << 3 << (digits | capitals | otherKeys);
        QTest::newRow("5 falling digits and capitals") << 5 << (digits | capitals);
        QTest::newRow("6 falling digits and small letters") << 6 << (digits | smalls);
        QTest::newRow("7 falling letters") << 7 << capitals;
        QTest::newRow("8 falling digits") << 8 << digits;
        QTest::newRow("9 falling all keys, capitals") << 9 << (digits | capitals | otherKeys);
        QTest::newRow("10 falling all keys, small") << 10 << (digits | smalls | otherKeys);
        QTest::newRow("11 falling all characters") << 11 << range(33, 126);
    }
    void eachStyleDrawsEveryCodeOfItsSetAndNothingElse() {
        QFETCH(int, style);
        QFETCH(QSet<int>, allowed);
        PracticeRig rig;
        rig.checkStyle(style);
        rig.startRun(0);
        QCOMPARE(drawMany(rig, 3000), allowed);
    }

    void allCharactersIncludeShiftedSymbolsButNoNamedKeyOrSpace() {
        PracticeRig rig;
        rig.checkStyle(11);
        rig.startRun(0);
        const QSet<int> drawn = drawMany(rig, 3000);
        QVERIFY(drawn.contains('!'));
        for (int code : {8, 13, 16, 17, 18, 20, 26, 27, 28, 32})
            QVERIFY(!drawn.contains(code));
    }

    void completeRunChangesNothing() {
        PracticeRig rig;
        rig.checkStyle(3);
        rig.checkSoundMode(1);
        rig.startRun(65);
        rig.state.setJishu(51); // total 50
        rig.state.hengzuobiao = 1234;
        rig.state.xialuobushu = 7;
        rig.falling.setFontPoints(42);
        rig.selector.zifu();
        QCOMPARE(rig.state.mubiao, 65);
        QCOMPARE(rig.state.hengzuobiao, 1234.0);
        QCOMPARE(rig.state.xialuobushu, 7);
        QCOMPARE(rig.falling.fontPoints(), 42.0);
        QVERIFY(rig.keySound.calls.isEmpty());
        QCOMPARE(rig.random.reseeds, 1);
    }

    void generatorIsReseededOnEveryCall() {
        PracticeRig rig;
        rig.startRun(0);
        for (int i = 0; i < 5; ++i)
            rig.selector.zifu();
        rig.state.setJishu(100);
        rig.selector.zifu();
        QCOMPARE(rig.random.reseeds, 6);
    }

    void fallingLabelFontAndLeftEdgeFollowTheKindOfTarget_data() {
        QTest::addColumn<int>("target");
        QTest::addColumn<double>("r");
        QTest::addColumn<double>("font");
        QTest::addColumn<double>("left");
        QTest::newRow("Enter, lowest") << 13 << 0.0 << 38.0 << 200.0;
        QTest::newRow("Enter, highest") << 13 << 0.999999 << 38.0 << 4399.0;
        QTest::newRow("right Ctrl, highest") << 27 << 0.999999 << 38.0 << 4399.0;
        QTest::newRow("space, lowest") << 32 << 0.0 << 48.0 << 200.0;
        QTest::newRow("space, highest") << 32 << 0.999999 << 48.0 << 6599.0;
        QTest::newRow("A, highest") << 65 << 0.999999 << 48.0 << 6599.0;
    }
    void fallingLabelFontAndLeftEdgeFollowTheKindOfTarget() {
        QFETCH(int, target);
        QFETCH(double, r);
        QFETCH(double, font);
        QFETCH(double, left);
        PracticeRig rig;
        rig.checkStyle(3);
        rig.startRun(0);
        rig.state.xialuobushu = 9;
        // A rejected draw first: the loop must go on until the set accepts one.
        rig.random.queued = {PracticeRig::drawFor('a'), PracticeRig::drawFor(target), r};
        rig.selector.zifu();
        QCOMPARE(rig.state.mubiao, target);
        QCOMPARE(rig.falling.fontPoints(), font);
        QCOMPARE(rig.state.hengzuobiao, left);
        QCOMPARE(rig.state.xialuobushu, -2);
    }

    void spokenNamesSayTheNewTarget_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("target");
        QTest::addColumn<QString>("stem");
        QTest::newRow("A") << 1 << 65 << QStringLiteral("a");
        QTest::newRow("space") << 1 << 32 << QStringLiteral("空格");
        QTest::newRow("Enter") << 1 << 13 << QStringLiteral("回车");
        QTest::newRow("effect mode says nothing") << 2 << 65 << QString();
        QTest::newRow("silent mode says nothing") << 0 << 65 << QString();
    }
    void spokenNamesSayTheNewTarget() {
        QFETCH(int, mode);
        QFETCH(int, target);
        QFETCH(QString, stem);
        PracticeRig rig;
        rig.checkStyle(3);
        rig.checkSoundMode(mode);
        rig.startRun(0);
        rig.random.queued = {PracticeRig::drawFor(target), 0.5};
        rig.selector.zifu();
        const QStringList expected =
            stem.isEmpty() ? QStringList()
                           : QStringList({"set:" + rig.folder.file("声音/字符声音/" + stem),
                                          QStringLiteral("play")});
        QCOMPARE(rig.keySound.calls, expected);
    }
};

KEYVORA_TEST_MAIN(TargetSelector, TargetSelectorTest)
#include "tst_TargetSelector.moc"
