#include "course/LessonTextMaker.h"

#include "course/SeededDraw.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

double weightOf(const LessonTextMaker::KeyWeight& weight, QChar c) {
    return weight ? std::max(0.0, weight(c)) : 1.0;
}

// Words to draw from, each in proportion to the mean weight of its letters' keys.
struct Pool {
    std::vector<const QByteArray*> words;
    std::vector<double> sums;

    void add(const QByteArray& word, const LessonTextMaker::KeyWeight& weight) {
        double w = 1;
        if (weight) {
            w = 0;
            for (const char c : word)
                w += weightOf(weight, QLatin1Char(c));
            w /= double(word.size());
        }
        words.push_back(&word);
        sums.push_back((sums.empty() ? 0 : sums.back()) + std::max(w, 1e-6));
    }
    int size() const { return int(words.size()); }
    QString pick(SeededDraw& draw) const {
        const int i = draw.weighted(sums);
        return i < 0 ? QString() : QString::fromLatin1(*words[std::size_t(i)]);
    }
};

// A short group of letters ("ffj", "jdk") from an alphabet, holding `featured` when it is given.
QString group(const QString& alphabet, QChar featured, SeededDraw& draw,
              const LessonTextMaker::KeyWeight& weight) {
    std::vector<double> sums;
    for (const QChar c : alphabet)
        sums.push_back((sums.empty() ? 0 : sums.back()) + std::max(weightOf(weight, c), 1e-6));
    const int size = 2 + draw.below(3);
    QString text;
    for (int i = 0; i < size; ++i)
        text += alphabet.at(std::max(0, draw.weighted(sums)));
    if (!featured.isNull() && !text.contains(featured))
        text[draw.below(size)] = featured;
    return text;
}

bool isLetter(QChar c) {
    return c >= QLatin1Char('a') && c <= QLatin1Char('z');
}

// How a punctuation character stands with words: after one, between two, before one, around one,
// or as one of a pair of brackets.
enum class Place { After, Between, Before, Around, Open, Close };

Place placeOf(QChar c) {
    switch (c.toLatin1()) {
    case '/':
    case '-':
    case '_':
    case '=':
    case '+':
    case '@':
    case '&':
    case '\\':
    case '|':
        return Place::Between;
    case '#':
    case '$':
    case '~':
    case '^':
        return Place::Before;
    case '\'':
    case '"':
    case '`':
    case '*':
        return Place::Around;
    case '(':
    case '[':
    case '{':
    case '<':
        return Place::Open;
    case ')':
    case ']':
    case '}':
    case '>':
        return Place::Close;
    default: // ; , . : ? ! %
        return Place::After;
    }
}

QChar partnerOf(QChar c) {
    const QString open = QStringLiteral("([{<");
    const QString close = QStringLiteral(")]}>");
    if (const qsizetype i = open.indexOf(c); i >= 0)
        return close.at(i);
    if (const qsizetype i = close.indexOf(c); i >= 0)
        return open.at(i);
    return c;
}

// The pieces a 键位 text is made of, for one lesson.
class KeysLesson {
public:
    KeysLesson(const CourseLesson& lesson, const WordList& words,
               const LessonTextMaker::KeyWeight& weight, SeededDraw& draw)
        : weight_(weight), draw_(draw) {
        std::uint32_t newLetters = 0;
        for (const QChar c : lesson.keys) {
            if (isLetter(c)) {
                taughtLetters_ |= 1u << (c.unicode() - 'a');
                alphabet_ += c;
            } else if (c.isDigit()) {
                digits_ += c;
            }
        }
        for (const QChar c : lesson.newKeys)
            if (isLetter(c))
                newLetters |= 1u << (c.unicode() - 'a');
        for (const QChar c :
             QStringView(lesson.keys).first(lesson.keys.size() - lesson.newKeys.size()))
            if (!isLetter(c))
                earlierSigns_ += c;
        for (const WordList::Word& word : words.words()) {
            if ((word.letters & ~taughtLetters_) || word.text.size() > LessonTextMaker::longestWord)
                continue;
            taught_.add(word.text, weight);
            if (!(word.letters & newLetters))
                review_.add(word.text, weight);
        }
        for (const QChar c : alphabet_)
            if (!(newLetters & (1u << (c.unicode() - 'a'))))
                reviewAlphabet_ += c;
        if (reviewAlphabet_.isEmpty())
            reviewAlphabet_ = alphabet_;
    }

