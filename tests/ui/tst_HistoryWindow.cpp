#include "TestRegistry.h"

#include "TrainerRig.h"

#include "app/Form1.h"
#include "app/PopupMenus.h"
#include "history/ChartModule.h"
#include "history/HistoryWindow.h"
#include "history/KeyHeatmap.h"
#include "history/RunsTableModel.h"
#include "keyboard/KeyboardView.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QTableView>
#include <QTest>

namespace {

RunRecord run(int day, int speed, QList<KeyFigures> keys) {
    RunRecord r;
    r.when = QDateTime(QDate(2025, 1, day), QTime(20, 15));
    r.styleName = QStringLiteral("26个字母");
    r.style = 1;
    r.level = 3;
    r.total = 30;
    r.count = 30;
    r.hits = 27;
    r.accuracy = 90;
    r.seconds = 45;
    r.speed = speed;
    r.keys = std::move(keys);
    return r;
}

// The fill of a key as drawn: a point inside its cap, clear of the caption.
QColor fill(const KeyHeatmap& heatmap, int keyIndex) {
    const QLabel* cap = heatmap.keyboard()->keyLabel(keyIndex, KeyPart::Cap);
    const QImage image = heatmap.keyboard()->grab().toImage();
    return image.pixelColor(cap->geometry().bottomRight() - QPoint(3, 3));
}

struct Prepared {
    TrainerRig rig;
    Trainer trainer{rig.platform()};

    Prepared() {
        RecordFile file(trainer.platform().data);
        file.append(
            run(1, 40, {{'A', 10, 9, 300, 10, 0, {}}, {'S', 10, 4, 500, 10, 0, {{'D', 6}}}}));
        file.append(run(3, 80, {{'S', 10, 6, 450, 10, 2, {{'D', 3}, {'F', 1}}}}));
        file.append(
            run(2, 60, {{'A', 10, 8, 320, 10, 0, {{'Q', 2}}}, {'K', 10, 10, 200, 10, 0, {}}}));
    }
};

} // namespace

class HistoryWindowTest : public QObject {
    Q_OBJECT
private slots:
    void lessonsAreListedBesideRunsAndEitherCanBeShownAlone_data() {
        QTest::addColumn<int>("shown");
        QTest::addColumn<QStringList>("styles");
        QTest::newRow("both") << 0 << QStringList{"课程练习", "26个字母", "26个字母", "26个字母"};
        QTest::newRow("runs alone") << 1 << QStringList{"26个字母", "26个字母", "26个字母"};
        QTest::newRow("lessons alone") << 2 << QStringList{"课程练习"};
    }
    void lessonsAreListedBesideRunsAndEitherCanBeShownAlone() {
        QFETCH(int, shown);
        QFETCH(QStringList, styles);
        Prepared p;
        RunRecord lesson = run(4, 70, {{'f', 20, 19, 250, 20, 0, {{'D', 1}}}});
        lesson.styleName = QStringLiteral("课程练习");
        lesson.lesson = QStringLiteral("keys-01");
        lesson.lessonName = QStringLiteral("键位 第 1 课 f j");
        lesson.stage = QStringLiteral("键位");
        RecordFile(p.trainer.platform().data).append(lesson);
        HistoryWindow window(p.trainer.history, ChartModule(KEYVORA_PROGRAM_DIR));
        window.shown().setCurrentIndex(shown);
        const QAbstractItemModel& table = *window.table().model();
        QStringList seen;
        for (int row = 0; row < table.rowCount(); ++row) {
            seen << table.index(row, RunsTableModel::Style).data().toString();
            const bool isLesson = seen.last() == QStringLiteral("课程练习");
            QCOMPARE(table.index(row, RunsTableModel::Lesson).data().toString(),
                     isLesson ? lesson.lessonName : QString());
            QCOMPARE(table.index(row, RunsTableModel::Level).data().toString().isEmpty(), isLesson);
        }
        QCOMPARE(seen, styles);
    }

