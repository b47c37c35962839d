#include "TrainerRig.h"

#include "app/Trainer.h"

#include <QAction>
#include <QSignalSpy>
#include <QTest>

namespace {

const QByteArray defaultFile = " 0\r\n 1\r\n 2\r\n 4\r\nTrue\r\nTrue\r\nFalse\r\nFalse\r\n";

// Starts the trainer as the program does: load step, then the deferred start's tick.
void startUp(Trainer& trainer) {
    trainer.load();
    trainer.deferredStart.tick();
}

// Lets the countdown run out and the run begin.
void countDown(TrainerRig& rig, Trainer& trainer) {
    trainer.run.start();
    rig.clock.advance(5.01);
    trainer.run.tickCountdown();
}

// The key code that strikes the target under key-code checking in the keyboard styles.
int keyFor(int target) {
    return target >= 97 && target <= 122 ? target - 32 : target;
}

} // namespace

class TrainerTest : public QObject {
    Q_OBJECT
private slots:
    void menuChoicesComeBackAfterExitAndRestart() {
        TrainerRig rig;
        {
            Trainer first(rig.platform());
            startUp(first);
            first.menus.fengge1[8]->trigger();
            first.menus.shengyin1[5]->trigger();
            first.menus.jibie[19]->trigger();
            first.menus.zongshu[10]->trigger();
            // Without a settings file the first start cleared both switches; turn one back on.
            first.menus.zhifa->trigger();
            first.menus.beijingyinyue->trigger();
            first.menus.banci1[0]->trigger();
            first.unload();
        }
        for (auto& channel : rig.channels)
            channel.clear();
        Trainer second(rig.platform());
        startUp(second);
        QCOMPARE(MenuTree::checkedIndex(second.menus.fengge1), 8);
        QCOMPARE(MenuTree::checkedIndex(second.menus.shengyin1), 5);
        QCOMPARE(MenuTree::checkedIndex(second.menus.jibie), 19);
        QCOMPARE(MenuTree::checkedIndex(second.menus.zongshu), 10);
        QCOMPARE(second.state.text(StatLabel::Level), QStringLiteral("20"));
        QCOMPARE(second.state.text(StatLabel::Total), QStringLiteral("200"));
        QCOMPARE(second.styles.banner(), QStringLiteral("Keyvora-10个数字"));
        QVERIFY(!second.styles.keyboardShown());
        QVERIFY(second.menus.zhifa->isChecked());
        QVERIFY(!second.menus.cuowushengyin->isChecked());
        QVERIFY(second.menus.beijingyinyue->isChecked());
        QVERIFY(second.menus.banci1[0]->isChecked());
        QVERIFY(!second.menus.banci1[1]->isChecked());
        QVERIFY(rig.channel(1).file().endsWith(QStringLiteral("音效4")));
        // The music was left on, so it starts after the restore.
        QVERIFY(rig.channel(4).lastPlayed.endsWith(QStringLiteral("五笔口诀音乐")));
    }

    void aCustomTotalComesBackAs99() {
        TrainerRig rig;
        {
            Trainer first(rig.platform());
            startUp(first);
            rig.inputBox.answers << QStringLiteral("150");
            first.menus.zongshu[11]->trigger();
            QCOMPARE(first.state.text(StatLabel::Total), QStringLiteral(" 150"));
            first.unload();
        }
        Trainer second(rig.platform());
        startUp(second);
        QCOMPARE(MenuTree::checkedIndex(second.menus.zongshu), 11);
        QCOMPARE(second.state.total(), 99.0);
        // The restore never asks.
        QCOMPARE(rig.inputBox.prompts.size(), 1);
    }

