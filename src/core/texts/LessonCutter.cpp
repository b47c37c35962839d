#include "texts/LessonCutter.h"

#include <QList>

#include <cstdlib>

namespace {

// A stretch of text between two places where a lesson may end.
struct Piece {
    QStringView text;
    bool endsSentence = false;
};

bool isClosing(QChar c) {
    return c == u'"' || c == u'\'' || c == u')';
}

// Where the sentence that may end at `at` (a '.', '?' or '!') really ends: after the closing
// quotes and brackets that follow it, when a space or the line's end comes next. -1 otherwise.
qsizetype sentenceEnd(QStringView line, qsizetype at) {
    const QChar c = line[at];
    if (c != u'.' && c != u'?' && c != u'!')
        return -1;
    qsizetype end = at + 1;
    while (end < line.size() && isClosing(line[end]))
        ++end;
    return end == line.size() || line[end] == u' ' ? end : -1;
}

// A sentence too long for one lesson, in parts of nearly equal length ending at spaces.
void splitLong(QStringView text, bool endsSentence, QList<Piece>& pieces) {
    const qsizetype parts =
        (text.size() + LessonCutter::targetLength - 1) / LessonCutter::targetLength;
    const qsizetype aim = (text.size() + parts - 1) / parts;
    while (text.size() > LessonCutter::longest) {
        qsizetype cut = text.lastIndexOf(u' ', aim);
        if (cut <= 0) {
            cut = text.first(LessonCutter::longest + 1).indexOf(u' ', aim);
            if (cut < 0)
                cut = aim; // one word longer than a lesson
        }
        pieces.append({text.first(cut).trimmed(), false});
        text = text.sliced(cut).trimmed();
    }
    if (!text.isEmpty())
        pieces.append({text, endsSentence});
}

void addPiece(QStringView text, bool endsSentence, QList<Piece>& pieces) {
    text = text.trimmed();
    if (text.isEmpty())
        return;
    if (text.size() > LessonCutter::longest)
        splitLong(text, endsSentence, pieces);
    else
        pieces.append({text, endsSentence});
}

QList<Piece> piecesOf(QStringView text) {
    QList<Piece> pieces;
    for (const QStringView line : text.tokenize(u'\n', Qt::SkipEmptyParts)) {
        qsizetype start = 0;
        for (qsizetype i = 0; i < line.size(); ++i) {
            const qsizetype end = sentenceEnd(line, i);
            if (end < 0)
                continue;
            addPiece(line.sliced(start, end - start), true, pieces);
            start = end;
            i = end;
        }
        addPiece(line.sliced(start), false, pieces);
    }
    return pieces;
}

// The best place to end a lesson among those offered: the one nearest the target length.
class Choice {
public:
    void offer(qsizetype pieces, qsizetype length) {
        if (pieces_ == 0 || distance(length) < distance(length_)) {
            pieces_ = pieces;
            length_ = length;
        }
    }
    qsizetype pieces() const { return pieces_; }

private:
    static qsizetype distance(qsizetype length) {
        return std::abs(length - LessonCutter::targetLength);
    }
    qsizetype pieces_ = 0;
    qsizetype length_ = 0;
};

// How many pieces from `first` on the next lesson takes.
qsizetype lessonPieces(const QList<Piece>& pieces, qsizetype first) {
    Choice atSentence, atLine;
    qsizetype fitting = 0;
    qsizetype length = -1; // no space before the first piece
    for (qsizetype i = first; i < pieces.size(); ++i) {
        length += 1 + pieces[i].text.size();
        if (length > LessonCutter::longest)
            break;
        fitting = i - first + 1;
        if (length < LessonCutter::shortest)
            continue;
        if (pieces[i].endsSentence)
            atSentence.offer(fitting, length);
        else
            atLine.offer(fitting, length);
    }
    if (first + fitting == pieces.size())
        return fitting; // the rest fits in one lesson
    if (atSentence.pieces() > 0)
        return atSentence.pieces();
    return atLine.pieces() > 0 ? atLine.pieces() : fitting;
}

} // namespace

QStringList LessonCutter::cut(QStringView text) {
    const QList<Piece> pieces = piecesOf(text);
    QStringList lessons;
    for (qsizetype first = 0; first < pieces.size();) {
        const qsizetype count = lessonPieces(pieces, first);
        QString lesson;
        for (qsizetype i = first; i < first + count; ++i) {
            if (!lesson.isEmpty())
                lesson += u' ';
            lesson += pieces[i].text;
        }
        lessons.append(lesson);
        first += count;
    }
    return lessons;
}
