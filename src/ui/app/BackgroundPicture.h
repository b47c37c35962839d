#pragma once

#include <QImage>
#include <QList>
#include <QPoint>

class QPainter;
class QRect;

// The window's background: 8-bit palette indexes for its 256 most used colours, plus the few
// pixels whose colours did not fit, drawn over them. A third of the memory of true colour for
// the whole run, and the same picture to the pixel.
class BackgroundPicture {
public:
    // The built-in picture. Safe to call on another thread.
    static BackgroundPicture builtIn();

    // From the 8-bit picture and the "x y rrggbb" lines of the pixels it leaves out.
    BackgroundPicture(QImage indexed, const QByteArray& leftOut);
    BackgroundPicture() = default;

    // Draws the part of the picture inside area, with its top left at the painter's origin.
    void paint(QPainter& painter, const QRect& area) const;

    QSize size() const { return image_.size(); }

private:
    struct Pixel {
        QPoint at;
        QRgb colour;
    };

    QImage image_;
    QList<Pixel> leftOut_;
};
