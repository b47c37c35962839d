#pragma once

#include "history/RunRecord.h"

#include <QByteArray>
#include <QList>
#include <QString>

// A learner's records as CSV for a spreadsheet: UTF-8 with a byte-order mark (so that
// spreadsheet programs on Chinese Windows read it as UTF-8), a header row, one row a run or
// lesson, CRLF line ends and quoting as RFC 4180 has it. Values are raw: ISO date and time,
// plain numbers, seconds with their decimals; a lesson leaves the style, level and total empty,
// a run the lesson. A text cell that a spreadsheet would take for a formula (=, +, -, @, a tab
// or a carriage return first) gets a leading apostrophe.
//
// The per-key figures go to a second file, one row a key of a run or lesson.
class RecordsCsv {
public:
    // The runs and lessons, oldest first.
    static QByteArray runs(const QList<RunRecord>& records);
    // The key figures of the runs and lessons, oldest first.
    static QByteArray keys(const QList<RunRecord>& records);

    // One text cell, guarded and quoted as needed.
    static QString textCell(const QString& text);
    // The file of the key figures beside the file of the runs: "成绩.csv" gives "成绩-按键.csv".
    static QString keysFileFor(const QString& runsFile);
    static QString keysSuffix() { return QStringLiteral("-按键"); }
};
