#include "practice/NumberText.h"

#include <cmath>

namespace NumberText {

double leadingNumber(const QString& text) {
    int i = 0;
    const int n = int(text.size());
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    const int start = i;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    int digits = 0;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
        ++i;
        ++digits;
    }
    const int integerEnd = i;
    if (i < n && text[i] == QLatin1Char('.')) {
        ++i;
        while (i < n && text[i].unicode() >= '0' && text[i].unicode() <= '9') {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0.0;
    int end = i;
    // An exponent only counts when digits follow it.
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        int j = i + 1;
        if (j < n && (text[j] == QLatin1Char('+') || text[j] == QLatin1Char('-')))
            ++j;
        const int expStart = j;
        while (j < n && text[j].unicode() >= '0' && text[j].unicode() <= '9')
            ++j;
        if (j > expStart)
            end = j;
    }
    // Level and total texts are whole numbers read on every tick of a run: those need no general
    // conversion. Up to 15 digits every integer is exact in a double.
    if (end == integerEnd && digits <= 15) {
        int k = start;
        const bool negative = text[k] == QLatin1Char('-');
        if (negative || text[k] == QLatin1Char('+'))
            ++k;
        double value = 0;
        for (; k < end; ++k)
            value = value * 10 + (text[k].unicode() - '0');
        return negative ? -value : value;
    }
    bool ok = false;
    const double value = text.mid(start, end - start).toDouble(&ok);
    if (!ok)
        return std::isinf(value) ? value : 0.0;
    return value;
}

double roundHalfEven(double value) {
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff < 0.5)
        return floor;
    if (diff > 0.5)
        return floor + 1.0;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

QString signedText(double value) {
    QString body;
    if (value == std::floor(value) && std::fabs(value) < 1e15)
        body = QString::number(static_cast<long long>(value));
    else
        body = QString::number(value, 'g', 15);
    return value < 0 ? body : QLatin1Char(' ') + body;
}

QString twoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace NumberText
