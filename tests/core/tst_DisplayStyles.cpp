#include "TestRegistry.h"

#include "keyboard/DisplayStyles.h"
#include "menus/MenuTree.h"
#include "settings/Options.h"

#include <QAction>
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
    void eachStyleSetsItsBannerTheKeyboardAndOneCheckMark_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("banner");
        QTest::addColumn<bool>("keyboard");
        QTest::newRow("0") << 0 << "Keyvora-字母和数字" << true;
        QTest::newRow("1") << 1 << "Keyvora-26个字母" << true;
        QTest::newRow("2") << 2 << "Keyvora-10个数字" << true;
        QTest::newRow("3") << 3 << "Keyvora-全部按键" << true;
        QTest::newRow("5") << 5 << "Keyvora-数字和字母(大写显示)" << false;
        QTest::newRow("6") << 6 << "Keyvora-数字和字母(小写显示)" << false;
        QTest::newRow("7") << 7 << "Keyvora-26个字母" << false;
        QTest::newRow("8") << 8 << "Keyvora-10个数字" << false;
        QTest::newRow("9") << 9 << "Keyvora-全部按键(大写显示)" << false;
        QTest::newRow("10") << 10 << "Keyvora-全部按键(小写显示)" << false;
        QTest::newRow("11") << 11 << "Keyvora-全部字符" << false;
    }
    void eachStyleSetsItsBannerTheKeyboardAndOneCheckMark() {
        QFETCH(int, index);
        QFETCH(QString, banner);
        QFETCH(bool, keyboard);
        Options options;
        MenuTree menus{options};
        DisplayStyles styles(options);
        // Start from the opposite kind, so the keyboard really has to change.
        styles.choose(keyboard ? 11 : 0);
        styles.choose(index);
        QCOMPARE(styles.banner(), banner);
        QCOMPARE(styles.keyboardShown(), keyboard);
        QList<bool> expected(12, false);
        expected[index] = true;
        QCOMPARE(checkMarks(menus), expected);
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
        styles.choose(index);
        QCOMPARE(checkMarks(menus), marks);
        QCOMPARE(styles.banner(), before);
        QVERIFY(!styles.keyboardShown());
    }
};

KEYVORA_TEST_MAIN(DisplayStyles, DisplayStylesTest)
#include "tst_DisplayStyles.moc"
