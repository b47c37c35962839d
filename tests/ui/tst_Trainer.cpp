#include "TestRegistry.h"

#include "LocalHttpServer.h"
#include "PanelText.h"
#include "PracticeSession.h"
#include "SilentSoundChannel.h"
#include "TrainerRig.h"

#include "app/SystemPlatform.h"
#include "app/Trainer.h"
#include "practice/StatisticsPanel.h"
#include "web/NewsPopupTimer.h"
#include "web/WebAddresses.h"
#include "web/WebPage.h"
#include "web/WebStrip.h"

#include <QAction>
#include <QTest>
#include <QWidget>

#include <memory>

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

enum class Channels { Recording, Silent, RealWithoutSoundPack };

// A session of practice with the web strip and the news pop-up timer ticking beside it, as the
// main window runs them, and the sound channels and connection of the chosen kind.
struct DisturbedSession {
    static constexpr int minutes = 11;

    TrainerRig rig;
    std::array<SilentSoundChannel, 4> silent;
    std::unique_ptr<SystemPlatform> system;
    LocalHttpServer server;
    WebPage stripPage;
    WebPage popupPage;
    std::unique_ptr<WebStrip> strip;
    std::unique_ptr<NewsPopupTimer> popupTimer;
    std::unique_ptr<Trainer> trainer;
    QWidget window;
    std::unique_ptr<StatisticsPanel> panel;
    std::unique_ptr<PracticeSession> session;
    int popupLoads = 0;

    DisturbedSession(Channels channels, bool flipping) {
        Platform platform = rig.platform();
        if (channels == Channels::Silent) {
            for (std::size_t i = 0; i < 4; ++i)
                platform.channels[i] = &silent[i];
        } else if (channels == Channels::RealWithoutSoundPack) {
            // The rig's program folder holds the settings folder and nothing else.
            system = std::make_unique<SystemPlatform>(rig.dir.path());
            platform.channels = system->platform().channels;
        }
        // The pop-up's delay is the first number drawn: 300 online seconds.
        rig.random.queued << 0.0;
        const auto flip = [this, flipping] {
            if (flipping)
                rig.connection.online = !rig.connection.online;
        };
        strip =
            std::make_unique<WebStrip>(rig.connection, stripPage, platform.data, server.base(),
                                       QStringLiteral("keyvora"), [] { return QDate(2024, 3, 7); });
        popupTimer = std::make_unique<NewsPopupTimer>(rig.connection, rig.random);
        QObject::connect(popupTimer.get(), &NewsPopupTimer::loadRequested, popupTimer.get(),
                         [this] {
                             ++popupLoads;
                             popupPage.navigate(WebAddresses(server.base()).popupPage());
                             popupTimer->watch(&popupPage);
                         });
        trainer = std::make_unique<Trainer>(platform);
        panel = std::make_unique<StatisticsPanel>(&window, trainer->state, trainer->statistics);
        session = std::make_unique<PracticeSession>(*trainer, rig.clock, rig.inputBox, 7);
        session->addTimer(WebStrip::intervalMs, [this, flip] {
            flip();
            strip->tick();
        });
        session->addTimer(NewsPopupTimer::intervalMs, [this, flip] {
            flip();
            popupTimer->tick();
        });
    }

    // The steps after which the practice is compared. A countdown step or a web tick that went
    // astray shows at the next key or timer tick at the latest, within 100 ms.
    static bool compared(const PracticeSession::Event& e) {
        return e.step != PracticeSession::Step::CountdownTick &&
               e.step != PracticeSession::Step::Extra;
    }

