#include "TestRegistry.h"

#include "TrainerRig.h"

#include "app/Trainer.h"
#include "course/CoursePractice.h"
#include "course/KeyCurriculum.h"
#include "history/RecordFile.h"
#include "keyboard/KeyTable.h"
#include "settings/Options.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>

// The course as a learner goes through it: lessons passed or not, what opens, what is recorded.
namespace {

struct Course {
    TrainerRig rig;
    Trainer trainer{rig.platform()};
    CoursePractice course{rig.platform(), trainer.options, trainer.history};

    Course() { course.load(); }

    // Types the lesson on display, `secondsPerKey` apart, a wrong key before every n-th character.
    void type(double secondsPerKey, int wrongEvery = 0) {
        const QString text = course.textSession()->text();
        for (int i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            if (wrongEvery > 0 && i % wrongEvery == 0) {
                rig.clock.advance(secondsPerKey);
                course.keyDown(c == QLatin1Char('q') ? 'W' : 'Q', 0);
            }
            rig.clock.advance(secondsPerKey);
            press(c);
        }
    }
    void press(QChar c) {
        const KeyTable::Typing typing = KeyTable::typing(c.unicode());
        course.keyDown(c == QLatin1Char(' ') ? 32 : typing.key->vk, typing.shift ? 1 : 0);
    }
};

} // namespace

class TestCoursePractice : public QObject {
    Q_OBJECT
private slots:
    void theCourseOpensOnItsFirstLessonAndNothingAfterItIsOpen() {
        Course c;
        QCOMPARE(c.course.firstToPractise(), QStringLiteral("keys-01"));
        QCOMPARE(c.course.standing(QStringLiteral("keys-02")), CoursePractice::Standing::Locked);
        QCOMPARE(c.course.standing(QStringLiteral("english-01")), CoursePractice::Standing::Locked);
        QVERIFY(!c.course.start(QStringLiteral("keys-02")));
        c.course.setUnlockAll(true);
        QCOMPARE(c.course.standing(QStringLiteral("english-08")), CoursePractice::Standing::Open);
    }

    void aLessonPassesAtItsMarksAndOpensTheNext_data() {
        QTest::addColumn<double>("secondsPerKey");
        QTest::addColumn<int>("wrongEvery");
        QTest::addColumn<bool>("passed");
        // The first lesson passes at 95 % and 60 characters a minute.
        QTest::newRow("fast and faultless") << 0.2 << 0 << true;
        QTest::newRow("just fast enough") << 0.98 << 0 << true;
        QTest::newRow("too slow") << 1.05 << 0 << false;
        QTest::newRow("fast but a wrong key every tenth character") << 0.2 << 10 << false;
    }
    void aLessonPassesAtItsMarksAndOpensTheNext() {
        QFETCH(double, secondsPerKey);
        QFETCH(int, wrongEvery);
        QFETCH(bool, passed);
        Course c;
        QSignalSpy finished(&c.course, &CoursePractice::finished);
        QVERIFY(c.course.start(QStringLiteral("keys-01")));
        c.type(secondsPerKey, wrongEvery);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(c.course.result().passed, passed);
        QCOMPARE(c.course.standing(QStringLiteral("keys-01")),
                 passed ? CoursePractice::Standing::Passed : CoursePractice::Standing::Open);
        QCOMPARE(c.course.standing(QStringLiteral("keys-02")),
                 passed ? CoursePractice::Standing::Open : CoursePractice::Standing::Locked);
        QCOMPARE(c.course.firstToPractise(),
                 passed ? QStringLiteral("keys-02") : QStringLiteral("keys-01"));
        const int speed = c.course.result().speed;
        QCOMPARE(c.course.startNext(), passed);

        // Every attempt is recorded with its lesson, and the progress survives a new start.
        const QList<RunRecord> records = RecordFile(c.rig.platform().data).load();
        QCOMPARE(records.size(), 1);
        QCOMPARE(records[0].lesson, QStringLiteral("keys-01"));
        QCOMPARE(records[0].stage, QStringLiteral("键位"));
        QCOMPARE(records[0].lessonName, QStringLiteral("键位 第 1 课 f j"));
        QCOMPARE(records[0].speed, speed);
        QVERIFY(!records[0].keys.isEmpty());
        CoursePractice again(c.rig.platform(), c.trainer.options, c.trainer.history);
        again.load();
        QCOMPARE(again.standing(QStringLiteral("keys-01")),
                 c.course.standing(QStringLiteral("keys-01")));
    }

