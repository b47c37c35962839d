#include "texts/TextDecoder.h"

#include "web/CodePageDecoder.h"

#include <QStringDecoder>

#include <optional>

namespace {

bool isControl(char16_t c) {
    return (c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r') || (c >= 0x7f && c <= 0x9f);
}

// A UTF-16 decoder takes an unpaired surrogate as it is; here it makes the text invalid.
bool hasUnpairedSurrogate(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            return true;
    }
    return false;
}

// The whole text, or nothing when any sequence in it is invalid. A BOM left after the one the
// rule took off stays in the text as a character.
std::optional<QString> decodeStrictly(QStringDecoder::Encoding encoding, QByteArrayView bytes) {
    if (encoding != QStringDecoder::Utf8 && bytes.size() % 2 != 0)
        return std::nullopt;
    QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless |
                                         QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    if (decoder.hasError() || hasUnpairedSurrogate(text))
        return std::nullopt;
    return text;
}

// Qt's GB18030 decoder where Qt has ICU; otherwise the system's code page 936 (Windows).
std::optional<QString> decodeGb18030(const QByteArray& bytes) {
    QStringDecoder decoder("GB18030", QStringDecoder::Flag::Stateless);
    if (!decoder.isValid())
        return CodePageDecoder::decode(bytes, "gb18030", CodePageDecoder::Invalid::Refuse);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

// ASCII control bytes stand for themselves in UTF-8 and GB18030 (no multi-byte sequence holds
// one), so a file can be told binary before either is tried.
bool hasControlByte(const QByteArray& bytes) {
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80 && isControl(byte))
            return true;
    }
    return false;
}

} // namespace

TextDecoder::Decoded TextDecoder::decode(const QByteArray& bytes) {
    struct Bom {
        QByteArrayView mark;
        QStringDecoder::Encoding decoder;
        TextEncoding encoding;
    };
    static const Bom boms[] = {
        {"\xEF\xBB\xBF", QStringDecoder::Utf8, TextEncoding::Utf8WithBom},
        {"\xFF\xFE", QStringDecoder::Utf16LE, TextEncoding::Utf16Le},
        {"\xFE\xFF", QStringDecoder::Utf16BE, TextEncoding::Utf16Be},
    };
    Decoded result;
    std::optional<QString> text;
    for (const Bom& bom : boms) {
        if (bytes.startsWith(bom.mark)) {
            result.encoding = bom.encoding;
            text = decodeStrictly(bom.decoder, QByteArrayView(bytes).sliced(bom.mark.size()));
            break;
        }
    }
    if (result.encoding == TextEncoding::None) {
        if (hasControlByte(bytes)) {
            result.status = Status::Binary;
            return result;
        }
        text = decodeStrictly(QStringDecoder::Utf8, bytes);
        result.encoding = TextEncoding::Utf8;
        if (!text) {
            text = decodeGb18030(bytes);
            result.encoding = TextEncoding::Gb18030;
        }
    }
    if (!text)
        result.status = Status::Undecodable;
    else if (hasControl(*text))
        result.status = Status::Binary;
    else {
        result.status = Status::Text;
        result.text = std::move(*text);
    }
    return result;
}

bool TextDecoder::hasControl(QStringView text) {
    for (const QChar c : text)
        if (isControl(c.unicode()))
            return true;
    return false;
}

QString TextDecoder::name(TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::None:
        break;
    case TextEncoding::Utf8:
        return QStringLiteral("UTF-8");
    case TextEncoding::Utf8WithBom:
        return QStringLiteral("UTF-8（带 BOM）");
    case TextEncoding::Utf16Le:
        return QStringLiteral("UTF-16 LE");
    case TextEncoding::Utf16Be:
        return QStringLiteral("UTF-16 BE");
    case TextEncoding::Gb18030:
        return QStringLiteral("GB18030/GBK");
    }
    return QString();
}
