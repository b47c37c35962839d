#pragma once

#include <QFont>

// The trainer's one typeface: 宋体 (SimSun) where it exists, otherwise a Song-style CJK font, so
// that every Chinese caption renders.
namespace SongFont {

QFont make(double points, bool bold = false);

} // namespace SongFont
