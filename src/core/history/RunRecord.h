#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// What one key did in one run. The key is the target code (a character or named key); the wrong
// keys are the Windows virtual-key codes pressed while it was the target.
struct KeyFigures {
    int code = 0;
    int shown = 0;      // times it became the target (a target still open at Stop not counted)
    int firstHits = 0;  // times it was struck by the first key pressed for it
    int medianMs = -1;  // median time from showing to hit; -1 when it was never hit
    int hits = 0;       // times it was hit at all, the weight of the median
    int shiftSlips = 0; // the right key with the wrong Shift state (Shift-aware style only)
    QList<std::pair<int, int>> wrong; // virtual-key code, presses; most pressed first

    int misses() const { return shown - firstHits; }
    bool operator==(const KeyFigures&) const = default;
};

// One line of 数据库/练习记录.jsonl: a finished run with the figures the statistics panel showed
// at its end, and what every target key did; or a finished lesson of the course, which has no
// display style, level or total but names its lesson and stage.
struct RunRecord {
    QDateTime when; // local time the run ended
    int style = 0;
    QString styleName;
    double level = 0;
    double total = 0;
    // A lesson's id, name and stage; all empty for a run of the main window.
    QString lesson;
    QString lessonName;
    QString stage;
    int count = 0;
    int hits = 0;
    int accuracy = 0; // %
    double seconds = 0;
    int speed = 0;       // characters a minute
    int wubiEdition = 0; // 86 or 98 when a Wubi recitation played along, otherwise 0
    // Lessons that type Chinese: the characters committed, characters a minute and the keys
    // struck per character committed (Wubi only); 0 where they do not apply.
    int characters = 0;
    int charSpeed = 0;
    double codeLength = 0;
    QList<KeyFigures> keys;

    bool isLesson() const { return !lesson.isEmpty(); }

    // One JSON object, no line end. The per-key figures come last, as plain numbers, so that a
    // reader who needs only the summary can stop before them.
    QByteArray toJson() const;

    // A record from one line; nullopt for anything that is not a complete record of this
    // program. With summaryOnly the per-key figures are left out (and not checked in depth),
    // which makes reading many old records cheap.
    static std::optional<RunRecord> fromJson(QByteArrayView line, bool summaryOnly = false);

    bool operator==(const RunRecord&) const = default;
};
