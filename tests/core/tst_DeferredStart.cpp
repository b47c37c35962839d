#include "TestRegistry.h"

#include "RecordingSoundChannel.h"
#include "platform/ProgramFolder.h"
#include "settings/Options.h"
#include "sound/DeferredStart.h"
#include "sound/SoundSwitches.h"

#include <QTest>

namespace {
struct StartUp {
    Options options;
    RecordingSoundChannel music;
    ProgramFolder folder{QStringLiteral("/opt/keyvora")};
    SoundSwitches switches{options, music, folder};
    QStringList log; // restores, each with what the music channel had heard by then
    bool storedMusic = true;
    DeferredStart start{
        [this] {
            log << QStringLiteral("restore after %1 music calls").arg(music.calls.size());
            options.setBeijingyinyue(storedMusic);
        },
        switches};
};
} // namespace

class DeferredStartTest : public QObject {
    Q_OBJECT
private slots:
    void storedMusicStartsAfterTheRestoreNotBefore() {
        StartUp s;
        s.start.start();
        QVERIFY(s.start.isActive());
        s.start.tick();
        QCOMPARE(s.log, QStringList{"restore after 0 music calls"});
        QCOMPARE(s.music.calls,
                 (QStringList{QStringLiteral("set:") +
                                  s.folder.file(QStringLiteral("声音/五笔口诀/五笔口诀音乐")),
                              "play"}));
        QVERIFY(!s.start.isActive());
    }

    void musicLeftOffStaysSilent() {
        StartUp s;
        s.storedMusic = false;
        s.start.start();
        s.start.tick();
        QCOMPARE(s.log.size(), 1);
        QVERIFY(s.music.calls.isEmpty());
    }

    void itRunsOnlyOnce() {
        StartUp s;
        s.start.start();
        s.start.tick();
        s.start.tick();
        s.start.start();
        QVERIFY(!s.start.isActive());
        s.start.tick();
        QCOMPARE(s.log.size(), 1);
        QCOMPARE(s.music.plays, 1);
    }
};

KEYVORA_TEST_MAIN(DeferredStart, DeferredStartTest)
#include "tst_DeferredStart.moc"
