#include "TestRegistry.h"

#include "TrainerRig.h"

#include "app/Form1.h"
#include "course/CourseWindow.h"
#include "history/HistoryWindow.h"
#include "history/RecordFile.h"
#include "learners/LearnerBar.h"
#include "learners/LearnersDialog.h"

#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QTableView>
#include <QTest>

// Several learners in the windows: switching moves every view, and each learner's practice is
// recorded for that learner alone.
namespace {

struct Windows {
    TrainerRig rig;
    std::unique_ptr<Form1> form;
    Trainer* t = nullptr;

    // A second learner "小明" with a record of its own, beside the first learner's two.
    Windows() {
        form = std::make_unique<Form1>(rig.platform());
        t = &form->trainer();
        t->deferredStart.tick();
        QVERIFY(t->learners.add(QStringLiteral("小明")).ok);
        RecordFile first(rig.platform().data);
        first.append(record(QStringLiteral("26个字母"), 1));
        first.append(record(QStringLiteral("26个字母"), 2));
        RecordFile(rig.platform().data, Learners::filesOf(1).records())
            .append(record(QStringLiteral("10个数字"), 3));
        form->show();
        form->showHistory();
        form->showCourse();
    }
    static RunRecord record(const QString& style, int minute) {
        RunRecord r;
        r.when = QDateTime(QDate(2026, 12, 1), QTime(9, minute));
        r.styleName = style;
        r.count = r.hits = 10;
        r.accuracy = 100;
        r.seconds = 10;
        r.speed = 60;
        return r;
    }
    QStringList historyStyles() const {
        QStringList styles;
        const QAbstractItemModel& table = *form->historyWindow()->table().model();
        for (int row = 0; row < table.rowCount(); ++row)
            styles << table.index(row, 1).data().toString();
        return styles;
    }
    void chooseInCourseWindow(int id) {
        QComboBox* box = form->courseWindow()->findChild<QComboBox*>(QStringLiteral("learner"));
        box->setCurrentIndex(box->findData(id));
        emit box->activated(box->currentIndex());
    }
};

} // namespace

class TestLearnerWindows : public QObject {
    Q_OBJECT
private slots:
    void switchingMovesTheHistoryAndTheCourseAndRecordsForTheRightLearner() {
        Windows w;
        QCOMPARE(w.historyStyles(), (QStringList{"26个字母", "26个字母"}));
        CoursePractice& course = w.form->courseWindow()->course();
        course.setUnlockAll(true); // the first learner's progress only

        // A run under way is recorded for the learner it began with.
        w.t->run.start();
        w.rig.clock.advance(5.2);
        w.t->run.tickCountdown();
        w.t->keyInput.keyDown(w.t->state.mubiao, 0);
        w.chooseInCourseWindow(1);
        QVERIFY(!w.t->run.running());
        QCOMPARE(RecordFile(w.rig.platform().data).load().size(), 3);

        QCOMPARE(w.t->learners.current(), 1);
        QCOMPARE(w.historyStyles(), QStringList{"10个数字"});
        QVERIFY(!course.progress().unlockAll());
        QCOMPARE(course.current()->id, QStringLiteral("keys-01"));
        QComboBox* historyBox =
            w.form->historyWindow()->findChild<QComboBox*>(QStringLiteral("learner"));
        QCOMPARE(historyBox->currentText(), QStringLiteral("小明"));

        // The next run is 小明's.
        w.t->run.start();
        w.rig.clock.advance(5.2);
        w.t->run.tickCountdown();
        w.t->keyInput.keyDown(w.t->state.mubiao, 0);
        w.t->run.stop();
        QCOMPARE(RecordFile(w.rig.platform().data, Learners::filesOf(1).records()).load().size(),
                 2);
        QCOMPARE(w.historyStyles().size(), 2);
        QCOMPARE(RecordFile(w.rig.platform().data).load().size(), 3);
    }

    void anUnreadableListIsSetAsideAndTheLearnerTold() {
        TrainerRig rig;
        QFile list(rig.dir.path() + QStringLiteral("/数据库/学员.json"));
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write("{\"format\":1,\"learners\":");
        list.close();
        Form1 form(rig.platform());
        QTRY_COMPARE(rig.messageBox.texts.size(), 1);
        QVERIFY(rig.messageBox.texts.first().contains(QStringLiteral("学员名单已损坏")));
        QCOMPARE(form.trainer().learners.current(), Learners::firstId);
    }

    void theDialogAddsRenamesAndRemovesAskingFirst() {
        Windows w;
        LearnersDialog dialog(*w.t, w.rig.inputBox, w.rig.messageBox);
        w.rig.inputBox.answers = {QStringLiteral(" 小明 "), QStringLiteral("小红")};
        dialog.addLearner(); // taken, asked again
        QCOMPARE(w.rig.inputBox.prompts.size(), 2);
        QVERIFY(w.rig.inputBox.prompts.last().contains(QStringLiteral("小明")));
        QCOMPARE(w.t->learners.list().size(), 3);

        dialog.list()->setCurrentRow(2);
        w.rig.messageBox.answers = {false};
        dialog.removeLearner();
        QCOMPARE(w.t->learners.list().size(), 3);
        w.rig.messageBox.answers = {true};
        dialog.removeLearner();
        QCOMPARE(w.t->learners.list().size(), 2);
        QCOMPARE(QDir(w.rig.dir.path() + QStringLiteral("/数据库/学员/已删除"))
                     .entryList(QDir::Dirs | QDir::NoDotAndDotDot)
                     .size(),
                 1);
    }

    void aBackupComesBackAsANewLearnerAndIntoTheCurrentOneWithoutDoubling() {
        Windows w;
        LearnerBar* bar = w.form->historyWindow()->findChild<LearnerBar*>();
        const QString file = w.rig.dir.path() + QStringLiteral("/first.kvbak");
        w.rig.fileDialog.toSave = {file};
        bar->backUp();
        QVERIFY(QFile::exists(file));

        w.rig.fileDialog.toOpen = {file, file};
        w.rig.inputBox.answers = {QStringLiteral("默认的备份")}; // 默认 is taken
        bar->restore(true);
        const Learners::Learner* restored = w.t->learners.find(QStringLiteral("默认的备份"));
        QVERIFY(restored);
        QCOMPARE(RecordFile(w.rig.platform().data, Learners::filesOf(restored->id).records())
                     .load()
                     .size(),
                 2);
        bar->restore(false); // into 默认, who has every record already
        QCOMPARE(RecordFile(w.rig.platform().data).load().size(), 2);
        QCOMPARE(w.historyStyles().size(), 2);
    }
};

KEYVORA_TEST_MAIN(LearnerWindows, TestLearnerWindows)
#include "tst_LearnerWindows.moc"
