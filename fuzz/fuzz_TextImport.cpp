// Arbitrary bytes as a learner's text file, and the same bytes as UTF-16 units (unpaired
// surrogates included) as the clipboard's text, through decoding, making typeable and cutting
// into lessons. Any input must give either a problem with a message and nothing else, or lessons
// of printable ASCII that are neither empty nor too long and hold the whole typeable text, with
// a count of what was left out that adds up.

#include "Require.h"

#include "texts/LessonCutter.h"
#include "texts/TextDecoder.h"
#include "texts/TextImport.h"
#include "texts/TypeableText.h"

#include <QString>

#include <cstdint>
#include <cstring>

namespace {

bool isPrintableAscii(QChar c) {
    return c.unicode() >= 0x20 && c.unicode() <= 0x7e;
}

// Single-spaced printable ASCII that neither starts nor ends with a space.
bool isSpacedAscii(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!isPrintableAscii(text[i]))
            return false;
        if (text[i] == u' ' && (i == 0 || i + 1 == text.size() || text[i + 1] == u' '))
            return false;
    }
    return !text.isEmpty();
}

// Code points that are not white space, an unpaired surrogate counting as one.
qsizetype nonSpaceCodePoints(QStringView text) {
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        count += !QChar::isSpace(c);
    }
    return count;
}

void checkTypeable(QStringView source) {
    const TypeableText::Result typeable = TypeableText::from(source);
    require(typeable.kept + typeable.leftOut == nonSpaceCodePoints(source),
            "kept and left out do not add up to the source");
    require(typeable.kept <= typeable.text.size(), "more kept than typed");
    if (!typeable.text.isEmpty())
        for (const QStringView line : QStringView(typeable.text).tokenize(u'\n'))
            require(isSpacedAscii(line), "a line is not single-spaced printable ASCII");
    const TypeableText::Result again = TypeableText::from(typeable.text);
    require(again.text == typeable.text && again.leftOut == 0, "a typeable text changes again");
    require(TypeableText::isTypeable(typeable.text), "a typeable text is not taken as one");
    require(TypeableText::isTypeable(source) == (typeable.text == source),
            "a text taken as typeable is not what it makes, or the other way round");
}

void checkResult(const TextImport::Result& result, qint64 sourceBytes) {
    require(!result.message.isEmpty(), "no message");
    if (!result.ok()) {
        require(result.lessons.isEmpty() && result.text.isEmpty() && result.leftOut == 0,
                "a refused text made something");
        require(result.problem != TextImport::Problem::TooLarge ||
                    sourceBytes > TextImport::maxBytes,
                "a text within the limit refused as too large");
        return;
    }
    require(!result.lessons.isEmpty(), "a good text made no lesson");
    QString joined;
    for (const QString& lesson : result.lessons) {
        require(isSpacedAscii(lesson), "a lesson is not single-spaced printable ASCII");
        require(lesson.size() <= LessonCutter::longest, "a lesson is too long");
        joined += lesson;
    }
    require(joined.remove(u' ') == QString(result.text).remove(u' ').remove(u'\n'),
            "the lessons do not hold the typeable text");
    require(result.leftOut >= 0, "a negative count");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const TextImport::Result file = TextImport::fromBytes(bytes);
    checkResult(file, bytes.size());
    const TextDecoder::Decoded decoded = TextDecoder::decode(bytes);
    if (decoded.status == TextDecoder::Status::Text) {
        checkTypeable(decoded.text);
        if (file.ok())
            require(file.encoding == decoded.encoding &&
                        file.leftOut == TypeableText::from(decoded.text).leftOut,
                    "the import and its parts disagree");
    } else {
        require(!file.ok(), "a text that does not decode was taken");
    }

    // Copied unit by unit: the input need not be aligned for char16_t.
    QString clipboard(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(clipboard.data(), data, std::size_t(clipboard.size()) * 2);
    const TextImport::Result pasted = TextImport::fromClipboard(clipboard);
    checkResult(pasted, clipboard.toUtf8().size());
    checkTypeable(clipboard);
    require(pasted.ok() || pasted.problem != TextImport::Problem::Undecodable,
            "the clipboard's text called undecodable");
    return 0;
}