    void switchingLearnerShowsTheirOwnProgressAndDropsTheLessonOnDisplay() {
        Course c;
        QVERIFY(c.course.start(QStringLiteral("keys-01")));
        c.type(0.2);
        QVERIFY(c.course.startNext());
        QSignalSpy changed(&c.course, &CoursePractice::lessonChanged);
        const LearnerFiles other{QStringLiteral("数据库/学员/1")};
        QDir(c.rig.dir.path()).mkpath(other.folder);

        c.course.setLearner(other);
        QCOMPARE(changed.count(), 1);
        QVERIFY(!c.course.current() && !c.course.takesKeys());
        QCOMPARE(c.course.firstToPractise(), QStringLiteral("keys-01"));
        c.course.setLearner(LearnerFiles());
        QCOMPARE(c.course.firstToPractise(), QStringLiteral("keys-02"));
        QVERIFY(c.rig.messageBox.texts.isEmpty());
    }

    void theResultNamesTheKeysMissedMostWithWhatWasPressedInstead() {
        Course c;
        c.course.start(QStringLiteral("keys-01"));
        c.type(0.2, 3);
        const QList<CoursePractice::WeakKey> weakest = c.course.result().weakest;
        QVERIFY(!weakest.isEmpty() && weakest.size() <= 3);
        QCOMPARE(weakest.first().instead.first().first, int('Q'));
    }

    void everyKeyLessonIsReachableByPassingTheOneBefore() {
        Course c;
        QString id = c.course.firstToPractise();
        int passed = 0;
        while (id.startsWith(QLatin1String("keys-"))) {
            QVERIFY2(c.course.start(id), qPrintable(id));
            c.type(0.1);
            QVERIFY2(c.course.result().passed, qPrintable(id));
            ++passed;
            id = c.course.firstToPractise();
        }
        QCOMPARE(passed, KeyCurriculum::keysStage().lessons.size());
        QCOMPARE(id, QStringLiteral("english-01"));
    }

    void theSoundDeviceStaysOpenForALessonThatCanSound_data() {
        QTest::addColumn<int>("keySound");
        QTest::addColumn<bool>("errorTone");
        QTest::addColumn<bool>("held");
        QTest::newRow("spoken key names") << int(Options::spokenMode) << false << true;
        QTest::newRow("a keystroke effect") << 3 << false << true;
        QTest::newRow("only the error tone") << int(Options::silentMode) << true << true;
        QTest::newRow("nothing that sounds") << int(Options::silentMode) << false << false;
    }
    void theSoundDeviceStaysOpenForALessonThatCanSound() {
        QFETCH(int, keySound);
        QFETCH(bool, errorTone);
        QFETCH(bool, held);
        Course c;
        c.trainer.options.setShengyin(keySound);
        c.trainer.options.setCuowushengyin(errorTone);
        c.course.start(QStringLiteral("keys-01"));
        QCOMPARE(c.rig.soundDevice.holds, held ? 1 : 0);
        c.course.setPresent(false); // the learner went to another window
        QCOMPARE(c.rig.soundDevice.holds, 0);
        c.course.setPresent(true);
        QCOMPARE(c.rig.soundDevice.holds, held ? 1 : 0);
        c.type(0.2);
        QCOMPARE(c.rig.soundDevice.holds, 0); // the lesson is done
    }

    void aRunOfTheMainWindowMakesWayForALessonAndALessonForARun() {
        Course c;
        QSignalSpy started(&c.course, &CoursePractice::practiceStarted);
        c.course.start(QStringLiteral("keys-01"));
        const QString text = c.course.textSession()->text();
        c.rig.clock.advance(1);
        c.press(text.at(0));
        QCOMPARE(started.count(), 1);
        c.course.pause();
        QCOMPARE(c.course.textSession()->state(), LessonSession::State::Paused);
        QVERIFY(c.course.hints().code() < 0);
        c.press(text.at(1));
        QCOMPARE(started.count(), 2);
        QCOMPARE(c.course.hints().code(), int(c.course.textSession()->text().at(2).unicode()));
    }
};

KEYVORA_TEST_MAIN(CoursePractice, TestCoursePractice)
#include "tst_CoursePractice.moc"
