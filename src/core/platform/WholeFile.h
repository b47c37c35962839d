#pragma once

#include <QByteArray>
#include <QString>

// A file written whole and read whole. A write goes to a new file beside the old one that is
// then renamed over it, so a failure (a full disk, a folder that cannot be written) leaves the
// old file as it was and no part of the new one. A read takes only a regular file, so a pipe or
// a device cannot keep it waiting, and no more than a limit.
class WholeFile {
public:
    struct Read {
        QByteArray bytes;
        bool tooLarge = false; // larger than the limit; nothing was read
        QString error;         // for the learner: why it could not be read; empty when it was

        bool ok() const { return error.isEmpty(); }
    };

    // Empty when the file was written, otherwise what went wrong, for the learner.
    static QString write(const QString& path, const QByteArray& bytes);

    static Read read(const QString& path, qint64 maxBytes);
};
