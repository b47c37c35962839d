#pragma once

#include "course/CourseLesson.h"

// The stages that teach the keys and then English text: which keys each lesson adds, in the order
// touch typists learn them, and what passes it.
namespace KeyCurriculum {

// 键位: the home row from the index fingers out (f j, d k, s l, a ;, g h), the top row finger by
// finger, the bottom row, the capitals with the other hand's Shift, the digits, then punctuation
// and symbols. Each lesson's keys are those of every lesson before it and its own.
CourseStage keysStage();

// 英文: words graded by length, then sentences with capitals, then digits and punctuation too.
CourseStage englishStage();

// The characters a lesson text may hold besides the space, in the order they are taught.
QString everyKey();

} // namespace KeyCurriculum