    void theFirstStartWithoutASettingsFileUsesIndexZeroAndLeavesCorrectKeysSilent() {
        TrainerRig rig;
        Trainer trainer(rig.platform());
        trainer.load();
        QVERIFY(rig.channel(1).file().endsWith(QStringLiteral("音效1")));
        QVERIFY(rig.channel(2).file().endsWith(QStringLiteral("击键错误")));
        trainer.deferredStart.tick();
        QCOMPARE(MenuTree::checkedIndex(trainer.menus.fengge1), 0);
        QCOMPARE(MenuTree::checkedIndex(trainer.menus.shengyin1), 0);
        QCOMPARE(trainer.state.text(StatLabel::Level), QStringLiteral("1"));
        QCOMPARE(trainer.state.text(StatLabel::Total), QStringLiteral("10"));
        QVERIFY(!trainer.menus.zhifa->isChecked());
        QVERIFY(!trainer.menus.cuowushengyin->isChecked());
        QVERIFY(trainer.menus.banci1[1]->isChecked());
        QVERIFY(rig.channel(1).file().isEmpty());

        countDown(rig, trainer);
        rig.channel(1).clear();
        trainer.keyInput.keyDown(keyFor(trainer.state.mubiao), 0);
        QCOMPARE(trainer.state.jizhong, 1);
        QCOMPARE(rig.channel(1).plays, 0);
    }

    void restoringTheDefaultsThenExitingWritesTheDefaultFile() {
        TrainerRig rig;
        Trainer trainer(rig.platform());
        startUp(trainer);
        trainer.menus.fengge1[11]->trigger();
        trainer.menus.beijingyinyue->trigger();
        trainer.menus.huifu->trigger();
        trainer.menus.huifu->trigger();
        trainer.unload();
        QCOMPARE(rig.settingsBytes(), defaultFile);
    }

    void aFaultlessRunOfTenEndsAtTheTotalWithItsFiguresLeftOnThePanel() {
        TrainerRig rig;
        Trainer trainer(rig.platform());
        startUp(trainer);
        trainer.menus.zongshu[0]->trigger();
        countDown(rig, trainer);
        QVERIFY(trainer.state.running());
        for (int i = 0; i < 10; ++i) {
            rig.clock.advance(0.5);
            trainer.keyInput.keyDown(keyFor(trainer.state.mubiao), 0);
        }
        trainer.blink.tick();
        QVERIFY(!trainer.state.running());
        trainer.statistics.tick();
        QCOMPARE(trainer.state.text(StatLabel::Count), QStringLiteral("10"));
        QCOMPARE(trainer.state.text(StatLabel::Hits), QStringLiteral(" 10"));
        QCOMPARE(trainer.state.text(StatLabel::Accuracy), QStringLiteral(" 100"));
        // Stopped: further keys count nothing.
        trainer.keyInput.keyDown(keyFor(trainer.state.mubiao), 0);
        QCOMPARE(trainer.state.jizhong, 10);
    }

    void startingARunStopsTheRecitationFirst() {
        TrainerRig rig;
        Trainer trainer(rig.platform());
        startUp(trainer);
        trainer.menus.bofangwubi->trigger();
        QVERIFY(trainer.wubi.reciting());
        trainer.menus.jijiankaishi->trigger();
        QVERIFY(!trainer.wubi.reciting());
        QCOMPARE(trainer.menus.bofangwubi->text(), MenuTree::bofangCaption);
        QCOMPARE(rig.channel(4).calls.last(), QStringLiteral("halt"));
    }

    void altAAsksForTheFileMenuAndExitIsForwarded() {
        TrainerRig rig;
        Trainer trainer(rig.platform());
        QSignalSpy menu(&trainer, &Trainer::fileMenuRequested);
        QSignalSpy exit(&trainer, &Trainer::exitRequested);
        trainer.keyInput.keyDown(65, 4);
        QCOMPARE(menu.size(), 1);
        trainer.menus.tuichu->trigger();
        QCOMPARE(exit.size(), 1);
    }

    void theFingerIndicatorsFollowTheStatisticsTick() {
        TrainerRig rig;
        Trainer trainer(rig.platform());
        startUp(trainer);
        trainer.menus.zhifa->trigger(); // the restore without a file cleared it
        countDown(rig, trainer);
        trainer.statistics.tick();
        const int finger = FingerIndicators::fingerOf(trainer.state.mubiao);
        QVERIFY(finger >= 0);
        QVERIFY(trainer.fingers.fingerLit(finger));
    }
};

QTEST_MAIN(TrainerTest)
#include "tst_Trainer.moc"
