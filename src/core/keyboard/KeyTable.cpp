#include "keyboard/KeyTable.h"

#include <array>

namespace KeyTable {

const QList<int>& keyIndices() {
    static const QList<int> indices = [] {
        QList<int> list = {0, 8, 13, 16, 17, 18, 20, 26, 27, 28, 32};
        for (int k = 48; k <= 57; ++k)
            list << k;
        for (int k = 65; k <= 93; ++k)
            list << k;
        for (int k = 186; k <= 192; ++k)
            list << k;
        for (int k = 219; k <= 222; ++k)
            list << k;
        return list;
    }();
    return indices;
}

bool hasPart(int keyIndex, KeyPart part) {
    switch (part) {
    case KeyPart::Cap: {
        // The blink timer asks this for every index ten times a second; a table answers at
        // once where a search of the list would walk it each time.
        static const auto hasCap = [] {
            std::array<bool, maxKeyIndex + 1> table{};
            for (int k : keyIndices())
                table[std::size_t(k)] = true;
            return table;
        }();
        return keyIndex >= 0 && keyIndex <= maxKeyIndex && hasCap[std::size_t(keyIndex)];
    }
    case KeyPart::Lower:
        switch (keyIndex) {
        case 8:
        case 13:
        case 186:
        case 187:
        case 188:
        case 190:
        case 191:
        case 192:
        case 219:
        case 220:
        case 221:
        case 222:
            return true;
        default:
            return false;
        }
    case KeyPart::Upper:
        return keyIndex == 13 || (keyIndex >= 48 && keyIndex <= 57) || keyIndex == 186 ||
               keyIndex == 192 || keyIndex == 222;
    }
    return false;
}

int keyOfTarget(int code) {
    // Digits, capitals, the named keys and the space light the key of the same number.
    if ((code >= 48 && code <= 57) || (code >= 65 && code <= 90) || isNamedKey(code) || code == 32)
        return code;
    switch (code) {
    case 96:
        return 192;
    case 45:
        return 189;
    case 61:
        return 187;
    case 92:
        return 220;
    case 91:
        return 219;
    case 93:
        return 221;
    case 59:
        return 186;
    case 39:
        return 222;
    case 44:
        return 188;
    case 46:
        return 190;
    case 47:
        return 191;
    default:
        return noKey;
    }
}

QString displayText(int code) {
    if (code >= 48 && code <= 57)
        return QString(QChar(code)) + QLatin1Char('.');
    switch (code) {
    case 38:
        return QStringLiteral("＆");
    case 39:
        return QStringLiteral("＇");
    case 95:
        return QStringLiteral("—");
    case 8:
        return QStringLiteral("退格");
    case 13:
        return QStringLiteral("回车");
    case 20:
        return QStringLiteral("Caps");
    case 16:
        return QStringLiteral("左Shift");
    case 17:
        return QStringLiteral("左Ctrl");
    case 18:
        return QStringLiteral("左Alt");
    case 26:
        return QStringLiteral("右Shift");
    case 27:
        return QStringLiteral("右Ctrl");
    case 28:
        return QStringLiteral("右Alt");
    case 32:
        return QStringLiteral("空格");
    default:
        return code > 0 && code < 0x10000 ? QString(QChar(code)) : QString();
    }
}

QString stem(int code) {
    switch (code) {
    case 8:
        return QStringLiteral("退格");
    case 13:
        return QStringLiteral("回车");
    case 16:
        return QStringLiteral("左Shift");
    case 17:
        return QStringLiteral("左Ctrl");
    case 18:
        return QStringLiteral("左Alt");
    case 20:
        return QStringLiteral("Caps Lock");
    case 26:
        return QStringLiteral("右Shift");
    case 27:
        return QStringLiteral("右Ctrl");
    case 28:
        return QStringLiteral("右Alt");
    case 32:
        return QStringLiteral("空格");
    case 33:
        return QStringLiteral("感叹号");
    case 34:
        return QStringLiteral("双引号");
    case 35:
        return QStringLiteral("井号");
    case 36:
        return QStringLiteral("美元");
    case 37:
        return QStringLiteral("百分号");
    case 38:
        return QStringLiteral("and");
    case 39:
        return QStringLiteral("撇号");
    case 40:
        return QStringLiteral("左小括号");
    case 41:
        return QStringLiteral("右小括号");
    case 42:
        return QStringLiteral("星号");
    case 43:
        return QStringLiteral("加号");
    case 44:
        return QStringLiteral("逗号");
    case 45:
        return QStringLiteral("减号");
    case 46:
        return QStringLiteral("句号");
    case 47:
        return QStringLiteral("斜线");
    case 58:
        return QStringLiteral("冒号");
    case 59:
        return QStringLiteral("分号");
    case 60:
        return QStringLiteral("小于号");
    case 61:
        return QStringLiteral("等于号");
    case 62:
        return QStringLiteral("大于号");
    case 63:
        return QStringLiteral("问号");
    case 64:
        return QStringLiteral("at");
    case 91:
        return QStringLiteral("左中括号");
    case 92:
        return QStringLiteral("反斜线");
    case 93:
        return QStringLiteral("右中括号");
    case 94:
        return QStringLiteral("乘方");
    case 95:
        return QStringLiteral("下划线");
    case 96:
        return QStringLiteral("捺点");
    case 123:
        return QStringLiteral("左大括号");
    case 124:
        return QStringLiteral("竖线");
    case 125:
        return QStringLiteral("右大括号");
    case 126:
        return QStringLiteral("波浪线");
    default:
        break;
    }
    if (code >= 65 && code <= 90)
        return QString(QChar(code + 32));
    if (code >= 33 && code <= 126)
        return QString(QChar(code));
    return QString();
}

bool isNamedKey(int code) {
    switch (code) {
    case 8:
    case 13:
    case 16:
    case 17:
    case 18:
    case 20:
    case 26:
    case 27:
    case 28:
        return true;
    default:
        return false;
    }
}

} // namespace KeyTable
