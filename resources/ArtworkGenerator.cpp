// Draws the window background and the program icon into image files at build time, so the
// pictures are ours and reproducible from this source. The icon also comes in the sizes of the
// desktop's icon theme, as a scalable drawing of the same shapes and as a Windows icon file.

#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cstdio>

namespace {

QImage background() {
    QImage image(800, 600, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, 600);
    sky.setColorAt(0.0, QColor(244, 247, 253));
    sky.setColorAt(0.45, QColor(224, 232, 248));
    sky.setColorAt(1.0, QColor(198, 212, 238));
    p.fillRect(image.rect(), sky);

    // A calm band behind the drawn menu bar, so its captions read well.
    p.fillRect(QRect(0, 0, 800, 22), QColor(250, 251, 255));
    p.setPen(QColor(205, 214, 234));
    p.drawLine(0, 22, 800, 22);

    // Faint key caps scattered towards the lower right, like a keyboard seen from afar.
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 9; ++row) {
        for (int col = 0; col < 22; ++col) {
            const int x = col * 38 + (row % 2) * 19 - 10;
            const int y = 240 + row * 40;
            const double fade = (double(x) / 800.0 + double(y - 240) / 360.0) / 2.0;
            if (fade < 0.25)
                continue;
            p.setBrush(QColor(255, 255, 255, int(10 + 28 * fade)));
            p.drawRoundedRect(QRectF(x, y, 30, 30), 5, 5);
        }
    }

    // A soft glow at the top left where the statistics stand.
    QRadialGradient glow(QPointF(120, 160), 260);
    glow.setColorAt(0.0, QColor(255, 255, 255, 90));
    glow.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillRect(image.rect(), glow);
    return image;
}

// The background has a few more colours than an 8-bit palette holds, and all but 256 of them sit
// on a handful of antialiased edge pixels. Stored as palette indexes of its 256 most used colours,
// with those few pixels listed apart, it takes a third of the memory of true colour for the whole
// run and still draws exactly the same picture.
struct IndexedPicture {
    QImage image;       // 8-bit, the most used colours
    QByteArray leftOut; // one "x y rrggbb" line for each pixel whose colour is not among them
};

IndexedPicture indexed(const QImage& picture) {
    QHash<QRgb, int> uses;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            ++uses[picture.pixel(x, y)];
    QList<QRgb> colours = uses.keys();
    // Most used first; equal counts in colour order, so the file is the same at every build.
    std::sort(colours.begin(), colours.end(),
              [&uses](QRgb a, QRgb b) { return uses[a] != uses[b] ? uses[a] > uses[b] : a < b; });
    colours.resize(std::min<qsizetype>(colours.size(), 256));
    QHash<QRgb, int> index;
    for (int i = 0; i < colours.size(); ++i)
        index.insert(colours[i], i);

    IndexedPicture out{QImage(picture.size(), QImage::Format_Indexed8), {}};
    out.image.setColorTable(colours);
    for (int y = 0; y < picture.height(); ++y) {
        uchar* line = out.image.scanLine(y);
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb colour = picture.pixel(x, y);
            const int i = index.value(colour, -1);
            line[x] = uchar(i < 0 ? 0 : i);
            if (i < 0)
                out.leftOut += QStringLiteral("%1 %2 %3\n")
                                   .arg(x)
                                   .arg(y)
                                   .arg(colour & 0xffffff, 6, 16, QLatin1Char('0'))
                                   .toLatin1();
        }
    }
    return out;
}

bool writeFile(const QString& path, const QByteArray& data) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.flush();
}

QImage icon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);

    QLinearGradient body(0, 0, 0, 256);
    body.setColorAt(0.0, QColor(88, 140, 230));
    body.setColorAt(1.0, QColor(38, 78, 170));
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 48, 48);

    // A light key cap with its shadow.
    p.setBrush(QColor(20, 40, 100, 90));
    p.drawRoundedRect(QRectF(52, 60, 152, 152), 26, 26);
    p.setBrush(QColor(255, 255, 214));
    p.drawRoundedRect(QRectF(48, 48, 152, 152), 26, 26);

    // The letter K drawn as strokes, green like a lit key.
    QPen pen(QColor(40, 150, 70), 22, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.drawLine(QPointF(96, 82), QPointF(96, 166));
    p.drawLine(QPointF(158, 82), QPointF(104, 126));
    p.drawLine(QPointF(112, 120), QPointF(160, 166));
    return image;
}

