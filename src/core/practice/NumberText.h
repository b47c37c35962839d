#pragma once

#include <QString>

// How numbers are read back from label texts and settings lines, and how they are written.
namespace NumberText {

// Skips leading blanks and takes the longest numeric prefix (sign, digits, decimal point,
// exponent); a text without one gives 0. "  3" is 3, "3abc" is 3, "2.5" is 2.5, "abc" is 0.
double leadingNumber(const QString& text);

// Rounds to a whole number, halves to the even neighbour (62.5 gives 62, 3.5 gives 4).
double roundHalfEven(double value);

// The signed-number style: a blank in the sign position of a number that is not negative.
// 7 gives " 7", 0 gives " 0", -3 gives "-3", 12.5 gives " 12.5".
QString signedText(double value);

// Fixed two-digit form with a leading zero: 5 gives "05".
QString twoDigits(int value);

} // namespace NumberText
