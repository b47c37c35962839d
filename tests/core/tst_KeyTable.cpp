#include "TestRegistry.h"

#include "DescribedSounds.h"

#include "keyboard/KeyTable.h"

#include <QMap>
#include <QSet>
#include <QTest>

#include <algorithm>

using KeyTable::Key;

class KeyTableTest : public QObject {
    Q_OBJECT
private slots:
    void targetGivesItsKeyAndText_data();
    void targetGivesItsKeyAndText();
    void everyTargetIsSpokenByItsDescribedStem_data();
    void everyTargetIsSpokenByItsDescribedStem();
    void noTargetLightsTabOrTheWindowsAndMenuKeys();
    void everyLitKeyHasACap();
    void exactlyTheKeyIndicesHaveACap();
    void namedKeysAreExactlyTheNine();
    void everyPrintableCharacterIsTypedByExactlyOneKey();
    void rowsHoldTheirKeysFromTheLeftMargin_data();
    void rowsHoldTheirKeysFromTheLeftMargin();
    void homeRowKeysAreTheEightFingersInOrder();
    void characterKeysShareTheFingerOfTheHomeKeyOfTheirColumn_data();
    void characterKeysShareTheFingerOfTheHomeKeyOfTheirColumn();
    void everyQtKeyOfAKeyLeadsBackToIt();
};

void KeyTableTest::targetGivesItsKeyAndText_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");

    const int none = KeyTable::noKey;
    QTest::newRow("small a lights nothing") << 97 << none << "a";
    QTest::newRow("capital A") << 65 << 65 << "A";
    QTest::newRow("capital Z") << 90 << 90 << "Z";
    QTest::newRow("[ lights the bracket key, not Windows") << 91 << 219 << "[";
    QTest::newRow("] lights the bracket key, not menu") << 93 << 221 << "]";
    QTest::newRow("\\ lights the backslash key") << 92 << 220 << "\\";
    QTest::newRow("space is shown as a word") << 32 << 32 << "空格";
    QTest::newRow("digit 1 has a full stop") << 49 << 49 << "1.";
    QTest::newRow("digit 0 has a full stop") << 48 << 48 << "0.";
    QTest::newRow("! has no full stop") << 33 << none << "!";
    QTest::newRow("apostrophe full width") << 39 << 222 << "＇";
    QTest::newRow("ampersand full width") << 38 << none << "＆";
    QTest::newRow("underscore as em dash") << 95 << none << "—";
    QTest::newRow("backtick") << 96 << 192 << "`";
    QTest::newRow("minus") << 45 << 189 << "-";
    QTest::newRow("slash") << 47 << 191 << "/";
    QTest::newRow("tilde lights nothing") << 126 << none << "~";
    QTest::newRow("Enter") << 13 << 13 << "回车";
    QTest::newRow("Caps Lock") << 20 << 20 << "Caps";
    QTest::newRow("right Shift") << 26 << 26 << "右Shift";
    QTest::newRow("left Alt") << 18 << 18 << "左Alt";
}

void KeyTableTest::targetGivesItsKeyAndText() {
    QFETCH(int, code);
    QFETCH(int, key);
    QFETCH(QString, text);
    QCOMPARE(KeyTable::keyOfTarget(code), key);
    QCOMPARE(KeyTable::displayText(code), text);
}

void KeyTableTest::everyTargetIsSpokenByItsDescribedStem_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("stem");
    for (int code = 0; code <= 126; ++code)
        QTest::addRow("%d", code) << code << DescribedSounds::stem(code);
}

