#include "TestRegistry.h"

#include "PracticeRig.h"

#include "keyboard/DisplayStyles.h"

#include <QAction>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

namespace {

QList<bool> checkMarks(const MenuTree& menus) {
    QList<bool> marks;
    for (QAction* item : menus.fengge1)
        marks << item->isChecked();
    return marks;
}

} // namespace

class DisplayStylesTest : public QObject {
    Q_OBJECT
private slots:
    void eachStyleSetsTheBannerTheKeyboardAndOneCheckMark_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < Options::styleCount; ++i)
            if (i != Options::styleSeparator)
                QTest::addRow("%d", i) << i;
    }
    void eachStyleSetsTheBannerTheKeyboardAndOneCheckMark() {
        QFETCH(int, index);
        // The caption reads "显示键盘-<title>(&X)" for a keyboard style, "下落字符-<title>(&X)"
        // for a falling one; the banner is "Keyvora-<title>".
        const QString caption = Options::styleCaptions().at(index);
        const bool keyboard = caption.startsWith(QStringLiteral("显示键盘-"));
        Options options;
        MenuTree menus{options};
        DisplayStyles styles(options);
        // Start from the opposite kind, so the keyboard really has to change.
        styles.choose(keyboard ? 11 : 0);
        styles.choose(index);
        const QString title = styles.banner().mid(8);
        QVERIFY(styles.banner().startsWith(QStringLiteral("Keyvora-")) && !title.isEmpty());
        const QRegularExpression shape(QStringLiteral("^(显示键盘|下落字符)-") +
                                       QRegularExpression::escape(title) +
                                       QStringLiteral("\\(&[A-Z]\\)$"));
        QVERIFY2(shape.match(caption).hasMatch(), qPrintable(styles.banner()));
        QCOMPARE(styles.keyboardShown(), keyboard);
        QList<bool> expected(12, false);
        expected[index] = true;
        QCOMPARE(checkMarks(menus), expected);
    }

    void fallingDigitsHidesTheKeyboardAndDrawsOnlyDigits() {
        PracticeRig rig;
        DisplayStyles styles(rig.options);
        QSignalSpy shown(&styles, &DisplayStyles::keyboardShownChanged);
        QSignalSpy banner(&styles, &DisplayStyles::bannerChanged);
        styles.choose(8);
        QCOMPARE(shown.count(), 1);
        QCOMPARE(shown.at(0).at(0).toBool(), false);
        QCOMPARE(banner.count(), 1);
        QCOMPARE(banner.at(0).at(0).toString(), QStringLiteral("Keyvora-10个数字"));
        rig.startRun(0);
        for (int i = 0; i < 500; ++i) {
            rig.selector.zifu();
            QVERIFY(rig.state.mubiao >= '0' && rig.state.mubiao <= '9');
        }
    }

    void keyboardAndFallingStylesOfOneSetShareTheBanner_data() {
        QTest::addColumn<int>("keyboardStyle");
        QTest::addColumn<int>("fallingStyle");
        QTest::newRow("letters") << 1 << 7;
        QTest::newRow("digits") << 2 << 8;
    }
    void keyboardAndFallingStylesOfOneSetShareTheBanner() {
        QFETCH(int, keyboardStyle);
        QFETCH(int, fallingStyle);
        Options options;
        MenuTree menus{options};
        DisplayStyles styles(options);
        styles.choose(keyboardStyle);
        const QString banner = styles.banner();
        styles.choose(fallingStyle);
        QCOMPARE(styles.banner(), banner);
    }

    void anIndexThatNamesNoStyleChangesNothing_data() {
        QTest::addColumn<int>("index");
        QTest::newRow("separator") << 4;
        QTest::newRow("beyond the last") << 12;
        QTest::newRow("negative") << -1;
    }
    void anIndexThatNamesNoStyleChangesNothing() {
        QFETCH(int, index);
        Options options;
        MenuTree menus{options};
        DisplayStyles styles(options);
        styles.choose(6);
        const QString before = styles.banner();
        const QList<bool> marks = checkMarks(menus);
        QSignalSpy shown(&styles, &DisplayStyles::keyboardShownChanged);
        QSignalSpy banner(&styles, &DisplayStyles::bannerChanged);
        styles.choose(index);
        QCOMPARE(checkMarks(menus), marks);
        QCOMPARE(styles.banner(), before);
        QVERIFY(!styles.keyboardShown());
        QCOMPARE(shown.count(), 0);
        QCOMPARE(banner.count(), 0);
    }

    void choosingTheCheckedStyleAgainChangesNothingVisible() {
        Options options;
        MenuTree menus{options};
        DisplayStyles styles(options);
        styles.choose(5);
        QSignalSpy shown(&styles, &DisplayStyles::keyboardShownChanged);
        QSignalSpy banner(&styles, &DisplayStyles::bannerChanged);
        QSignalSpy mark(menus.fengge1[5], &QAction::changed);
        styles.choose(5);
        QCOMPARE(shown.count(), 0);
        QCOMPARE(banner.count(), 0);
        QCOMPARE(mark.count(), 0);
        QVERIFY(menus.fengge1[5]->isChecked());
    }
};

KEYVORA_TEST_MAIN(DisplayStyles, DisplayStylesTest)
#include "tst_DisplayStyles.moc"
