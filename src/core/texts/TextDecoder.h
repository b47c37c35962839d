#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// The encoding a text was read in.
enum class TextEncoding {
    None,        // handed over as text (the clipboard) or not read at all
    Utf8,        // valid UTF-8 throughout, without a BOM
    Utf8WithBom, // UTF-8 after its BOM
    Utf16Le,     // UTF-16, little-endian, after its BOM
    Utf16Be,     // UTF-16, big-endian, after its BOM
    Gb18030,     // GB18030 or its older parts GBK and GB2312 (on Windows read as GBK)
};

// Turns the bytes of a text file into text. A BOM (UTF-8, UTF-16 LE, UTF-16 BE) decides the
// encoding; without one the bytes are UTF-8 when they are valid UTF-8 throughout, otherwise
// GB18030, the encoding of most Chinese Windows text files. No guess is made between other
// single-byte encodings (Windows-1252 and the like): their bytes read as GB18030 or not at all.
class TextDecoder {
public:
    enum class Status {
        Text,
        Binary,      // NUL bytes or other control characters than tab and the line ends
        Undecodable, // a sequence that is invalid in the encoding the rule chose
    };
    struct Decoded {
        Status status = Status::Undecodable;
        TextEncoding encoding = TextEncoding::None;
        QString text; // only for Status::Text
    };

    static Decoded decode(const QByteArray& bytes);

    // Whether the text holds a control character other than tab, CR and LF: C0, DEL or C1.
    static bool hasControl(QStringView text);

    // The encoding's name as the learner knows it ("UTF-8", "GB18030/GBK", ...).
    static QString name(TextEncoding encoding);
};
