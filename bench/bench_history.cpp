// The practice history at its size limit's scale: appending 10,000 records one by one to
// 数据库/练习记录.jsonl, reading them all back as the history window does (whole file, the newest
// 20 with their key figures), reading only the newest 20 as the weak-key practice does, and
// opening the history window on them (chart module included). Each record holds 36 keys with a
// few wrong keys each, like a run of 50 characters in a letters-and-digits style.
//   build/release/bench/bench_history [runs]          (offscreen unless QT_QPA_PLATFORM is set)

#include "FakeClock.h"
#include "SampleRun.h"
#include "history/ChartModule.h"
#include "history/HistoryWindow.h"
#include "history/PracticeHistory.h"
#include "history/RecordFile.h"
#include "platform/DataFolder.h"
#include "run/PracticeState.h"
#include "settings/Options.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <random>

namespace {

double msSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::atoi(argv[1]) : 10000;

    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("数据库"));
    const DataFolder folder(dir.path());
    RecordFile file(folder);
    std::mt19937 random(7);
    QList<RunRecord> records;
    for (int i = 0; i < runs; ++i)
        records.append(sampleRun(i, random));

    auto start = std::chrono::steady_clock::now();
    for (const RunRecord& r : records)
        file.append(r);
    const double writeMs = msSince(start);
    std::printf("append %d records: %.1f ms, %.1f us a record; file %.1f MB\n", runs, writeMs,
                1000 * writeMs / runs, QFileInfo(file.path()).size() / 1048576.0);

    start = std::chrono::steady_clock::now();
    const QList<RunRecord> all = file.load();
    std::printf("load all (%lld records): %.1f ms\n", qlonglong(all.size()), msSince(start));

    start = std::chrono::steady_clock::now();
    const QList<RunRecord> recent = file.loadLast(20);
    std::printf("load the newest %lld: %.2f ms\n", qlonglong(recent.size()), msSince(start));

    FakeClock clock;
    Options options;
    PracticeState state(options);
    PracticeHistory history(state, options, folder, clock);
    start = std::chrono::steady_clock::now();
    HistoryWindow window(history, ChartModule(KEYVORA_PROGRAM_DIR));
    window.show();
    QApplication::processEvents();
    std::printf("open the history window: %.1f ms (chart %s)\n", msSince(start),
                window.chart() ? "loaded" : "missing");
    return 0;
}