    // A word or group holding the new key c.
    QString featuring(QChar c) {
        if (isLetter(c))
            return letterToken(c);
        if (c.isUpper())
            return capitalised(c);
        if (c.isDigit())
            return number(c);
        return decorated(c);
    }

    // A word or group of the keys taught before, now and then with a sign taught earlier.
    QString review() {
        if (!earlierSigns_.isEmpty() && draw_.chance(0.25))
            return featuring(earlierSigns_.at(draw_.below(int(earlierSigns_.size()))));
        return plainWord();
    }

private:
    QString plainWord() {
        if (review_.size() >= LessonTextMaker::enoughWords)
            return review_.pick(draw_);
        return group(reviewAlphabet_, QChar(), draw_, weight_);
    }

    QString letterToken(QChar c) {
        Pool& pool = withLetter(c);
        if (pool.size() >= LessonTextMaker::enoughWords)
            return pool.pick(draw_);
        return group(alphabet_, c, draw_, weight_);
    }

    QString capitalised(QChar capital) {
        const QChar small = capital.toLower();
        Pool& pool = startingWith(small);
        QString word =
            pool.size() > 0 ? pool.pick(draw_) : group(alphabet_, QChar(), draw_, weight_);
        word[0] = capital;
        return word;
    }

    QString number(QChar digit) {
        const int size = 2 + draw_.below(3);
        QString text;
        for (int i = 0; i < size; ++i)
            text += digits_.at(draw_.below(int(digits_.size())));
        if (!text.contains(digit))
            text[draw_.below(size)] = digit;
        return text;
    }

    QString anyWord() {
        if (taught_.size() >= LessonTextMaker::enoughWords)
            return taught_.pick(draw_);
        return group(alphabet_, QChar(), draw_, weight_);
    }

    QString decorated(QChar sign) {
        // Percent and dollar signs go with numbers once digits are taught.
        const bool withNumber = !digits_.isEmpty() && (sign == u'%' || sign == u'$');
        const QString word = withNumber ? number(digits_.at(0)) : anyWord();
        switch (placeOf(sign)) {
        case Place::After:
            return word + sign;
        case Place::Between:
            return word + sign + anyWord();
        case Place::Before:
            return sign + word;
        case Place::Around:
            return sign + word + sign;
        case Place::Open:
            return sign + word + partnerOf(sign);
        case Place::Close:
            return partnerOf(sign) + word + sign;
        }
        return word;
    }

    Pool& withLetter(QChar c) {
        Pool& pool = byLetter_[c.unicode() - 'a'];
        if (!filled_[c.unicode() - 'a']) {
            filled_[c.unicode() - 'a'] = true;
            for (std::size_t i = 0; i < taught_.words.size(); ++i)
                if (taught_.words[i]->contains(char(c.unicode())))
                    pool.add(*taught_.words[i], weight_);
        }
        return pool;
    }

    Pool& startingWith(QChar c) {
        Pool& pool = byFirst_[c.unicode() - 'a'];
        if (!firstFilled_[c.unicode() - 'a']) {
            firstFilled_[c.unicode() - 'a'] = true;
            for (const QByteArray* word : taught_.words)
                if (word->startsWith(char(c.unicode())))
                    pool.add(*word, weight_);
        }
        return pool;
    }

    const LessonTextMaker::KeyWeight& weight_;
    SeededDraw& draw_;
    std::uint32_t taughtLetters_ = 0;
    QString alphabet_;       // the letters taught
    QString reviewAlphabet_; // the letters taught before this lesson
    QString digits_;
    QString earlierSigns_; // capitals, digits and punctuation of earlier lessons
    Pool taught_;
    Pool review_;
    std::array<Pool, 26> byLetter_;
    std::array<bool, 26> filled_{};
    std::array<Pool, 26> byFirst_;
    std::array<bool, 26> firstFilled_{};
};

