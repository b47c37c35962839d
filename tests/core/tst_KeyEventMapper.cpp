#include "TestRegistry.h"

#include "practice/KeyChecker.h"
#include "practice/KeyEventMapper.h"

#include <QTest>

using Stroke = KeyEventMapper::Stroke;

Q_DECLARE_METATYPE(Qt::KeyboardModifiers)

namespace {

// The US main block as Qt reports it: the key value without and with Shift, and the Windows
// code of the physical key. Qt's key values of ASCII characters are the characters' codes,
// with letters always in capitals.
struct MainBlockKey {
    char plain;
    char shifted;
    int code;
};

constexpr MainBlockKey mainBlock[] = {
    {'`', '~', 192},  {'1', '!', 49},   {'2', '@', 50},  {'3', '#', 51},  {'4', '$', 52},
    {'5', '%', 53},   {'6', '^', 54},   {'7', '&', 55},  {'8', '*', 56},  {'9', '(', 57},
    {'0', ')', 48},   {'-', '_', 189},  {'=', '+', 187}, {'Q', 'Q', 81},  {'W', 'W', 87},
    {'E', 'E', 69},   {'R', 'R', 82},   {'T', 'T', 84},  {'Y', 'Y', 89},  {'U', 'U', 85},
    {'I', 'I', 73},   {'O', 'O', 79},   {'P', 'P', 80},  {'[', '{', 219}, {']', '}', 221},
    {'\\', '|', 220}, {'A', 'A', 65},   {'S', 'S', 83},  {'D', 'D', 68},  {'F', 'F', 70},
    {'G', 'G', 71},   {'H', 'H', 72},   {'J', 'J', 74},  {'K', 'K', 75},  {'L', 'L', 76},
    {';', ':', 186},  {'\'', '"', 222}, {'Z', 'Z', 90},  {'X', 'X', 88},  {'C', 'C', 67},
    {'V', 'V', 86},   {'B', 'B', 66},   {'N', 'N', 78},  {'M', 'M', 77},  {',', '<', 188},
    {'.', '>', 190},  {'/', '?', 191},
};

} // namespace

class KeyEventMapperTest : public QObject {
    Q_OBJECT
private slots:
    void eachKeyOfTheMainBlockGivesItsCodeShiftedOrNot_data() {
        QTest::addColumn<int>("qtKey");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("state");
        for (const MainBlockKey& key : mainBlock) {
            const QByteArray plain(1, key.plain);
            const QByteArray shifted(1, key.shifted);
            QTest::newRow("plain " + plain)
                << int(key.plain) << Qt::KeyboardModifiers() << key.code << 0;
            QTest::newRow("shift " + shifted)
                << int(key.shifted) << Qt::KeyboardModifiers(Qt::ShiftModifier) << key.code << 1;
            QTest::newRow("ctrl " + plain)
                << int(key.plain) << Qt::KeyboardModifiers(Qt::ControlModifier) << key.code << 2;
            QTest::newRow("alt " + plain)
                << int(key.plain) << Qt::KeyboardModifiers(Qt::AltModifier) << key.code << 4;
        }
    }
    void eachKeyOfTheMainBlockGivesItsCodeShiftedOrNot() {
        QFETCH(int, qtKey);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(int, code);
        QFETCH(int, state);
        QCOMPARE(KeyEventMapper::map(qtKey, modifiers), (Stroke{code, state}));
    }

