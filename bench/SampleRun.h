#pragma once

#include "history/RunRecord.h"

#include <random>

// The record of a run of 50 characters in a letters-and-digits style, ten minutes after the one
// before: 36 keys with a few wrong keys each, as the benchmarks of the records use them.
inline RunRecord sampleRun(int i, std::mt19937& random) {
    RunRecord r;
    r.when = QDateTime(QDate(2025, 1, 1), QTime(8, 0)).addSecs(qint64(i) * 600);
    r.styleName = QStringLiteral("字母和数字");
    r.level = 3;
    r.total = 50;
    r.count = 50;
    r.hits = 40 + int(random() % 10);
    r.accuracy = r.hits * 2;
    r.seconds = 60 + random() % 30;
    r.speed = int(r.hits * 60 / r.seconds);
    for (int code : QByteArray("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ")) {
        KeyFigures k{code, 2 + int(random() % 3), 1, 300 + int(random() % 500), 2, 0, {}};
        for (int w = 0; w < 2; ++w)
            k.wrong.append({65 + int(random() % 26), 1 + int(random() % 3)});
        r.keys.append(k);
    }
    return r;
}
