#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QtEndian>
#include <QtMath>

#include <cmath>

// Writes a mono 16-bit 22050 Hz WAV file of a sine tone into dir, without extension like the
// program's sound files, making the folders on the way; returns its path.
inline QString writeTone(const QDir& dir, const QString& name, int milliseconds, double frequency) {
    const int rate = 22050;
    const int samples = rate * milliseconds / 1000;
    QByteArray data(samples * 2, Qt::Uninitialized);
    for (int i = 0; i < samples; ++i) {
        const auto value = qint16(12000 * std::sin(2 * M_PI * frequency * i / rate));
        qToLittleEndian(value, data.data() + 2 * i);
    }
    QByteArray header;
    auto add32 = [&header](quint32 v) { header.append(reinterpret_cast<const char*>(&v), 4); };
    auto add16 = [&header](quint16 v) { header.append(reinterpret_cast<const char*>(&v), 2); };
    static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN);
    header.append("RIFF");
    add32(quint32(36 + data.size()));
    header.append("WAVEfmt ");
    add32(16);
    add16(1);
    add16(1);
    add32(rate);
    add32(rate * 2);
    add16(2);
    add16(16);
    header.append("data");
    add32(quint32(data.size()));
    const QString path = dir.filePath(name);
    dir.mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    file.write(header + data);
    return path;
}
