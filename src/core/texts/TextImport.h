#pragma once

#include "texts/TextDecoder.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// A learner's own text, from a file or the clipboard, made into lessons: decoded (TextDecoder),
// made typeable (TypeableText) and cut (LessonCutter). Bad input gives a message saying what is
// wrong and nothing else.
class TextImport {
public:
    // Larger texts are refused: a file by its size, before it is read; the clipboard by the size
    // of its text in UTF-8.
    static constexpr qint64 maxBytes = 1024 * 1024;

    enum class Problem {
        None,
        Empty,           // no bytes, or nothing but white space
        TooLarge,        // over maxBytes
        Binary,          // NUL bytes or other control characters
        Undecodable,     // not valid in any encoding accepted
        NothingTypeable, // nothing a US keyboard can type
        Unreadable,      // the file cannot be opened or read
    };

    struct Result {
        Problem problem = Problem::None;
        TextEncoding encoding = TextEncoding::None;
        QString text;          // the typeable text, lines joined by '\n'
        QStringList lessons;   // at least one when there is no problem
        qsizetype leftOut = 0; // characters a US keyboard cannot type, in code points
        QString message;       // for the learner: what went wrong, or how many lessons it made

        bool ok() const { return problem == Problem::None; }
    };

    static Result fromFile(const QString& path);
    static Result fromBytes(const QByteArray& bytes);
    static Result fromClipboard(const QString& text);

    // "分成了 3 课，略去了 12 个美式键盘打不出的字符（如汉字、表情符号）。"
    static QString summary(qsizetype lessons, qsizetype leftOut);
};