    void namedAndKeypadKeysGiveTheirWindowsCodes_data() {
        QTest::addColumn<int>("qtKey");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("state");
        const Qt::KeyboardModifiers none;
        const Qt::KeyboardModifiers keypad(Qt::KeypadModifier);
        const Qt::KeyboardModifiers shift(Qt::ShiftModifier);
        QTest::newRow("space") << int(Qt::Key_Space) << none << 32 << 0;
        QTest::newRow("shift space") << int(Qt::Key_Space) << shift << 32 << 1;
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << none << 8 << 0;
        QTest::newRow("tab") << int(Qt::Key_Tab) << none << 9 << 0;
        QTest::newRow("shift tab") << int(Qt::Key_Backtab) << shift << 9 << 1;
        QTest::newRow("return") << int(Qt::Key_Return) << none << 13 << 0;
        QTest::newRow("caps lock") << int(Qt::Key_CapsLock) << none << 20 << 0;
        QTest::newRow("escape") << int(Qt::Key_Escape) << none << 27 << 0;
        QTest::newRow("page up") << int(Qt::Key_PageUp) << none << 33 << 0;
        QTest::newRow("page down") << int(Qt::Key_PageDown) << none << 34 << 0;
        QTest::newRow("end") << int(Qt::Key_End) << none << 35 << 0;
        QTest::newRow("home") << int(Qt::Key_Home) << none << 36 << 0;
        QTest::newRow("left") << int(Qt::Key_Left) << none << 37 << 0;
        QTest::newRow("up") << int(Qt::Key_Up) << none << 38 << 0;
        QTest::newRow("right") << int(Qt::Key_Right) << none << 39 << 0;
        QTest::newRow("down") << int(Qt::Key_Down) << none << 40 << 0;
        QTest::newRow("insert") << int(Qt::Key_Insert) << none << 45 << 0;
        QTest::newRow("delete") << int(Qt::Key_Delete) << none << 46 << 0;
        QTest::newRow("F1") << int(Qt::Key_F1) << none << 112 << 0;
        QTest::newRow("F12") << int(Qt::Key_F12) << none << 123 << 0;
        QTest::newRow("num lock") << int(Qt::Key_NumLock) << none << 144 << 0;
        QTest::newRow("scroll lock") << int(Qt::Key_ScrollLock) << none << 145 << 0;
        QTest::newRow("pause") << int(Qt::Key_Pause) << none << 19 << 0;
        QTest::newRow("print") << int(Qt::Key_Print) << none << 44 << 0;
        QTest::newRow("windows") << int(Qt::Key_Meta) << none << 91 << 0;
        QTest::newRow("super") << int(Qt::Key_Super_L) << none << 91 << 0;
        QTest::newRow("menu") << int(Qt::Key_Menu) << none << 93 << 0;
        QTest::newRow("keypad 0") << int(Qt::Key_0) << keypad << 96 << 0;
        QTest::newRow("keypad 9") << int(Qt::Key_9) << keypad << 105 << 0;
        QTest::newRow("keypad *") << int(Qt::Key_Asterisk) << keypad << 106 << 0;
        QTest::newRow("keypad +") << int(Qt::Key_Plus) << keypad << 107 << 0;
        QTest::newRow("keypad -") << int(Qt::Key_Minus) << keypad << 109 << 0;
        QTest::newRow("keypad .") << int(Qt::Key_Period) << keypad << 110 << 0;
        QTest::newRow("keypad /") << int(Qt::Key_Slash) << keypad << 111 << 0;
        QTest::newRow("keypad enter") << int(Qt::Key_Enter) << keypad << 13 << 0;
        QTest::newRow("keypad home") << int(Qt::Key_Home) << keypad << 36 << 0;
    }
    void namedAndKeypadKeysGiveTheirWindowsCodes() {
        QFETCH(int, qtKey);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(int, code);
        QFETCH(int, state);
        QCOMPARE(KeyEventMapper::map(qtKey, modifiers), (Stroke{code, state}));
    }

    void aModifierKeysOwnPressCarriesItsBit_data() {
        QTest::addColumn<int>("qtKey");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("state");
        const Qt::KeyboardModifiers none;
        QTest::newRow("shift, bit not reported") << int(Qt::Key_Shift) << none << 16 << 1;
        QTest::newRow("shift, bit reported")
            << int(Qt::Key_Shift) << Qt::KeyboardModifiers(Qt::ShiftModifier) << 16 << 1;
        QTest::newRow("ctrl") << int(Qt::Key_Control) << none << 17 << 2;
        QTest::newRow("alt") << int(Qt::Key_Alt) << none << 18 << 4;
        QTest::newRow("alt gr") << int(Qt::Key_AltGr) << none << 18 << 4;
        QTest::newRow("ctrl with shift and alt held")
            << int(Qt::Key_Control) << (Qt::ShiftModifier | Qt::AltModifier) << 17 << 7;
        QTest::newRow("windows key has no bit")
            << int(Qt::Key_Meta) << Qt::KeyboardModifiers(Qt::MetaModifier) << 91 << 0;
    }
    void aModifierKeysOwnPressCarriesItsBit() {
        QFETCH(int, qtKey);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(int, code);
        QFETCH(int, state);
        QCOMPARE(KeyEventMapper::map(qtKey, modifiers), (Stroke{code, state}));
    }

    void keysWithoutAWindowsCodeGiveACodeNoTargetHas_data() {
        QTest::addColumn<int>("qtKey");
        QTest::newRow("volume up") << int(Qt::Key_VolumeUp);
        QTest::newRow("media play") << int(Qt::Key_MediaPlay);
        QTest::newRow("unknown") << int(Qt::Key_unknown);
        QTest::newRow("a-umlaut") << int(Qt::Key_Adiaeresis);
        QTest::newRow("F25") << int(Qt::Key_F25);
    }
    void keysWithoutAWindowsCodeGiveACodeNoTargetHas() {
        QFETCH(int, qtKey);
        QCOMPARE(KeyEventMapper::map(qtKey, Qt::ShiftModifier),
                 (Stroke{KeyEventMapper::unknownKey, KeyEventMapper::shiftBit}));
        for (int target = 0; target <= 126; ++target)
            for (int state : {0, KeyEventMapper::shiftBit})
                for (bool shiftAware : {false, true})
                    QVERIFY(!KeyChecker::isCorrect(shiftAware, target, KeyEventMapper::unknownKey,
                                                   state));
    }
};

KEYVORA_TEST_GUILESS_MAIN(KeyEventMapper, KeyEventMapperTest)
#include "tst_KeyEventMapper.moc"
