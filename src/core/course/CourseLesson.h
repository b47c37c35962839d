#pragma once

#include <QList>
#include <QString>

// One lesson of the course: what it practises, how its text is made and what passes it.
struct CourseLesson {
    // How the lesson's text is made.
    enum class Kind {
        Keys,   // the keys taught so far, leaning on the new ones
        Words,  // English words of some lengths, perhaps with capitals, digits, punctuation
        Text,   // a fixed text: a lesson of the learner's own texts
        Pinyin, // Chinese characters or words typed as their pinyin
        Verses, // a Wubi root mnemonic shown, its key struck
        Wubi,   // Chinese characters or words typed as their Wubi 86 codes
    };
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
    // A fixed text, or for the Chinese stages the group of entries the lesson draws from.
    QString text;
    int from = 0;
    int count = 0;

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
};
