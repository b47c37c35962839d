#include "texts/TypeableText.h"

#include <QList>

namespace {

bool isLineEnd(char32_t c) {
    return c == u'\n' || c == u'\r' || c == 0x2028 || c == 0x2029;
}

bool isLetterOrDigit(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// The ASCII characters 0x21..0x7e as one string, so a counterpart can be a view into it.
constexpr char printableAscii[] = "!\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ["
                                  "\\]^_`abcdefghijklmnopqrstuvwxyz{|}~";
static_assert(sizeof printableAscii == 0x7f - 0x21 + 1);

// What ends a word: white space, a line end, or a character left out that touches it.
enum class WordEnd { AtSpace, AtLeftOut };

// One line being built: its words so far and the word being read, kept as the counterparts of
// its characters, one each. A counterpart is all letters and digits or all punctuation.
class LineBuilder {
public:
    explicit LineBuilder(TypeableText::Result& result) : result_(result) {}

    void add(char32_t c) {
        const QLatin1StringView ascii = TypeableText::counterpart(c);
        if (!ascii.isEmpty()) {
            if (word_.isEmpty())
                touchedBefore_ = afterLeftOut_;
            word_.append(ascii);
            return;
        }
        ++result_.leftOut;
        if (QChar::script(c) == QChar::Script_Latin || QChar::isMark(c))
            return;
        endWord(WordEnd::AtLeftOut);
        afterLeftOut_ = true;
    }

    void space() {
        endWord(WordEnd::AtSpace);
        afterLeftOut_ = false;
    }

    void endLine() {
        space();
        if (line_.isEmpty())
            return;
        if (!result_.text.isEmpty())
            result_.text += u'\n';
        result_.text += line_;
        line_.clear();
    }

private:
    static bool isPunctuation(QLatin1StringView counterpart) {
        return !isLetterOrDigit(counterpart.front().toLatin1());
    }

    void endWord(WordEnd wordEnd) {
        qsizetype first = 0;
        qsizetype end = word_.size();
        if (touchedBefore_)
            while (first < end && isPunctuation(word_[first]))
                ++first;
        if (wordEnd == WordEnd::AtLeftOut)
            while (end > first && isPunctuation(word_[end - 1]))
                --end;
        result_.leftOut += word_.size() - (end - first);
        result_.kept += end - first;
        if (end > first && !line_.isEmpty())
            line_ += u' ';
        for (qsizetype i = first; i < end; ++i)
            line_ += word_[i];
        word_.clear();
        touchedBefore_ = false;
    }

    TypeableText::Result& result_;
    QString line_;
    QList<QLatin1StringView> word_;
    bool touchedBefore_ = false; // the word began right after a character left out
    bool afterLeftOut_ = false;  // the last character but punctuation read was left out
};

} // namespace

TypeableText::Result TypeableText::from(QStringView source) {
    Result result;
    if (isTypeable(source)) {
        result.text = source.toString();
        result.kept = source.size() - source.count(u' ') - source.count(u'\n');
        return result;
    }
    result.text.reserve(source.size());
    LineBuilder line(result);
    for (qsizetype i = 0; i < source.size(); ++i) {
        char32_t c = source[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < source.size() && source[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(source[i], source[i + 1]);
            ++i;
        }
        if (isLineEnd(c))
            line.endLine();
        else if (QChar::isSpace(c))
            line.space();
        else
            line.add(c);
    }
    line.endLine();
    return result;
}

bool TypeableText::isTypeable(QStringView text) {
    // A space or line end neither at the start, nor at the end, nor after another.
    char16_t previous = u'\n';
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        if (unit == u' ' || unit == u'\n') {
            if (previous == u' ' || previous == u'\n')
                return false;
        } else if (unit < 0x21 || unit > 0x7e) {
            return false;
        }
        previous = unit;
    }
    return text.isEmpty() || (previous != u' ' && previous != u'\n');
}

QLatin1StringView TypeableText::counterpart(char32_t c) {
    const auto ascii = [](char32_t a) { return QLatin1StringView(printableAscii + (a - 0x21), 1); };
    if (c >= 0x21 && c <= 0x7e)
        return ascii(c);
    if (c >= 0xff01 && c <= 0xff5e) // the full-width forms of the same characters, in order
        return ascii(c - 0xff01 + 0x21);
    switch (c) {
    case 0x3001: // 、
        return ascii(',');
    case 0x3002: // 。
        return ascii('.');
    case 0x300a: // 《
        return ascii('<');
    case 0x300b: // 》
        return ascii('>');
    case 0x2013: // en dash
    case 0x2014: // em dash
        return ascii('-');
    case 0x2018: // ‘
    case 0x2019: // ’
        return ascii('\'');
    case 0x201c: // “
    case 0x201d: // ”
        return ascii('"');
    case 0x2026: // …
        return QLatin1StringView("...");
    default:
        return QLatin1StringView();
    }
}
