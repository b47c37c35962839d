#pragma once

#include <QStringList>
#include <QStringView>

// Cuts a typeable text (TypeableText: words single-spaced in lines) into lessons of about
// targetLength characters. A lesson ends at a sentence end (". ", "? ", "! ", also after a
// closing quote or bracket, or at the end of a line) or, failing one in reach, at a line end,
// choosing the one nearest targetLength between shortest and longest characters; a rest that
// fits in longest stays whole. A sentence longer than longest is cut at word boundaries into
// nearly equal parts (a word longer than targetLength is cut where it must be). Within a lesson
// line ends become single spaces. No lesson is empty, starts or ends with a space, or exceeds
// longest; the same text always gives the same lessons.
class LessonCutter {
public:
    static constexpr qsizetype targetLength = 300;
    static constexpr qsizetype shortest = 200;
    static constexpr qsizetype longest = 400;

    static QStringList cut(QStringView text);
};
