#include "TestRegistry.h"

#include "keyboard/KeyLayout.h"

#include <QMap>
#include <QSet>
#include <QTest>

#include <algorithm>

using KeyLayout::pixels;

class KeyLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void capsAreTheSixtyOneKeysEachOnce();
    void capsStayInsideTheFrameAndNeverOverlap();
    void neighbouringCapsOfARowAreSpacedEvenly();
    void letterAndDigitCapsShowTheCharacterAfterASpace();
    void glyphLabelsExistExactlyWhereTheKeyTableSaysSo();
    void glyphLabelsLieOnTheirOwnCap();
    void enterGlyphsLieInsideTheEnterOutline();
    void enterOutlineIsClosed();
    void characterStrokesLieOnTheirKeys();
    void onlyTheApostropheIsDrawnTwoPixelsWide();
    void capOfAnswersWithGeometryAndCaption();
};

void KeyLayoutTest::capsAreTheSixtyOneKeysEachOnce() {
    QList<int> indices;
    for (const KeyLayout::Cap& cap : KeyLayout::caps())
        indices << cap.index;
    std::sort(indices.begin(), indices.end());
    QCOMPARE(indices.size(), 61);
    QCOMPARE(indices, KeyTable::keyIndices());
}

void KeyLayoutTest::capsStayInsideTheFrameAndNeverOverlap() {
    const QRect frame(0, 0, KeyLayout::frameRect.width(), KeyLayout::frameRect.height());
    const auto& caps = KeyLayout::caps();
    for (qsizetype i = 0; i < caps.size(); ++i) {
        QVERIFY2(frame.contains(caps[i].rect), qPrintable(QString::number(caps[i].index)));
        for (qsizetype j = i + 1; j < caps.size(); ++j) {
            QVERIFY2(!caps[i].rect.intersects(caps[j].rect),
                     qPrintable(QStringLiteral("%1 and %2").arg(caps[i].index).arg(caps[j].index)));
        }
    }
}

// Every row starts at the frame's left margin and leaves the same 45-twip gap between caps;
// only the Enter key, drawn by its outline, stands apart.
void KeyLayoutTest::neighbouringCapsOfARowAreSpacedEvenly() {
    QMap<int, QList<QRect>> rows;
    for (const KeyLayout::Cap& cap : KeyLayout::caps()) {
        if (cap.index == 13)
            continue;
        QVERIFY2(std::find(std::begin(KeyLayout::rowTops), std::end(KeyLayout::rowTops),
                           cap.rect.top()) != std::end(KeyLayout::rowTops),
                 qPrintable(QString::number(cap.index)));
        QCOMPARE(cap.rect.height(), 375);
        rows[cap.rect.top()] << cap.rect;
    }
    QCOMPARE(rows.size(), 5);
    for (auto& row : rows) {
        std::sort(row.begin(), row.end(),
                  [](const QRect& a, const QRect& b) { return a.left() < b.left(); });
        QCOMPARE(row.first().left(), 60);
        for (qsizetype i = 1; i < row.size(); ++i)
            QCOMPARE(row[i].left() - (row[i - 1].left() + row[i - 1].width()), 45);
    }
}

void KeyLayoutTest::letterAndDigitCapsShowTheCharacterAfterASpace() {
    for (const KeyLayout::Cap& cap : KeyLayout::caps()) {
        const bool letterOrDigit =
            (cap.index >= 48 && cap.index <= 57) || (cap.index >= 65 && cap.index <= 90);
        if (!letterOrDigit)
            continue;
        QCOMPARE(cap.caption, QStringLiteral(" ") + QChar(cap.index));
        QCOMPARE(cap.points, 15.0);
        QVERIFY(cap.bold);
        QVERIFY(cap.bordered);
    }
}

void KeyLayoutTest::glyphLabelsExistExactlyWhereTheKeyTableSaysSo() {
    qsizetype expected = 0;
    for (int key = 0; key <= KeyTable::maxKeyIndex; ++key) {
        for (KeyPart part : {KeyPart::Lower, KeyPart::Upper}) {
            const bool present = KeyTable::hasPart(key, part);
            expected += present ? 1 : 0;
            QVERIFY2((KeyLayout::glyphOf(key, part) != nullptr) == present,
                     qPrintable(QString::number(key)));
        }
    }
    QCOMPARE(KeyLayout::glyphs().size(), expected);
}

