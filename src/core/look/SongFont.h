#pragma once

#include <QFont>
#include <QString>

// The trainer's one typeface: 宋体 (SimSun) where it exists, otherwise a Song-style CJK font, so
// that every Chinese caption renders.
//
// The build may cut the program's own small Song font out of the system's (only the characters
// the program shows) and put it beside the executable: a full CJK font keeps megabytes resident
// just for being open. When it is there it comes first; characters it lacks fall back to the
// full fonts after it.
namespace SongFont {

// The family name and the file name of the program's own cut.
inline const QString ownFamily = QStringLiteral("Keyvora Song");
inline const QString ownFile = QStringLiteral("keyvora-song.ttf");

// Makes the program's own cut available to every font made after; false when the file is
// missing or not a font (the full fonts are then used alone).
bool addOwnFont(const QString& path);

// The cut of the course's Chinese characters, a family of its own that the fonts made after
// addCourseFont() fall back to before the full fonts. Only the course window shows them, so it
// is added when that window is first made, and the main window's font stays small.
inline const QString courseFamily = QStringLiteral("Keyvora Song Course");
inline const QString courseFile = QStringLiteral("keyvora-song-course.ttf");
bool addCourseFont(const QString& path);

QFont make(double points, bool bold = false);

} // namespace SongFont
