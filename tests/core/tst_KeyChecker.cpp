#include "TestRegistry.h"

#include "practice/KeyChecker.h"

#include <QTest>

namespace {

// The US keyboard's characters written out by key: the unshifted and the shifted character of
// each punctuation and digit key and its Windows code.
struct KeyCharacters {
    char plain;
    char shifted;
    int code;
};

constexpr KeyCharacters punctuationAndDigits[] = {
    {'`', '~', 192},  {'1', '!', 49},  {'2', '@', 50},   {'3', '#', 51},  {'4', '$', 52},
    {'5', '%', 53},   {'6', '^', 54},  {'7', '&', 55},   {'8', '*', 56},  {'9', '(', 57},
    {'0', ')', 48},   {'-', '_', 189}, {'=', '+', 187},  {'[', '{', 219}, {']', '}', 221},
    {'\\', '|', 220}, {';', ':', 186}, {'\'', '"', 222}, {',', '<', 188}, {'.', '>', 190},
    {'/', '?', 191},
};

// The one (code, state) that types a printable character on a US keyboard.
struct Stroke {
    int code;
    int state;
};

Stroke strokeOf(int character) {
    if (character >= 'a' && character <= 'z')
        return {character - 32, 0};
    if (character >= 'A' && character <= 'Z')
        return {character, 1};
    for (const KeyCharacters& key : punctuationAndDigits) {
        if (key.plain == character)
            return {key.code, 0};
        if (key.shifted == character)
            return {key.code, 1};
    }
    return {-1, -1};
}

// Under key-code checking: the key of a target, or -1 when no key strikes it.
int keyOf(int target) {
    switch (target) {
    case 8:
    case 13:
    case 16:
    case 17:
    case 18:
    case 20:
    case 32:
        return target;
    case 26:
    case 27:
    case 28:
        return target - 10;
    default:
        break;
    }
    if ((target >= '0' && target <= '9') || (target >= 'A' && target <= 'Z'))
        return target;
    if (target >= 'a' && target <= 'z')
        return target - 32;
    for (const KeyCharacters& key : punctuationAndDigits)
        if (key.plain == target)
            return key.code;
    return -1;
}

QByteArray rowName(int target) {
    return QByteArray::number(target) +
           (target > 32 && target < 127 ? QByteArray(" ") + char(target) : QByteArray());
}

} // namespace

class KeyCheckerTest : public QObject {
    Q_OBJECT
private slots:
    void keyCodeCheckingAcceptsExactlyTheTargetsKeyWhateverTheModifiers_data() {
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("key");
        for (int target = 0; target <= 126; ++target)
            QTest::newRow(rowName(target)) << target << keyOf(target);
    }
    void keyCodeCheckingAcceptsExactlyTheTargetsKeyWhateverTheModifiers() {
        QFETCH(int, target);
        QFETCH(int, key);
        for (int state = 0; state <= 7; ++state)
            for (int code = 0; code <= 255; ++code)
                QVERIFY2(KeyChecker::isCorrect(false, target, code, state) == (code == key),
                         qPrintable(QStringLiteral("code %1 state %2").arg(code).arg(state)));
    }

    void shiftAwareCheckingAcceptsOnlyTheExactStroke_data() {
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("state");
        for (int target = 0; target <= 126; ++target) {
            const Stroke stroke = strokeOf(target);
            QTest::newRow(rowName(target)) << target << stroke.code << stroke.state;
        }
    }
    void shiftAwareCheckingAcceptsOnlyTheExactStroke() {
        QFETCH(int, target);
        QFETCH(int, code);
        QFETCH(int, state);
        for (int s = 0; s <= 7; ++s)
            for (int c = 0; c <= 255; ++c)
                QVERIFY2(KeyChecker::isCorrect(true, target, c, s) == (c == code && s == state),
                         qPrintable(QStringLiteral("code %1 state %2").arg(c).arg(s)));
    }

    void examplesOfBothRules_data() {
        QTest::addColumn<bool>("shiftAware");
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("correct");
        QTest::newRow("a with the A key") << false << 97 << 65 << 0 << true;
        QTest::newRow("a with Shift+A") << false << 97 << 65 << 1 << true;
        QTest::newRow("A without Shift") << false << 65 << 65 << 0 << true;
        QTest::newRow("right Shift with Shift") << false << 26 << 16 << 1 << true;
        QTest::newRow("right Alt with Alt") << false << 28 << 18 << 4 << true;
        QTest::newRow("! never by key code") << false << 33 << 49 << 1 << false;
        QTest::newRow("Shift+A is not a") << true << 97 << 65 << 1 << false;
        QTest::newRow("Shift+A is A") << true << 65 << 65 << 1 << true;
        QTest::newRow("A needs Shift") << true << 65 << 65 << 0 << false;
        QTest::newRow("Ctrl+Shift+A is not A") << true << 65 << 65 << 3 << false;
        QTest::newRow("Shift+1 is !") << true << 33 << 49 << 1 << true;
        QTest::newRow("Shift+' is double quote") << true << 34 << 222 << 1 << true;
        QTest::newRow("Enter never shift-aware") << true << 13 << 13 << 0 << false;
        QTest::newRow("Space never shift-aware") << true << 32 << 32 << 0 << false;
    }
    void examplesOfBothRules() {
        QFETCH(bool, shiftAware);
        QFETCH(int, target);
        QFETCH(int, code);
        QFETCH(int, state);
        QFETCH(bool, correct);
        QCOMPARE(KeyChecker::isCorrect(shiftAware, target, code, state), correct);
    }
};

KEYVORA_TEST_GUILESS_MAIN(KeyChecker, KeyCheckerTest)
#include "tst_KeyChecker.moc"
