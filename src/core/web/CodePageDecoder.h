#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Decodes the Chinese legacy charsets GB2312, GBK and GB18030 where Qt itself cannot: a Qt built
// without ICU, as on Windows, knows only the Unicode charsets and Latin-1. On Windows the
// system's own code page 936 (GBK) does it; GB18030 is read through it too, which covers its
// one- and two-byte part, all but a few rare characters. Elsewhere Qt's decoders (through ICU)
// are all there is.
namespace CodePageDecoder {

// What becomes of a byte sequence the code page does not define.
enum class Invalid {
    Replace, // the system's stand-in character takes its place
    Refuse,  // the whole text is refused
};

// The text, or nothing when the charset is not one of these, the platform cannot decode it or
// an invalid sequence was refused.
std::optional<QString> decode(const QByteArray& data, const QByteArray& charset,
                              Invalid invalid = Invalid::Replace);

} // namespace CodePageDecoder