void KeyLayoutTest::glyphLabelsLieOnTheirOwnCap() {
    for (const KeyLayout::Glyph& glyph : KeyLayout::glyphs()) {
        if (glyph.index == 13)
            continue;
        const KeyLayout::Cap* cap = KeyLayout::capOf(glyph.index);
        QVERIFY(cap);
        QVERIFY2(
            pixels(cap->rect).contains(pixels(glyph.rect)),
            qPrintable(QStringLiteral("glyph \"%1\" of key %2").arg(glyph.text).arg(glyph.index)));
    }
}

// The Enter key is an L: a lower arm across the full width and an upper arm on its right,
// both outlined by segments. Its cap and glyphs must lie inside the L, clear of the notch.
void KeyLayoutTest::enterGlyphsLieInsideTheEnterOutline() {
    const auto& lines = KeyLayout::lines();
    const int left = lines[1].line.x1();    // left of the lower arm
    const int armLeft = lines[2].line.x1(); // left of the upper arm
    const int right = lines[6].line.x1();
    const int top = lines[0].line.y1();
    const int step = lines[3].line.y1();
    const int bottom = lines[4].line.y1();
    const QRect outline = pixels(QRect(QPoint(left, top), QPoint(right, bottom)));
    const QRect notch = pixels(QRect(left, top, armLeft - left, step - top));

    QList<QRect> parts{KeyLayout::capOf(13)->rect};
    for (KeyPart part : {KeyPart::Lower, KeyPart::Upper})
        parts << KeyLayout::glyphOf(13, part)->rect;
    for (const QRect& twips : parts) {
        const QRect rect = pixels(twips);
        QVERIFY(outline.contains(rect));
        QVERIFY(!rect.intersects(notch));
    }
}

void KeyLayoutTest::enterOutlineIsClosed() {
    QMap<std::pair<int, int>, int> ends;
    for (int i : {0, 1, 2, 3, 4, 6}) {
        const QLine line = KeyLayout::lines()[i].line;
        QVERIFY(line.dx() == 0 || line.dy() == 0);
        ++ends[{line.x1(), line.y1()}];
        ++ends[{line.x2(), line.y2()}];
    }
    QCOMPARE(ends.size(), 6);
    for (int count : ends)
        QCOMPARE(count, 2);
}

// "_" and "-" on the minus key, the apostrophe on the quote key, the arrow's stem on Enter.
void KeyLayoutTest::characterStrokesLieOnTheirKeys() {
    const auto& lines = KeyLayout::lines();
    QCOMPARE(lines.size(), 10);
    const QList<std::pair<int, QRect>> strokes{
        {5, KeyLayout::capOf(189)->rect},
        {7, KeyLayout::capOf(189)->rect},
        {9, KeyLayout::capOf(222)->rect},
        {8, QRect(QPoint(lines[1].line.x1(), lines[0].line.y1()),
                  QPoint(lines[6].line.x1(), lines[4].line.y1()))},
    };
    for (const auto& [index, key] : strokes) {
        QVERIFY2(key.contains(lines[index].line.p1()), qPrintable(QString::number(index)));
        QVERIFY2(key.contains(lines[index].line.p2()), qPrintable(QString::number(index)));
    }
    // As on every cap, the shifted "_" stands above the unshifted "-".
    QVERIFY(lines[5].line.y1() < lines[7].line.y1());
}

void KeyLayoutTest::onlyTheApostropheIsDrawnTwoPixelsWide() {
    const auto& lines = KeyLayout::lines();
    for (qsizetype i = 0; i < lines.size(); ++i)
        QCOMPARE(lines[i].penPixels, i == 9 ? 2 : 1);
}

void KeyLayoutTest::capOfAnswersWithGeometryAndCaption() {
    const KeyLayout::Cap* s = KeyLayout::capOf(83);
    QVERIFY(s);
    QCOMPARE(s->caption, QStringLiteral(" S"));
    QCOMPARE(s->rect, QRect(1380, 3000, 435, 375));
    const KeyLayout::Cap* enter = KeyLayout::capOf(13);
    QVERIFY(enter);
    QVERIFY(!enter->bordered);
    QCOMPARE(enter->rect, QRect(6195, 3015, 985, 330));
    QCOMPARE(KeyLayout::capOf(1), nullptr);
    QCOMPARE(KeyLayout::capOf(223), nullptr);
}

KEYVORA_TEST_GUILESS_MAIN(KeyLayout, KeyLayoutTest)
#include "tst_KeyLayout.moc"