// The icon above, shape for shape, as SVG in the same 256-unit square.
QByteArray scalableIcon() {
    return R"svg(<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">
  <defs>
    <linearGradient id="body" gradientUnits="userSpaceOnUse" x1="0" y1="0" x2="0" y2="256">
      <stop offset="0" stop-color="#588ce6"/>
      <stop offset="1" stop-color="#264eaa"/>
    </linearGradient>
  </defs>
  <rect x="8" y="8" width="240" height="240" rx="48" fill="url(#body)"/>
  <rect x="52" y="60" width="152" height="152" rx="26" fill="#142864" fill-opacity="0.353"/>
  <rect x="48" y="48" width="152" height="152" rx="26" fill="#ffffd6"/>
  <g stroke="#289646" stroke-width="22" stroke-linecap="round" stroke-linejoin="round" fill="none">
    <path d="M96 82V166M158 82L104 126M112 120L160 166"/>
  </g>
</svg>
)svg";
}

// The icon of the Windows executable and installer: an ICO file with the sizes Explorer asks
// for, the small ones as 32-bit bitmaps with alpha, the largest as PNG (as Windows keeps it).
QByteArray windowsIcon() {
    const QList<int> sizes{16, 24, 32, 48, 64, 256};
    QList<QByteArray> images;
    for (const int size : sizes) {
        QByteArray data;
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        const QImage image = icon(size).convertToFormat(QImage::Format_ARGB32);
        if (size == 256) {
            image.save(&buffer, "PNG");
        } else {
            // A bitmap header for twice the height (colour rows, then the mask), rows bottom-up
            // in BGRA, then an all-clear mask: the alpha channel does the masking.
            QDataStream out(&buffer);
            out.setByteOrder(QDataStream::LittleEndian);
            out << quint32(40) << qint32(size) << qint32(2 * size) << quint16(1) << quint16(32)
                << quint32(0) << quint32(0) << qint32(0) << qint32(0) << quint32(0) << quint32(0);
            for (int y = size - 1; y >= 0; --y)
                for (int x = 0; x < size; ++x)
                    out << quint32(image.pixel(x, y));
            const int maskRow = ((size + 31) / 32) * 4;
            data.append(QByteArray(maskRow * size, '\0'));
        }
        images << data;
    }
    QByteArray ico;
    QDataStream out(&ico, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(sizes.size());
    quint32 offset = 6 + 16 * quint32(sizes.size());
    for (qsizetype i = 0; i < sizes.size(); ++i) {
        const quint8 side = sizes[i] == 256 ? 0 : quint8(sizes[i]); // 0 stands for 256
        out << side << side << quint8(0) << quint8(0) << quint16(1) << quint16(32)
            << quint32(images[i].size()) << offset;
        offset += quint32(images[i].size());
    }
    for (const QByteArray& image : images)
        out.writeRawData(image.constData(), int(image.size()));
    return ico;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());
    // The background is kept uncompressed: the resource compiler packs it, and unpacking is much
    // quicker at start-up than decoding a PNG. The true-colour picture is written too, for the
    // tests to compare the drawn window against.
    const QImage picture = background();
    const IndexedPicture stored = indexed(picture);
    bool ok = picture.save(out.filePath(QStringLiteral("background-full.bmp")));
    ok = stored.image.save(out.filePath(QStringLiteral("background.bmp"))) && ok;
    ok = writeFile(out.filePath(QStringLiteral("background-rest.txt")), stored.leftOut) && ok;
    ok = icon(256).save(out.filePath(QStringLiteral("keyvora.png"))) && ok;
    ok = icon(32).save(out.filePath(QStringLiteral("keyvora-32.png"))) && ok;
    ok = icon(16).save(out.filePath(QStringLiteral("keyvora-16.png"))) && ok;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        ok = icon(size).save(out.filePath(QStringLiteral("icon-%1.png").arg(size))) && ok;
    ok = writeFile(out.filePath(QStringLiteral("icon.svg")), scalableIcon()) && ok;
    ok = writeFile(out.filePath(QStringLiteral("keyvora.ico")), windowsIcon()) && ok;
    return ok ? 0 : 1;
}
