#pragma once

#include "course/ChineseTables.h"
#include "course/CourseLesson.h"
#include "course/LessonSession.h"
#include "course/WubiSession.h"

#include <QHash>

#include <cstdint>

class MissBook;

// Makes the attempts of the 拼音 and 五笔 lessons from the Chinese tables: drawn anew for every
// attempt, the same for the same seed.
class ChineseLessonMaker {
public:
    // The typed text of a pinyin lesson: each entry's syllables and a space; where ü is written ue
    // (lue, nue) v is also taken.
    struct Pinyin {
        QString text;
        QHash<int, QChar> alsoAccepted;
        QVector<LessonSession::Item> items; // none for a syllable lesson
        QList<ChineseTables::Pinyin> entries;
    };

    // book: the learner's 错字本, whose entries come back in the 五笔 character and word lessons
    // (nullptr: none); edition: 86 or 98, the verses of the root-mnemonic lessons.
    ChineseLessonMaker(const ChineseTables& tables, const MissBook* book, int edition)
        : tables_(tables), book_(book), edition_(edition) {}

    Pinyin pinyin(const CourseLesson& lesson, std::uint32_t seed) const;
    QList<WubiSession::Item> wubi(const CourseLesson& lesson, std::uint32_t seed) const;

    // The entries a 五笔 lesson draws from, in their order.
    QList<ChineseTables::Wubi> wubiSource(const CourseLesson& lesson) const;
    // The verse of a key ('G'..'Y') in an edition, without its zone and position.
    static QString verse(int edition, QChar key);

    // The most of an attempt that the 错字本 may fill.
    static constexpr int bookShare = 4; // one item in four

private:
    const ChineseTables& tables_;
    const MissBook* book_;
    int edition_;
};
