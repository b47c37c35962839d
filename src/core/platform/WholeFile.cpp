#include "platform/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

QString WholeFile::write(const QString& path, const QByteArray& bytes) {
    // Unbuffered, so that a short write shows in write()'s result rather than being lost in the
    // flush before the rename; never a fallback to writing into the old file itself.
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
                         file.write(bytes) == bytes.size();
    if (!written)
        file.cancelWriting();
    if (written && file.commit())
        return QString();
    return QStringLiteral("无法写入“%1”（%2）。")
        .arg(QDir::toNativeSeparators(path), file.errorString());
}

WholeFile::Read WholeFile::read(const QString& path, qint64 maxBytes) {
    Read result;
    const QFileInfo info(path);
    const QString shown = QDir::toNativeSeparators(path);
    if (!info.exists()) {
        result.error = QStringLiteral("文件“%1”不存在。").arg(shown);
        return result;
    }
    if (!info.isFile()) {
        result.error = QStringLiteral("“%1”不是普通的文件。").arg(shown);
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = QStringLiteral("无法读取“%1”（%2）。").arg(shown, file.errorString());
        return result;
    }
    if (file.size() > maxBytes) {
        result.tooLarge = true;
        result.error = QStringLiteral("文件“%1”太大。").arg(shown);
        return result;
    }
    // A file that grows meanwhile is read one byte past the limit at most, and refused.
    result.bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        result.bytes.clear();
        result.error = QStringLiteral("无法读取“%1”（%2）。").arg(shown, file.errorString());
    } else if (result.bytes.size() > maxBytes) {
        result.bytes.clear();
        result.tooLarge = true;
        result.error = QStringLiteral("文件“%1”太大。").arg(shown);
    }
    return result;
}
