// Several learners at the record file's scale: two learners with 10,000 records of 36 keys each.
// Switching from one to the other with the history window closed, as the windows switch: the
// list of learners written, the history and the course pointed at the other learner's files
// (its progress and 错字本 read), the text library read; then, with the weak-key practice on,
// the first weak-key figures of the new learner. Exporting one learner's 10,000 runs as CSV,
// without and with the key figures; writing a backup of them, reading it back and restoring it
// into a learner who has half of them. Medians of the given number of runs.
//   build/release/bench/bench_learners [runs]          (default 15)

#include "SampleRun.h"
#include "TrainerRig.h"

#include "app/Trainer.h"
#include "course/CoursePractice.h"
#include "history/RecordFile.h"
#include "learners/BackupRestore.h"
#include "learners/LearnerBackup.h"
#include "learners/Learners.h"
#include "learners/RecordsCsv.h"
#include "learners/RecordsExport.h"
#include "texts/TextLibrary.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>

namespace {

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The milliseconds a step takes, as the median of `runs` runs; `before` runs untimed first.
double timed(int runs, const std::function<void()>& step,
             const std::function<void()>& before = {}) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        if (before)
            before();
        const auto start = std::chrono::steady_clock::now();
        step();
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    return median(ms);
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

} // namespace

int main(int argc, char** argv) {
    // The trainer's menu items are QActions, which need a GUI application, though no window.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int runs = argc > 1 ? std::atoi(argv[1]) : 15;
    constexpr int records = 10000;

    TrainerRig rig;
    const DataFolder data = rig.platform().data;
    Learners learners(data, rig.clock);
    learners.load();
    const int other = learners.add(QStringLiteral("小明")).id;
    std::mt19937 random(7);
    QByteArray lines;
    for (int i = 0; i < records; ++i)
        lines += sampleRun(i, random).toJson() + '\n';
    for (const int id : {Learners::firstId, other})
        writeFile(data.file(Learners::filesOf(id).records()), lines);
    std::printf("two learners, %d records each, %.1f MB a file\n", records,
                double(lines.size()) / (1 << 20));

    Trainer trainer(rig.platform());
    CoursePractice course(rig.platform(), trainer.options, trainer.history);
    course.load();
    TextLibrary texts(data);
    const auto switchTo = [&](int id) {
        learners.setCurrent(id);
        const LearnerFiles files = learners.currentFiles();
        trainer.history.setLearner(files);
        course.setLearner(files);
        texts.setFolder(files.texts());
    };
    int next = other;
    const auto flip = [&] {
        switchTo(next);
        next = next == other ? Learners::firstId : other;
    };
    std::printf("switch learner, history window closed: %.2f ms\n", timed(runs, flip));
    trainer.options.setYicuojian(true);
    std::printf("  then the new learner's weak-key figures: %.2f ms\n",
                timed(
                    runs, [&] { trainer.history.recentWeakKeys(); }, flip));

    const QString csv = rig.dir.filePath(QStringLiteral("成绩.csv"));
    const LearnerFiles files = Learners::filesOf(other);
    const double runsOnly = timed(runs, [&] { RecordsExport::learner(data, files, csv, false); });
    std::printf("export %d runs as CSV: %.1f ms (%.1f MB)\n", records, runsOnly,
                QFileInfo(csv).size() / 1048576.0);
    const double withKeys = timed(runs, [&] { RecordsExport::learner(data, files, csv, true); });
    std::printf("  with the key figures: %.1f ms (%.1f MB more)\n", withKeys,
                QFileInfo(RecordsCsv::keysFileFor(csv)).size() / 1048576.0);

    const QString backup = rig.dir.filePath(QStringLiteral("小明.kvbak"));
    const double writing = timed(runs, [&] {
        LearnerBackup::write(backup, data, files, QStringLiteral("小明"),
                             rig.clock.localDateTime());
    });
    std::printf("write a backup of %d records: %.1f ms (%.1f MB)\n", records, writing,
                QFileInfo(backup).size() / 1048576.0);
    LearnerBackup::Reading read;
    std::printf("read it back: %.1f ms\n",
                timed(runs, [&] { read = LearnerBackup::read(backup); }));
    const int third = learners.add(QStringLiteral("小红")).id;
    const QString thirdRecords = data.file(Learners::filesOf(third).records());
    std::printf("restore it into a learner who has half of them: %.1f ms\n",
                timed(
                    runs,
                    [&] {
                        BackupRestore::into(read.contents, data, Learners::filesOf(third),
                                            rig.clock.localDateTime());
                    },
                    [&] { writeFile(thirdRecords, lines.left(lines.size() / 2)); }));
    return 0;
}
