#pragma once

#include <QString>

// Where one learner's files lie inside the data folder, as paths relative to it: the first
// learner's at the top of 数据库, each other learner's in a numbered folder of its own below it.
// Only what is the learner's own is here; the options are everyone's.
struct LearnerFiles {
    QString folder = QStringLiteral("数据库");

    QString records() const { return folder + QStringLiteral("/练习记录.jsonl"); }
    QString progress() const { return folder + QStringLiteral("/课程进度.json"); }
    QString missBook() const { return folder + QStringLiteral("/错字本.json"); }
    QString texts() const { return folder + QStringLiteral("/文本"); }

    bool operator==(const LearnerFiles&) const = default;
};
