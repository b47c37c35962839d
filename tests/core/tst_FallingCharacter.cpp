#include "TestRegistry.h"

#include "RunRig.h"

#include "keyboard/FallingCharacter.h"
#include "keyboard/KeyTable.h"
#include "practice/NumberText.h"

#include <QTest>

class FallingCharacterTest : public QObject {
    Q_OBJECT

    // A run in progress with a fresh first target at the top of the area.
    static void beginRun(RunRig& rig, const QString& level, int code = 65) {
        rig.options.setLevel(int(NumberText::leadingNumber(level)));
        rig.state.setJishu(1);
        rig.queueTarget(code);
        rig.selector.zifu();
    }

    // Ticks until the count rises; returns the number of ticks, or -1 after `limit`.
    static int ticksUntilLanding(RunRig& rig, FallingCharacter& fall, int limit = 400) {
        const int before = rig.state.jishu();
        for (int tick = 1; tick <= limit; ++tick) {
            fall.tick();
            if (rig.state.jishu() != before)
                return tick;
        }
        return -1;
    }

private slots:
    void unstruckTargetLandsAfterATimeSetByTheLevel_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("level");
        QTest::addColumn<int>("ticks");
        QTest::newRow("keyboard style, level 3") << 0 << "  3" << 64;
        QTest::newRow("falling style, level 3") << 5 << "3" << 64;
        QTest::newRow("keyboard style, level 20") << 1 << "20" << 13;
        QTest::newRow("falling style, level 20") << 7 << "20" << 13;
        QTest::newRow("level 1") << 5 << "1" << 186;
    }
    void unstruckTargetLandsAfterATimeSetByTheLevel() {
        QFETCH(int, style);
        QFETCH(QString, level);
        QFETCH(int, ticks);
        RunRig rig;
        rig.chooseStyle(style);
        FallingCharacter fall(rig.state, rig.falling, rig.selector);
        beginRun(rig, level);
        const int hitsBefore = rig.state.jizhong();

        QCOMPARE(ticksUntilLanding(rig, fall), ticks);
        QCOMPARE(rig.state.jishu(), 2);
        QCOMPARE(rig.state.jizhong(), hitsBefore);
        QCOMPARE(rig.falling.caption(), QString());
        QCOMPARE(rig.falling.top(), 0.0);
        QCOMPARE(rig.state.xialuobushu, -2); // a new target was chosen

        // The next target gets the same time.
        QCOMPARE(ticksUntilLanding(rig, fall), ticks);
        QCOMPARE(rig.state.jishu(), 3);
    }

    void raisingTheLevelMidFallMovesTheLabelAtTheNextTick() {
        RunRig rig;
        FallingCharacter fall(rig.state, rig.falling, rig.selector);
        beginRun(rig, "3");
        for (int i = 0; i < 10; ++i)
            fall.tick();
        QCOMPARE(rig.falling.top(), 3 * 8 * 30.0);

        rig.options.setLevel(20);
        fall.tick();
        QCOMPARE(rig.falling.top(), 20 * 9 * 30.0);
    }

    void identicalSuccessiveTargetRestartsFromAbove() {
        RunRig rig;
        rig.chooseStyle(2);
        FallingCharacter fall(rig.state, rig.falling, rig.selector);
        beginRun(rig, "3", 49);
        for (int i = 0; i < 20; ++i)
            fall.tick();
        QVERIFY(rig.falling.top() > 1000);

        rig.queueTarget(49); // struck: the same digit comes again
        rig.selector.zifu();
        fall.tick();
        QCOMPARE(rig.state.mubiao, 49);
        QCOMPARE(rig.falling.caption(), QStringLiteral("1."));
        QCOMPARE(rig.falling.top(), -90.0);
    }

    void targetStruckJustAboveTheBottomDoesNotLandTheNextOne() {
        RunRig rig;
        FallingCharacter fall(rig.state, rig.falling, rig.selector);
        beginRun(rig, "3");
        for (int i = 0; i < 63; ++i)
            fall.tick();
        QVERIFY(rig.falling.top() >=
                FallingCharacter::areaHeight - FallingCharacter::landingMargin);

        rig.state.setJishu(rig.state.jishu() + 1); // a hit one tick before the landing
        rig.state.setJizhong(rig.state.jizhong() + 1);
        rig.queueTarget(66);
        rig.selector.zifu();

        QCOMPARE(ticksUntilLanding(rig, fall), 64);
        QCOMPARE(rig.state.jizhong(), 1);
    }

    void landingAfterTheLastCharacterChoosesNoNewTarget() {
        RunRig rig;
        FallingCharacter fall(rig.state, rig.falling, rig.selector);
        rig.options.setTotal(0); // 10
        beginRun(rig, "20", 70);
        rig.state.setJishu(10);

        QCOMPARE(ticksUntilLanding(rig, fall), 13);
        QCOMPARE(rig.state.jishu(), 11);
        QCOMPARE(rig.state.mubiao, 70);
        QCOMPARE(rig.falling.caption(), QString());
    }
};

KEYVORA_TEST_MAIN(FallingCharacter, FallingCharacterTest)
#include "tst_FallingCharacter.moc"