// Appends a token with a space before it; false once the text is long enough.
bool append(QString& text, const QString& token) {
    if (!text.isEmpty())
        text += QLatin1Char(' ');
    text += token;
    return text.size() < LessonTextMaker::length;
}

QString capitalFirst(QString word) {
    if (!word.isEmpty())
        word[0] = word[0].toUpper();
    return word;
}

} // namespace

QString LessonTextMaker::make(const CourseLesson& lesson, std::uint32_t seed,
                              const KeyWeight& weight) const {
    switch (lesson.kind) {
    case CourseLesson::Kind::Keys:
        return keysText(lesson, seed, weight);
    case CourseLesson::Kind::Words:
        return wordsText(lesson, seed, weight);
    default:
        return lesson.text;
    }
}

QString LessonTextMaker::keysText(const CourseLesson& lesson, std::uint32_t seed,
                                  const KeyWeight& weight) const {
    SeededDraw draw(seed);
    KeysLesson pieces(lesson, words_, weight, draw);
    // The new keys are featured in turn, the weaker ones more often; about every other word
    // features one, unless all keys are new.
    std::vector<double> newSums;
    for (const QChar c : lesson.newKeys)
        newSums.push_back((newSums.empty() ? 0 : newSums.back()) +
                          std::max(weightOf(weight, c), 1e-6));
    const bool allNew = lesson.newKeys.size() == lesson.keys.size();
    QString text;
    int featured = 0;
    int reviewed = 0;
    for (bool more = true; more;) {
        // Half and half, with a little chance so that the pattern does not show.
        const bool feature =
            allNew || (featured <= reviewed && (featured < reviewed || draw.chance(0.5)));
        if (feature) {
            ++featured;
            more = append(text, pieces.featuring(lesson.newKeys.at(draw.weighted(newSums))));
        } else {
            ++reviewed;
            more = append(text, pieces.review());
        }
    }
    return text;
}

QString LessonTextMaker::wordsText(const CourseLesson& lesson, std::uint32_t seed,
                                   const KeyWeight& weight) const {
    SeededDraw draw(seed);
    Pool pool;
    for (const WordList::Word& word : words_.words())
        if (word.text.size() >= lesson.shortest && word.text.size() <= lesson.longest)
            pool.add(word.text, weight);
    if (pool.size() == 0)
        return QString();

    QString text;
    if (!lesson.capitals) {
        while (append(text, pool.pick(draw))) {
        }
        return text;
    }
    // Sentences of four to nine words, the first one capitalised and now and then another; with
    // digits and punctuation also numbers, commas and the other signs of running text.
    const QString ends = lesson.digitsAndPunctuation ? QStringLiteral("..?!") : QStringLiteral(".");
    bool more = true;
    while (more) {
        const int words = 4 + draw.below(6);
        for (int i = 0; i < words && more; ++i) {
            QString word = pool.pick(draw);
            if (i == 0 || draw.chance(0.12))
                word = capitalFirst(word);
            if (lesson.digitsAndPunctuation && i > 0) {
                if (draw.chance(0.12)) {
                    const int value = 1 + draw.below(draw.chance(0.5) ? 12 : 2030);
                    const QString number = QString::number(value);
                    const QString forms[] = {number, number + QLatin1Char('%'),
                                             QLatin1Char('$') + number,
                                             number + QStringLiteral(".5")};
                    word = forms[draw.below(4)];
                } else if (draw.chance(0.06)) {
                    const QString marks[] = {QStringLiteral("\"%1\""), QStringLiteral("(%1)"),
                                             QStringLiteral("'%1'"), QStringLiteral("%1-")};
                    word = marks[draw.below(4)].arg(word);
                    if (word.endsWith(QLatin1Char('-')))
                        word += pool.pick(draw);
                }
            }
            const bool last = i == words - 1 || text.size() + word.size() + 1 >= length;
            if (last)
                word += ends.at(draw.below(int(ends.size())));
            else if (lesson.digitsAndPunctuation && draw.chance(0.12))
                word += draw.chance(0.8) ? QLatin1Char(',') : QLatin1Char(';');
            more = append(text, word);
            if (last)
                break;
        }
    }
    return text;
}
