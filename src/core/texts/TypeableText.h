#pragma once

#include <QLatin1StringView>
#include <QString>
#include <QStringView>

// A text made into what a US keyboard types: printable ASCII in lines.
//  - Full-width and typographic punctuation becomes its ASCII counterpart (，→ "," 。→ "."
//    、→ "," 《》→ "<" ">" — and – → "-" … → "..." “” → '"' ‘’ → "'"), as does the whole
//    full-width ASCII block (U+FF01..U+FF5E).
//  - Any white space within a line (the no-break and the ideographic space included) separates
//    words; words are joined by one space, and a line starts and ends with a word. Lines without
//    a word are dropped; the lines kept are joined by '\n'.
//  - Every other character is left out. An accented Latin letter (or a combining accent) just
//    drops out of its word. Any other one (a Chinese character, an emoji, a symbol) separates
//    words as a space would, and the punctuation on the side of a word that touched it goes
//    with it: "apple 苹果；banana" gives "apple banana", and a Chinese sentence leaves no string
//    of commas and stops behind.
// Characters are counted in code points, so an emoji counts once.
class TypeableText {
public:
    struct Result {
        QString text;
        qsizetype kept = 0;    // characters of the source that the text holds, as counterparts
        qsizetype leftOut = 0; // characters of the source, other than white space, that it does not
    };

    static Result from(QStringView source);

    // Whether the text is already what from() makes of it (a stored text is); from() then
    // only copies it.
    static bool isTypeable(QStringView text);

    // What a character becomes: itself for printable ASCII, the counterpart for the punctuation
    // above; empty for white space and for characters that are left out.
    static QLatin1StringView counterpart(char32_t c);
};
