#include "texts/TextImport.h"

#include "texts/LessonCutter.h"
#include "texts/TypeableText.h"

#include <QFile>
#include <QFileInfo>

namespace {

enum class Source { File, Clipboard };

QString problemMessage(TextImport::Problem problem, Source source) {
    const bool file = source == Source::File;
    switch (problem) {
    case TextImport::Problem::None:
    case TextImport::Problem::Unreadable:
        break;
    case TextImport::Problem::Empty:
        return file ? QStringLiteral("这个文件是空的（或者只有空白），没有可以练习的文字。")
                    : QStringLiteral("剪贴板里没有文字（或者只有空白）。");
    case TextImport::Problem::TooLarge:
        return file ? QStringLiteral("这个文件超过 1 MB，不能导入。请把要练习的部分另存为一个"
                                     "较小的文件再导入。")
                    : QStringLiteral("剪贴板里的文字超过 1 MB，不能导入。请少复制一些。");
    case TextImport::Problem::Binary:
        return file ? QStringLiteral("这个文件不是文本文件（里面有空字节或控制字符），不能导入。")
                    : QStringLiteral("剪贴板里的内容有控制字符，不是普通文字，不能导入。");
    case TextImport::Problem::Undecodable:
        return QStringLiteral("无法识别这个文件的编码，不能导入。可以导入的是 UTF-8、带 BOM 的 "
                              "UTF-16 和 GB18030/GBK 编码的文本文件。");
    case TextImport::Problem::NothingTypeable:
        return (file ? QStringLiteral("这个文件") : QStringLiteral("剪贴板里的文字")) +
               QStringLiteral("里没有美式键盘能打出的字符（汉字、表情符号等都不能练习），"
                              "没有导入。");
    }
    return QString();
}

TextImport::Result refused(TextImport::Problem problem, Source source) {
    TextImport::Result result;
    result.problem = problem;
    result.message = problemMessage(problem, source);
    return result;
}

TextImport::Result unreadable(const QString& why) {
    TextImport::Result result;
    result.problem = TextImport::Problem::Unreadable;
    result.message = QStringLiteral("无法读取这个文件：%1。").arg(why);
    return result;
}

// From decoded text on, files and the clipboard take the same way.
TextImport::Result fromText(QStringView text, TextEncoding encoding, Source source) {
    if (text.trimmed().isEmpty())
        return refused(TextImport::Problem::Empty, source);
    TypeableText::Result typeable = TypeableText::from(text);
    if (typeable.text.isEmpty())
        return refused(TextImport::Problem::NothingTypeable, source);
    TextImport::Result result;
    result.encoding = encoding;
    result.lessons = LessonCutter::cut(typeable.text);
    result.text = std::move(typeable.text);
    result.leftOut = typeable.leftOut;
    result.message = TextImport::summary(result.lessons.size(), result.leftOut);
    return result;
}

TextImport::Result fromBytes(const QByteArray& bytes, Source source) {
    if (bytes.isEmpty())
        return refused(TextImport::Problem::Empty, source);
    if (bytes.size() > TextImport::maxBytes)
        return refused(TextImport::Problem::TooLarge, source);
    TextDecoder::Decoded decoded = TextDecoder::decode(bytes);
    switch (decoded.status) {
    case TextDecoder::Status::Binary:
        return refused(TextImport::Problem::Binary, source);
    case TextDecoder::Status::Undecodable:
        return refused(TextImport::Problem::Undecodable, source);
    case TextDecoder::Status::Text:
        break;
    }
    return fromText(decoded.text, decoded.encoding, source);
}

} // namespace

TextImport::Result TextImport::fromFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return unreadable(QStringLiteral("文件不存在"));
    if (info.isDir())
        return unreadable(QStringLiteral("这是一个文件夹"));
    // A pipe or a device could keep the read waiting for ever.
    if (!info.isFile())
        return unreadable(QStringLiteral("这不是普通的文件"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (!info.isReadable())
            return unreadable(QStringLiteral("没有读取它的权限"));
        return unreadable(QStringLiteral("打不开它（%1）").arg(file.errorString()));
    }
    // The size decides before anything is read; a file that grows meanwhile is read one byte
    // past the limit at most.
    if (file.size() > maxBytes)
        return refused(Problem::TooLarge, Source::File);
    const QByteArray bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return unreadable(QStringLiteral("读取时出错（%1）").arg(file.errorString()));
    return ::fromBytes(bytes, Source::File);
}

TextImport::Result TextImport::fromBytes(const QByteArray& bytes) {
    return ::fromBytes(bytes, Source::File);
}

TextImport::Result TextImport::fromClipboard(const QString& text) {
    if (text.isEmpty())
        return refused(Problem::Empty, Source::Clipboard);
    // The UTF-8 size without making the UTF-8: one byte an ASCII character, up to three for
    // other UTF-16 units (a surrogate pair's four bytes are two units of two).
    qint64 utf8Bytes = 0;
    for (const QChar c : text)
        utf8Bytes += c.unicode() < 0x80 ? 1 : c.unicode() < 0x800 ? 2 : c.isSurrogate() ? 2 : 3;
    if (utf8Bytes > maxBytes)
        return refused(Problem::TooLarge, Source::Clipboard);
    if (TextDecoder::hasControl(text))
        return refused(Problem::Binary, Source::Clipboard);
    return fromText(text, TextEncoding::None, Source::Clipboard);
}

QString TextImport::summary(qsizetype lessons, qsizetype leftOut) {
    if (leftOut == 0)
        return QStringLiteral("分成了 %1 课。").arg(lessons);
    return QStringLiteral("分成了 %1 课，略去了 %2 个美式键盘打不出的字符（如汉字、表情符号）。")
        .arg(lessons)
        .arg(leftOut);
}
