#include "app/BackgroundPicture.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>

BackgroundPicture BackgroundPicture::builtIn() {
    // The format is given: left to guess it, the reader would first load every image-format
    // plug-in to ask each whether it reads the file.
    QImageReader reader(QStringLiteral(":/keyvora/background.bmp"), "bmp");
    reader.setAutoDetectImageFormat(false);
    QFile rest(QStringLiteral(":/keyvora/background-rest.txt"));
    return BackgroundPicture(reader.read(),
                             rest.open(QIODevice::ReadOnly) ? rest.readAll() : QByteArray());
}

BackgroundPicture::BackgroundPicture(QImage indexed, const QByteArray& leftOut)
    : image_(std::move(indexed)) {
    for (const QByteArray& line : leftOut.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() != 3)
            continue;
        bool xOk = false, yOk = false, colourOk = false;
        const Pixel pixel{QPoint(fields[0].toInt(&xOk), fields[1].toInt(&yOk)),
                          qRgb(0, 0, 0) | fields[2].toUInt(&colourOk, 16)};
        if (xOk && yOk && colourOk && image_.rect().contains(pixel.at))
            leftOut_.append(pixel);
    }
}

void BackgroundPicture::paint(QPainter& painter, const QRect& area) const {
    const QRect part = area & image_.rect();
    if (part.isEmpty())
        return;
    painter.drawImage(part.topLeft(), image_, part);
    for (const Pixel& pixel : leftOut_)
        if (part.contains(pixel.at))
            painter.fillRect(QRect(pixel.at, QSize(1, 1)), QColor::fromRgb(pixel.colour));
}
