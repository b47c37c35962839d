#include "TestRegistry.h"

#include "look/SongFont.h"
#include "practice/FigureLabel.h"

#include <QImage>
#include <QTest>

namespace {

// Both labels dressed as the statistics panel dresses its figures, side by side.
QImage drawn(QLabel& label, const QFont& font, Qt::Alignment align, const QSize& size,
             const QString& text) {
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, Qt::magenta);
    palette.setColor(QPalette::Window, Qt::white);
    label.setPalette(palette);
    label.setAutoFillBackground(true);
    label.setFont(font);
    label.setAlignment(align);
    label.resize(size);
    label.setText(text);
    return label.grab().toImage();
}

} // namespace

class FigureLabelTest : public QObject {
    Q_OBJECT
private slots:
    // The program's own Song font, as the window shows it.
    void initTestCase() {
        QVERIFY(SongFont::addOwnFont(QStringLiteral(KEYVORA_PROGRAM_DIR "/") + SongFont::ownFile));
    }

    void figuresLookAsAPlainLabelDrawsThem_data() {
        QTest::addColumn<double>("points");
        QTest::addColumn<int>("align");
        QTest::addColumn<QSize>("size");
        const struct {
            const char* name;
            double points;
            Qt::Alignment align;
            QSize size;
        } looks[] = {
            {"figure", 12, Qt::AlignRight | Qt::AlignVCenter, QSize(69, 17)},
            {"narrow figure", 12, Qt::AlignRight | Qt::AlignVCenter, QSize(17, 17)},
            {"tenths", 14.25, Qt::AlignLeft | Qt::AlignVCenter, QSize(17, 17)},
            {"caption", 10.5, Qt::AlignLeft | Qt::AlignVCenter, QSize(45, 17)},
            {"centred", 12, Qt::AlignCenter, QSize(40, 30)},
            {"at the bottom", 12, Qt::AlignRight | Qt::AlignBottom, QSize(40, 30)},
        };
        for (const auto& look : looks)
            QTest::newRow(look.name) << look.points << int(look.align) << look.size;
    }
    void figuresLookAsAPlainLabelDrawsThem() {
        QFETCH(double, points);
        QFETCH(int, align);
        QFETCH(QSize, size);
        const QFont font = SongFont::make(points, true);
        QLabel plain;
        FigureLabel figure;
        // Every tenth, padded and unpadded counts, a custom total, text too wide for the label,
        // and a text met again after others (drawn from what was kept).
        const QStringList texts{"0",  "1",  "2",   "3",          "4",   "5",   "6",   "7",
                                "8",  "9",  " 12", " 12.5",      " 99", "100", "00",  "59",
                                "-3", "个", "",    "1234567890", "0",   "5 ",  " 7  "};
        for (const QString& text : texts) {
            const QImage expected = drawn(plain, font, Qt::Alignment(align), size, text);
            QCOMPARE(drawn(figure, font, Qt::Alignment(align), size, text), expected);
        }
    }
};

KEYVORA_TEST_MAIN(FigureLabel, FigureLabelTest)
#include "tst_FigureLabel.moc"
