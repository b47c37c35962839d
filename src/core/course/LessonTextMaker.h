#pragma once

#include "course/CourseLesson.h"
#include "course/WordList.h"

#include <QString>

#include <cstdint>
#include <functional>

// Makes the text of a 键位 or 英文 lesson: about `length` characters of the keys the lesson may
// use, drawn anew for every attempt. A 键位 lesson holds its new keys in about half of its words:
// real words where enough of them use only the keys taught, short letter groups ("fj jf ffj") where
// they do not; digits as numbers, capitals at the start of words, punctuation where it stands in
// text. The same lesson, seed and weights always give the same text.
class LessonTextMaker {
public:
    static constexpr int length = 250;
    // Fewer words than this for a key, and letter groups stand in for them.
    static constexpr int enoughWords = 8;
    // A 键位 lesson keeps to words a beginner can take in at a glance.
    static constexpr int longestWord = 7;

    // The weight of a character's key in the draw. Without one, every key weighs the same.
    using KeyWeight = std::function<double(QChar)>;

    explicit LessonTextMaker(const WordList& words) : words_(words) {}

    QString make(const CourseLesson& lesson, std::uint32_t seed,
                 const KeyWeight& weight = {}) const;

private:
    QString keysText(const CourseLesson& lesson, std::uint32_t seed, const KeyWeight& weight) const;
    QString wordsText(const CourseLesson& lesson, std::uint32_t seed,
                      const KeyWeight& weight) const;

    const WordList& words_;
};