void KeyTableTest::everyTargetIsSpokenByItsDescribedStem() {
    QFETCH(int, code);
    QFETCH(QString, stem);
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

void KeyTableTest::namedKeysAreExactlyTheNine() {
    QSet<int> named;
    for (int code = -1; code <= 300; ++code) {
        if (KeyTable::isNamedKey(code))
            named.insert(code);
    }
    QCOMPARE(named, (QSet<int>{8, 13, 16, 17, 18, 20, 26, 27, 28}));
}

void KeyTableTest::everyPrintableCharacterIsTypedByExactlyOneKey() {
    QMap<int, int> typed;
    for (const Key& key : KeyTable::keys())
        for (const int c : {int(key.plain.code), int(key.shifted.code)})
            if (c != 0)
                ++typed[c];
    QCOMPARE(typed.size(), 126 - 33 + 1);
    QCOMPARE(typed.firstKey(), 33);
    QCOMPARE(typed.lastKey(), 126);
    for (auto it = typed.cbegin(); it != typed.cend(); ++it)
        QVERIFY2(it.value() == 1, qPrintable(QChar(it.key())));
}

void KeyTableTest::rowsHoldTheirKeysFromTheLeftMargin_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::newRow("digits") << 0 << 15 << 192 << 8;
    QTest::newRow("QWERTY") << 1 << 13 << 0 << 221;
    QTest::newRow("home row") << 2 << 13 << 20 << 13;
    QTest::newRow("ZXCV") << 3 << 12 << 16 << 26;
    QTest::newRow("space bar") << 4 << 8 << 17 << 27;
}

void KeyTableTest::rowsHoldTheirKeysFromTheLeftMargin() {
    QFETCH(int, row);
    QFETCH(int, count);
    QFETCH(int, first);
    QFETCH(int, last);
    QList<const Key*> keys;
    for (const Key& key : KeyTable::keys())
        if (key.row == row)
            keys << &key;
    QCOMPARE(keys.size(), count);
    QCOMPARE(keys.first()->index, first);
    QCOMPARE(keys.last()->index, last);
    QCOMPARE(keys.first()->cap.left(), 60);
    for (qsizetype i = 1; i < keys.size(); ++i)
        QVERIFY(keys[i]->cap.left() > keys[i - 1]->cap.right());
}

namespace {

QList<const Key*> homeRow() {
    QList<const Key*> keys;
    for (const Key& key : KeyTable::keys())
        if (key.row == 2 && key.plain.code != 0)
            keys << &key;
    return keys;
}

} // namespace

void KeyTableTest::homeRowKeysAreTheEightFingersInOrder() {
    QString letters;
    for (const Key* key : homeRow())
        letters += QChar(key->plain.code) + QString::number(key->finger);
    QCOMPARE(letters, QStringLiteral("a0s1d2f3g3h4j4k5l6;7'7"));
}

// A touch-typing chart's columns run slanting: a key belongs to the home key its left edge
// reaches when shifted by its row's stagger. Keys beyond either end go to the outer home keys.
void KeyTableTest::characterKeysShareTheFingerOfTheHomeKeyOfTheirColumn_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("stagger");
    QTest::newRow("digits") << 0 << 360;
    QTest::newRow("QWERTY") << 1 << 120;
    QTest::newRow("ZXCV") << 3 << -240;
}

void KeyTableTest::characterKeysShareTheFingerOfTheHomeKeyOfTheirColumn() {
    QFETCH(int, row);
    QFETCH(int, stagger);
    const QList<const Key*> home = homeRow();
    for (const Key& key : KeyTable::keys()) {
        if (key.row != row || key.plain.code == 0)
            continue;
        const int left = key.cap.left() + stagger;
        const Key* column = left < home.first()->cap.left()  ? home.first()
                            : left > home.last()->cap.left() ? home.last()
                                                             : nullptr;
        for (const Key* h : home)
            if (h->cap.left() == left)
                column = h;
        QVERIFY2(column, qPrintable(QChar(key.plain.code)));
        QVERIFY2(key.finger == column->finger, qPrintable(QChar(key.plain.code)));
    }
}

void KeyTableTest::everyQtKeyOfAKeyLeadsBackToIt() {
    for (const Key& key : KeyTable::keys()) {
        QList<int> qtKeys;
        for (const Qt::Key qtKey : key.qtKeys)
            if (qtKey != 0)
                qtKeys << qtKey;
        for (const char16_t c : {key.plain.code, key.shifted.code})
            if (c != 0)
                qtKeys << QChar(c).toUpper().unicode();
        for (const int qtKey : qtKeys)
            QVERIFY2(KeyTable::keyOfQtKey(qtKey) == &key, qPrintable(QString::number(qtKey, 16)));
    }
}

KEYVORA_TEST_GUILESS_MAIN(KeyTable, KeyTableTest)
#include "tst_KeyTable.moc"
