#include "TestRegistry.h"

#include "TrainerRig.h"

#include "app/Trainer.h"

#include <QAction>
#include <QTest>

// The sound device stays open from Start to the end of a run that can sound, whatever the
// pauses in it, and only then.
class RunSoundHoldTest : public QObject {
    Q_OBJECT
private slots:
    void aRunThatCanSoundHoldsTheDeviceFromStartToItsEnd_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("errorTone");
        QTest::addColumn<bool>("music");
        QTest::addColumn<bool>("held");
        QTest::newRow("spoken key names") << 1 << false << false << true;
        QTest::newRow("an effect") << 4 << false << false << true;
        QTest::newRow("the error tone alone") << 0 << true << false << true;
        QTest::newRow("the music alone") << 0 << false << true << true;
        QTest::newRow("nothing can sound") << 0 << false << false << false;
    }
    void aRunThatCanSoundHoldsTheDeviceFromStartToItsEnd() {
        QFETCH(int, mode);
        QFETCH(bool, errorTone);
        QFETCH(bool, music);
        QFETCH(bool, held);
        TrainerRig rig;
        Trainer trainer(rig.platform());
        Options& o = trainer.options;
        o.setShengyin(mode);
        o.setCuowushengyin(errorTone);
        o.setBeijingyinyue(music);
        o.setTotal(0); // 10 characters
        QCOMPARE(rig.soundDevice.holds, 0);

        trainer.run.start();
        QCOMPARE(rig.soundDevice.holds, held ? 1 : 0); // the countdown
        rig.clock.advance(5.01);
        trainer.run.tickCountdown();
        QVERIFY(trainer.state.running());
        rig.clock.advance(12); // a long pause
        trainer.run.tickRun();
        QCOMPARE(rig.soundDevice.holds, held ? 1 : 0);
        // Started again in the run, then ended at its total.
        trainer.run.start();
        rig.clock.advance(5.01);
        trainer.run.tickCountdown();
        QCOMPARE(rig.soundDevice.holds, held ? 1 : 0);
        trainer.state.setJishu(11);
        trainer.blink.tick();
        QVERIFY(!trainer.state.running());
        QCOMPARE(rig.soundDevice.holds, 0);
    }

    void silencingARunLetsTheDeviceGoAndSoundingItHoldsItAgain() {
        TrainerRig rig;
        Trainer trainer(rig.platform());
        trainer.options.setCuowushengyin(false);
        trainer.run.start();
        QCOMPARE(rig.soundDevice.holds, 1);
        trainer.menus.shengyin1[0]->trigger();
        QCOMPARE(rig.soundDevice.holds, 0);
        trainer.menus.cuowushengyin->trigger();
        QCOMPARE(rig.soundDevice.holds, 1);
        trainer.run.stop();
        QCOMPARE(rig.soundDevice.holds, 0);
    }
};

KEYVORA_TEST_MAIN(RunSoundHold, RunSoundHoldTest)
#include "tst_RunSoundHold.moc"
