#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Decodes the Chinese legacy charsets GB2312 and GBK where Qt itself cannot: a Qt built
// without ICU, as on Windows, knows only the Unicode charsets and Latin-1. On Windows the
// system's own code pages do it; elsewhere Qt's decoders (through ICU) are all there is.
namespace CodePageDecoder {

// The text, or nothing when the charset is not one of these or the platform cannot decode it.
std::optional<QString> decode(const QByteArray& data, const QByteArray& charset);

} // namespace CodePageDecoder
