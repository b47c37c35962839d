#include "TestRegistry.h"

#include "keyboard/KeyTable.h"

#include <QSet>
#include <QTest>

class KeyTableTest : public QObject {
    Q_OBJECT
private slots:
    void targetGivesItsKeyTextAndStem_data();
    void targetGivesItsKeyTextAndStem();
    void noTargetLightsTabOrTheWindowsAndMenuKeys();
    void everyLitKeyHasACap();
    void exactlyTheKeyIndicesHaveACap();
    void everyPrintableCodeHasAStemAndNoOtherUnnamedCodeHasOne();
    void namedKeysAreExactlyTheNine();
};

void KeyTableTest::targetGivesItsKeyTextAndStem_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stem");

    const int none = KeyTable::noKey;
    QTest::newRow("small a lights nothing") << 97 << none << "a"
                                            << "a";
    QTest::newRow("capital A shares the stem of a") << 65 << 65 << "A"
                                                    << "a";
    QTest::newRow("capital Z") << 90 << 90 << "Z"
                               << "z";
    QTest::newRow("[ lights the bracket key, not Windows") << 91 << 219 << "["
                                                           << "左中括号";
    QTest::newRow("] lights the bracket key, not menu") << 93 << 221 << "]"
                                                        << "右中括号";
    QTest::newRow("\\ lights the backslash key") << 92 << 220 << "\\"
                                                 << "反斜线";
    QTest::newRow("space is shown as a word") << 32 << 32 << "空格"
                                              << "空格";
    QTest::newRow("digit 1 has a full stop") << 49 << 49 << "1."
                                             << "1";
    QTest::newRow("digit 0 has a full stop") << 48 << 48 << "0."
                                             << "0";
    QTest::newRow("! has no full stop") << 33 << none << "!"
                                        << "感叹号";
    QTest::newRow("apostrophe full width") << 39 << 222 << "＇"
                                           << "撇号";
    QTest::newRow("ampersand full width") << 38 << none << "＆"
                                          << "and";
    QTest::newRow("underscore as em dash") << 95 << none << "—"
                                           << "下划线";
    QTest::newRow("backtick") << 96 << 192 << "`"
                              << "捺点";
    QTest::newRow("minus") << 45 << 189 << "-"
                           << "减号";
    QTest::newRow("slash") << 47 << 191 << "/"
                           << "斜线";
    QTest::newRow("tilde lights nothing") << 126 << none << "~"
                                          << "波浪线";
    QTest::newRow("Enter") << 13 << 13 << "回车"
                           << "回车";
    QTest::newRow("Caps Lock") << 20 << 20 << "Caps"
                               << "Caps Lock";
    QTest::newRow("right Shift") << 26 << 26 << "右Shift"
                                 << "右Shift";
    QTest::newRow("left Alt") << 18 << 18 << "左Alt"
                              << "左Alt";
}

void KeyTableTest::targetGivesItsKeyTextAndStem() {
    QFETCH(int, code);
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(QString, stem);
    QCOMPARE(KeyTable::keyOfTarget(code), key);
    QCOMPARE(KeyTable::displayText(code), text);
    QCOMPARE(KeyTable::stem(code), stem);
}

void KeyTableTest::noTargetLightsTabOrTheWindowsAndMenuKeys() {
    for (int code = 0; code <= 126; ++code) {
        const int key = KeyTable::keyOfTarget(code);
        QVERIFY2(key != 0 && key != 91 && key != 92 && key != 93,
                 qPrintable(QStringLiteral("code %1 lights key %2").arg(code).arg(key)));
    }
}

void KeyTableTest::everyLitKeyHasACap() {
    for (int code = 0; code <= 126; ++code) {
        const int key = KeyTable::keyOfTarget(code);
        if (key != KeyTable::noKey)
            QVERIFY2(KeyTable::hasPart(key, KeyPart::Cap), qPrintable(QString::number(code)));
    }
}

void KeyTableTest::exactlyTheKeyIndicesHaveACap() {
    const QList<int>& indices = KeyTable::keyIndices();
    for (int key = -10; key <= 300; ++key)
        QVERIFY2(KeyTable::hasPart(key, KeyPart::Cap) == indices.contains(key),
                 qPrintable(QString::number(key)));
}

void KeyTableTest::everyPrintableCodeHasAStemAndNoOtherUnnamedCodeHasOne() {
    for (int code = 0; code <= 126; ++code) {
        const bool spoken = code >= 32 || KeyTable::isNamedKey(code);
        QVERIFY2(KeyTable::stem(code).isEmpty() != spoken, qPrintable(QString::number(code)));
    }
}

void KeyTableTest::namedKeysAreExactlyTheNine() {
    QSet<int> named;
    for (int code = -1; code <= 300; ++code) {
        if (KeyTable::isNamedKey(code))
            named.insert(code);
    }
    QCOMPARE(named, (QSet<int>{8, 13, 16, 17, 18, 20, 26, 27, 28}));
}

KEYVORA_TEST_GUILESS_MAIN(KeyTable, KeyTableTest)
#include "tst_KeyTable.moc"
