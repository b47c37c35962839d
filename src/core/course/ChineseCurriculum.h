#pragma once

#include "course/CourseLesson.h"

// The stages that lead from the keys to Chinese: 拼音 (initials and finals, then the commonest
// characters, two-character words and short phrases, typed as their pinyin) and 五笔 (the root
// mnemonics zone by zone, then the key-name characters, the one- and two-key codes, the commonest
// characters and two-character words, typed as their Wubi 86 codes). Both open once every letter
// has been taught.
namespace ChineseCurriculum {

CourseStage pinyinStage();
CourseStage wubiStage();

// The five zones of the Wubi keyboard, each its keys in position order: 横 G F D S A, 竖 H J K L
// M, 撇 T R E W Q, 捺 Y U I O P, 折 N B V C X.
const QStringList& zones();

// Whether a syllable belongs to a syllable lesson's pattern.
bool matches(const QString& pattern, const QString& syllable);

} // namespace ChineseCurriculum
