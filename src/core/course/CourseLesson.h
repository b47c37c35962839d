#pragma once

#include <QList>
#include <QString>

// One lesson of the course: what it practises, how its text is made and what passes it.
struct CourseLesson {
    // How the lesson's text is made.
    enum class Kind {
        Keys,      // the keys taught so far, leaning on the new ones
        Words,     // English words of some lengths, perhaps with capitals, digits, punctuation
        Text,      // a fixed text: a lesson of the learner's own texts
        Syllables, // pinyin syllables of some initials or finals
        Pinyin,    // Chinese characters, words or phrases typed as their pinyin
        Verses,    // a Wubi root mnemonic shown, its key struck
        Wubi,      // Chinese characters or words typed as their Wubi 86 codes
    };
    // Which entries of the Chinese tables a lesson draws from.
    enum class Source { None, Characters, Words, Phrases, KeyNames, OneKey, TwoKeys };
    // What the speed mark counts: keys a minute (个/分) or Chinese characters a minute (字/分).
    enum class Unit { Keys, Characters };

    QString id;     // stable: progress and records keep it ("keys-01", "english-03", ...)
    QString stage;  // the stage's id
    QString name;   // as the course list shows it after the number ("f j")
    int number = 0; // 1-based within its stage
    Kind kind = Kind::Keys;

    // Keys and words: the characters the text may hold, and those new in this lesson.
    QString keys;
    QString newKeys;
    // Words: the range of word lengths, and what is mixed in.
    int shortest = 0;
    int longest = 0;
    bool capitals = false;
    bool digitsAndPunctuation = false;
    // A fixed text.
    QString text;
    // The Chinese stages: the entries drawn from (`count` of them from index `from` of the source),
    // how many an attempt holds, and for syllables and verses which ones (a pattern's name, or the
    // keys of a zone).
    Source source = Source::None;
    int from = 0;
    int count = 0;
    int items = 0;
    QString pattern;

    // The pass marks: accuracy in %, and the speed in the lesson's unit a minute.
    int passAccuracy = 95;
    int passSpeed = 0;
    Unit unit = Unit::Keys;
};

// A stage of the course: its lessons in order.
struct CourseStage {
    QString id;
    QString name;
    QList<CourseLesson> lessons;
    // Lessons open from the start, whatever was passed (the learner's own texts).
    bool alwaysOpen = false;
    // The lesson whose pass opens this stage's first lesson; empty: the lesson before it in the
    // course.
    QString opensAfter;
};