    // Everything of the practice a user could see or that decides what comes next.
    QByteArray snapshot() const {
        const Trainer& t = *trainer;
        const PracticeState& s = t.state;
        QString line = QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9")
                           .arg(session->now())
                           .arg(s.mubiao)
                           .arg(s.jishu())
                           .arg(s.jizhong())
                           .arg(s.xialuobushu)
                           .arg(s.hengzuobiao)
                           .arg(s.running())
                           .arg(t.run.countdownActive())
                           .arg(t.run.countdownNumber());
        line += QStringLiteral(" |%1|%2 %3 %4 %5 %6")
                    .arg(t.falling.caption())
                    .arg(t.falling.top())
                    .arg(t.falling.left())
                    .arg(t.falling.fontPoints())
                    .arg(t.blink.phase())
                    .arg(t.fingers.shanshuo());
        for (StatLabel label : {StatLabel::Level, StatLabel::Total, StatLabel::Seconds,
                                StatLabel::Count, StatLabel::Hits, StatLabel::Accuracy,
                                StatLabel::Minutes, StatLabel::Speed, StatLabel::Tenths})
            line += QLatin1Char('|') + panel->text(label);
        return line.toUtf8();
    }
};

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
        QCOMPARE(panelText(second.state, StatLabel::Level), QStringLiteral("20"));
        QCOMPARE(panelText(second.state, StatLabel::Total), QStringLiteral("200"));
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
            QCOMPARE(panelText(first.state, StatLabel::Total), QStringLiteral(" 150"));
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
        QCOMPARE(panelText(trainer.state, StatLabel::Level), QStringLiteral("1"));
        QCOMPARE(panelText(trainer.state, StatLabel::Total), QStringLiteral("10"));
        QVERIFY(!trainer.menus.zhifa->isChecked());
        QVERIFY(!trainer.menus.cuowushengyin->isChecked());
        QVERIFY(trainer.menus.banci1[1]->isChecked());
        QVERIFY(rig.channel(1).file().isEmpty());

        countDown(rig, trainer);
        rig.channel(1).clear();
        trainer.keyInput.keyDown(keyFor(trainer.state.mubiao), 0);
        QCOMPARE(trainer.state.jizhong(), 1);
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
        QWidget window;
        const StatisticsPanel panel(&window, trainer.state, trainer.statistics);
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
        QCOMPARE(panel.text(StatLabel::Count), QStringLiteral("10"));
        QCOMPARE(panel.text(StatLabel::Hits), QStringLiteral(" 10"));
        QCOMPARE(panel.text(StatLabel::Accuracy), QStringLiteral(" 100"));
        // Stopped: further keys count nothing.
        trainer.keyInput.keyDown(keyFor(trainer.state.mubiao), 0);
        QCOMPARE(trainer.state.jizhong(), 10);
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

    // The same seeded session, step by step, with well-behaved sound channels and a computer
    // that stays offline, then with channels that cannot sound or a connection that changes at
    // every tick of the web timers: the practice must take exactly the same course.
    void failingSoundAndAFlippingConnectionNeverChangeTheCourseOfARun_data() {
        QTest::addColumn<Channels>("channels");
        QTest::addColumn<bool>("flipping");
        QTest::newRow("silent channels") << Channels::Silent << false;
        QTest::newRow("real channels without the sound pack")
            << Channels::RealWithoutSoundPack << false;
        QTest::newRow("connection flipping") << Channels::Recording << true;
        QTest::newRow("silent channels, connection flipping") << Channels::Silent << true;
    }
    void failingSoundAndAFlippingConnectionNeverChangeTheCourseOfARun() {
        QFETCH(Channels, channels);
        QFETCH(bool, flipping);
        if (undisturbed_.isEmpty()) {
            DisturbedSession plain(Channels::Recording, false);
            plain.session->setObserver([&](const PracticeSession::Event& e) {
                if (DisturbedSession::compared(e))
                    undisturbed_ << plain.snapshot();
                return true;
            });
            plain.session->run(DisturbedSession::minutes * 60);
            QCOMPARE(plain.popupLoads, 0);
            QVERIFY(plain.session->tally().runsReachingTheTotal > 0);
        }

        DisturbedSession disturbed(channels, flipping);
        qsizetype step = 0;
        QByteArray expected;
        QByteArray actual;
        disturbed.session->setObserver([&](const PracticeSession::Event& e) {
            if (!DisturbedSession::compared(e))
                return true;
            actual = disturbed.snapshot();
            expected = step < undisturbed_.size() ? undisturbed_[step] : QByteArray();
            ++step;
            return actual == expected;
        });
        disturbed.session->run(DisturbedSession::minutes * 60);
        QCOMPARE(actual, expected);
        QCOMPARE(step, undisturbed_.size());
        if (flipping) {
            // The disturbance really reached the web sequences.
            QVERIFY(disturbed.stripPage.url().isValid());
            QCOMPARE(disturbed.popupLoads, 1);
        }
    }

private:
    QList<QByteArray> undisturbed_;
};

KEYVORA_TEST_MAIN(Trainer, TrainerTest)
#include "tst_Trainer.moc"
