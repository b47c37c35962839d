#include "TestRegistry.h"

#include "TrainerRig.h"

#include "app/Form1.h"
#include "keyboard/KeyboardView.h"
#include "practice/PracticeArea.h"

#include <QAction>
#include <QHash>
#include <QTest>

namespace {

// The colour most of a widget's place in the window shows: its background.
QColor mostFrequent(const QImage& image, const QRect& area) {
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y) | 0xff000000];
    QRgb best = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > counts.value(best))
            best = it.key();
    return QColor::fromRgb(best);
}

int pixelsOf(const QImage& image, const QRect& area, const QColor& colour) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += (image.pixel(x, y) | 0xff000000) == colour.rgb() ? 1 : 0;
    return n;
}

} // namespace

// The main window's controls in the colours and fonts they are described with, read back from
// the window as it is drawn.
class WindowLookTest : public QObject {
    Q_OBJECT
private slots:
    void everyControlShowsItsColoursAndFont_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("falling"); // shown in a falling style rather than a keyboard one
        QTest::addColumn<QColor>("text");  // invalid: not described
        QTest::addColumn<QColor>("background");
        QTest::addColumn<double>("points"); // 0: not described
        QTest::addColumn<bool>("bold");
        const QColor none;
        const QColor grey(224, 224, 224);
        QTest::newRow("title banner")
            << "Label1_0" << false << QColor(255, 0, 0) << QColor(215, 220, 248) << 18.0 << true;
        QTest::newRow("statistics panel") << "Frame1" << false << none << none << 14.25 << true;
        QTest::newRow("panel title")
            << "Label2_13" << false << QColor(0, 192, 0) << none << 12.0 << true;
        QTest::newRow("statistics caption")
            << "Label2_0" << false << QColor(0, 0, 0) << none << 10.5 << true;
        QTest::newRow("tenths") << "Label2_14" << false << QColor(0, 192, 192) << none << 14.25
                                << true;
        QTest::newRow("statistics figure")
            << "Label3_3" << false << QColor(255, 0, 255) << none << 12.0 << true;
        QTest::newRow("practice area") << "Picture1" << true << none << grey << 0.0 << false;
        QTest::newRow("keyboard frame") << "Frame2" << false << none << grey << 0.0 << false;
        QTest::newRow("hint") << "Label7" << false << QColor(255, 0, 255) << grey << 12.0 << true;
        QTest::newRow("mnemonic") << "Label8" << false << QColor(255, 0, 0) << QColor(192, 255, 255)
                                  << 10.5 << true;
        QTest::newRow("key cap") << "Label4_65" << false << none << QColor(255, 255, 192) << 15.0
                                 << true;
        QTest::newRow("countdown text, keyboard")
            << "daojishi_1" << false << QColor(0, 0, 255) << grey << 21.75 << true;
        QTest::newRow("countdown figure, keyboard")
            << "daojishi_2" << false << QColor(255, 0, 0) << grey << 21.75 << true;
        QTest::newRow("countdown text, falling")
            << "daojishi_3" << true << QColor(0, 0, 255) << grey << 21.75 << true;
        QTest::newRow("countdown figure, falling")
            << "daojishi_4" << true << QColor(255, 0, 0) << grey << 21.75 << true;
        QTest::newRow("falling character")
            << "xialuozifu" << true << QColor(255, 0, 255) << grey << 42.0 << true;
        QTest::newRow("finger button")
            << "Command2_3" << false << none << QColor(128, 128, 0) << 0.0 << false;
        QTest::newRow("Shift button")
            << "Command3_1" << false << none << QColor(128, 128, 0) << 12.0 << true;
    }
    void everyControlShowsItsColoursAndFont() {
        QFETCH(QString, name);
        QFETCH(bool, falling);
        QFETCH(QColor, text);
        QFETCH(QColor, background);
        QFETCH(double, points);
        QFETCH(bool, bold);
        TrainerRig rig;
        Form1 form(rig.platform());
        form.trainer().menus.fengge1[falling ? 5 : 0]->trigger();
        form.trainer().falling.setCaption(QStringLiteral("A"));
        form.practiceArea().setCountdown(true, QStringLiteral("5"));
        form.practiceArea().keyboard()->setMnemonic(true, 71, QStringLiteral("11G 王旁青头五夫一"));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        const QWidget* control = form.findChild<QWidget*>(name);
        QVERIFY(control);
        QVERIFY(control->isVisible());
        const QImage image = form.grab().toImage();
        const QRect place(control->mapTo(&form, QPoint(0, 0)), control->size());
        if (background.isValid())
            QCOMPARE(mostFrequent(image, place), background);
        if (text.isValid())
            QVERIFY2(pixelsOf(image, place, text) > 3, "no text in its colour");
        if (points > 0) {
            QCOMPARE(control->font().pointSizeF(), points);
            QCOMPARE(control->font().bold(), bold);
        }
    }
};

KEYVORA_TEST_MAIN(WindowLook, WindowLookTest)
#include "tst_WindowLook.moc"
