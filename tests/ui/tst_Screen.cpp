#include "TestRegistry.h"

#include "TrainerRig.h"

#include "app/BackgroundPicture.h"
#include "app/Form1.h"
#include "keyboard/KeyboardView.h"
#include "practice/FingerPanel.h"
#include "practice/PracticeArea.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTest>

#include <functional>

// What a learner sees: the real main window rendered and read back pixel by pixel, with the
// timers stepped by hand.
namespace {

const QColor litGreen(128, 255, 128);
const QColor keyYellow(255, 255, 192);
const QColor olive(128, 128, 0);

bool isMagenta(QRgb pixel) {
    return qRed(pixel) > 200 && qGreen(pixel) < 80 && qBlue(pixel) > 200;
}

// Where a widget lies in the window's picture.
QRect placeOf(const QWidget* widget, const QWidget* window) {
    return QRect(widget->mapTo(window, QPoint(0, 0)), widget->size());
}

int count(const QImage& image, const QRect& area, const std::function<bool(QRgb)>& wanted) {
    int n = 0;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += wanted(image.pixel(x, y)) ? 1 : 0;
    return n;
}

// The box around every magenta pixel of an area.
QRect magentaBox(const QImage& image, const QRect& area) {
    QRect box;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (isMagenta(image.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

bool exactly(QRgb pixel, const QColor& colour) {
    return QColor(pixel).rgb() == colour.rgb();
}

// The key caps whose face shows the lit colour.
QList<int> litKeys(const QImage& image, Form1& form) {
    QList<int> lit;
    KeyboardView* keys = form.practiceArea().keyboard();
    for (int i = 0; i <= KeyTable::maxKeyIndex; ++i)
        if (QLabel* cap = keys->keyLabel(i, KeyPart::Cap))
            if (count(image, placeOf(cap, &form), [](QRgb p) { return exactly(p, litGreen); }) > 20)
                lit << i;
    return lit;
}

QRgb centreOf(const QImage& image, const QWidget* widget, const QWidget* window) {
    return image.pixel(placeOf(widget, window).center());
}

// A point of a Shift button's face beside its caption.
QRgb faceOf(const QImage& image, const QWidget* widget, const QWidget* window) {
    const QRect r = placeOf(widget, window);
    return image.pixel(r.left() + 6, r.center().y());
}

} // namespace

class ScreenTest : public QObject {
    Q_OBJECT
private slots:
    // The background is stored with a palette and a few pixels apart; any part of it repainted
    // must come out as the true-colour picture its generator drew, and nothing outside the part.
    void theBackgroundIsRepaintedToThePixel_data() {
        QTest::addColumn<QRect>("area");
        QTest::newRow("the whole picture") << QRect(0, 0, 800, 600);
        QTest::newRow("the rows of the pixels kept apart") << QRect(0, 320, 800, 90);
        QTest::newRow("one pixel kept apart") << QRect(284, 321, 1, 1);
        QTest::newRow("beside a pixel kept apart") << QRect(285, 321, 10, 1);
        QTest::newRow("reaching past the picture") << QRect(700, 500, 300, 300);
    }
    void theBackgroundIsRepaintedToThePixel() {
        QFETCH(QRect, area);
        const QImage full =
            QImage(QStringLiteral(KEYVORA_FULL_BACKGROUND)).convertToFormat(QImage::Format_RGB32);
        QVERIFY(!full.isNull());
        const BackgroundPicture picture = BackgroundPicture::builtIn();
        QCOMPARE(picture.size(), full.size());
        QImage drawn(full.size(), QImage::Format_RGB32);
        drawn.fill(Qt::magenta);
        {
            QPainter painter(&drawn);
            picture.paint(painter, area);
        }
        int wrong = 0;
        for (int y = 0; y < full.height(); ++y)
            for (int x = 0; x < full.width(); ++x)
                wrong += drawn.pixel(x, y) !=
                         (area.contains(x, y) ? full.pixel(x, y) : QColor(Qt::magenta).rgb());
        QCOMPARE(wrong, 0);
    }

    void theLearnerSeesTheTargetInEveryStyle_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("finger");
        QTest::addColumn<int>("shiftLit"); // the Shift button lit, or -1
        QTest::newRow("keyboard, letters and digits") << 0 << int('G') << 3 << -1;
        QTest::newRow("keyboard, 26 letters") << 1 << int('P') << 7 << -1;
        QTest::newRow("keyboard, 10 digits") << 2 << int('5') << 3 << -1;
        QTest::newRow("keyboard, all keys") << 3 << 13 << 7 << -1;
        QTest::newRow("falling, digits and capitals") << 5 << int('A') << 0 << -1;
        QTest::newRow("falling, digits and small letters") << 6 << int('k') << 5 << -1;
        QTest::newRow("falling, 26 letters") << 7 << int('M') << 4 << -1;
        QTest::newRow("falling, 10 digits") << 8 << int('9') << 6 << -1;
        QTest::newRow("falling, all keys in capitals") << 9 << 13 << 7 << -1;
        QTest::newRow("falling, all keys in small letters") << 10 << int(';') << 7 << -1;
        QTest::newRow("falling, all characters, left hand") << 11 << int('Q') << 0 << 1;
        QTest::newRow("falling, all characters, right hand") << 11 << int('+') << 7 << 0;
    }
    void theLearnerSeesTheTargetInEveryStyle() {
        QFETCH(int, style);
        QFETCH(int, target);
        QFETCH(int, finger);
        QFETCH(int, shiftLit);
        TrainerRig rig;
        Form1 form(rig.platform());
        Trainer& t = form.trainer();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        t.menus.fengge1[style]->trigger();
        rig.random.queued = {(target + 0.5) / 127, 0.3};
        t.run.start();
        rig.clock.advance(5.01);
        t.run.tickCountdown();
        QCOMPARE(t.state.mubiao, target);

        const QRect area = placeOf(form.practiceArea().frame(), &form);
        if (style <= 3) {
            const int key = KeyTable::keyOfTarget(target);
            const QList<bool> phases = {true, true, false, false, true};
            for (bool lit : phases) {
                t.blink.tick();
                const QImage image = form.grab().toImage();
                QCOMPARE(litKeys(image, form), lit ? QList<int>{key} : QList<int>{});
                QLabel* cap = form.practiceArea().keyboard()->keyLabel(key, KeyPart::Cap);
                const QRect face = placeOf(cap, &form).adjusted(2, 2, -2, -2);
                QVERIFY(exactly(image.pixel(face.topLeft()), lit ? litGreen : keyYellow));
            }
        } else {
            for (int i = 0; i < 3; ++i)
                t.run.tickRun();
            const QImage early = form.grab().toImage();
            const QRect label = placeOf(form.practiceArea().fallingLabel(), &form);
            const QRect glyph = magentaBox(early, area);
            QVERIFY2(count(early, area, [](QRgb p) { return isMagenta(p); }) > 50,
                     "no falling character in the practice area");
            QVERIFY(label.contains(glyph));
            for (int i = 0; i < 10; ++i)
                t.run.tickRun();
            const QRect later = magentaBox(form.grab().toImage(), area);
            QVERIFY(!later.isEmpty());
            QVERIFY(later.top() > glyph.top() + 40);
            QCOMPARE(later.left(), glyph.left());
        }

        // The finger hint: the target's finger light green, the others olive.
        t.statistics.tick();
        const QImage hint = form.grab().toImage();
        for (int i = 0; i < 8; ++i)
            QVERIFY2(exactly(centreOf(hint, form.fingerPanel().finger(i), &form),
                             i == finger ? litGreen : olive),
                     qPrintable(QStringLiteral("finger button %1").arg(i)));
        for (int i = 0; i < 2; ++i)
            QVERIFY2(exactly(faceOf(hint, form.fingerPanel().shift(i), &form),
                             i == shiftLit ? litGreen : olive),
                     qPrintable(QStringLiteral("Shift button %1").arg(i)));

        // After Stop nothing is lit and no character is left.
        t.run.stop();
        t.blink.tick();
        t.statistics.tick();
        const QImage after = form.grab().toImage();
        QCOMPARE(litKeys(after, form), QList<int>{});
        if (style > 3)
            QCOMPARE(count(after, area, [](QRgb p) { return isMagenta(p); }), 0);
        for (int i = 0; i < 8; ++i)
            QVERIFY(exactly(centreOf(after, form.fingerPanel().finger(i), &form), olive));
        for (int i = 0; i < 2; ++i)
            QVERIFY(exactly(faceOf(after, form.fingerPanel().shift(i), &form), olive));
    }
};

KEYVORA_TEST_MAIN(Screen, ScreenTest)
#include "tst_Screen.moc"