    void windowShowsEveryRunNewestFirstAndPaintsTheMostMissedKeyReddest() {
        Prepared p;
        HistoryWindow window(p.trainer.history, ChartModule(KEYVORA_PROGRAM_DIR));
#ifdef KEYVORA_CHART_MODULE_BUILT
        QVERIFY(window.chart());
#else // a build without Qt Charts (the Windows toolchain) shows the window without a chart
        QVERIFY(!window.chart());
#endif

        const QAbstractItemModel& rows = *window.table().model();
        QCOMPARE(rows.rowCount(), 3);
        QStringList firstColumn, speeds;
        for (int row = 0; row < 3; ++row) {
            firstColumn << rows.index(row, 0).data().toString();
            speeds << rows.index(row, RunsTableModel::Speed).data().toString();
        }
        QCOMPARE(firstColumn,
                 QStringList({"2025-01-03 20:15", "2025-01-02 20:15", "2025-01-01 20:15"}));
        QCOMPARE(speeds, QStringList({"80", "60", "40"}));
        window.table().sortByColumn(RunsTableModel::Speed, Qt::AscendingOrder);
        QCOMPARE(rows.index(0, RunsTableModel::Speed).data().toString(), QStringLiteral("40"));

        // S missed 10 times in 20, A 3 in 20, K never; Q was never a target.
        const KeyHeatmap& heat = window.heatmap();
        const int s = fill(heat, 'S').hsvHue(), a = fill(heat, 'A').hsvHue(),
                  k = fill(heat, 'K').hsvHue();
        QVERIFY2(s < a && a < k,
                 qPrintable(QStringLiteral("S %1, A %2, K %3").arg(s).arg(a).arg(k)));
        QCOMPARE(s, 0);
        QCOMPARE(fill(heat, 'Q').rgb(), KeyboardModel::keyColour);

        const QString tip = heat.keyboard()->keyLabel('S', KeyPart::Cap)->toolTip();
        QVERIFY2(tip.contains(QStringLiteral("出现 20 次，一次击中 50%")), qPrintable(tip));
        QVERIFY2(tip.contains(QStringLiteral("常按成 D（9 次）、F（1 次）")), qPrintable(tip));
        QVERIFY2(tip.contains(QStringLiteral("Shift 按错 2 次")), qPrintable(tip));
        QVERIFY(window.summary().text().startsWith(
            QStringLiteral("共练习 3 次，累计用时 0 小时 2 分，最高速度 80 个/分")));
    }

    void theFileMenuOpensTheHistoryBesideTheRunningPracticeAndItFollowsNewRuns() {
        Prepared p;
        Form1 form(p.rig.platform());
        Trainer& t = form.trainer();
        QMenu* file = form.popupMenus().wenjian();
        const QList<QAction*> items = file->actions();
        QCOMPARE(items.size(), 6);
        QCOMPARE(items[2], t.menus.lianxijilu);
        QCOMPARE(items[3], t.menus.kechenglianxi);
        QCOMPARE(items[3]->text(), QStringLiteral("课程练习(&L)..."));
        QVERIFY(items[4]->isSeparator());
        QCOMPARE(form.popupMenus().xuanxiang()->actions().last(), t.menus.yicuojian);

        t.run.start();
        p.rig.clock.advance(5.125);
        t.run.tickCountdown();
        items[2]->trigger();
        HistoryWindow* window = form.historyWindow();
        QVERIFY(window && window->isVisible() && !window->isModal());
        QVERIFY(t.state.running());
        QCOMPARE(window->table().model()->rowCount(), 3);

        t.keyInput.keyDown(t.state.mubiao, 0); // digits and capitals: the key code is the target
        t.run.stop();
        QCOMPARE(window->table().model()->rowCount(), 4);
        items[2]->trigger();
        QCOMPARE(form.historyWindow(), window);
    }
};

KEYVORA_TEST_MAIN(HistoryWindow, HistoryWindowTest)
#include "tst_HistoryWindow.moc"
