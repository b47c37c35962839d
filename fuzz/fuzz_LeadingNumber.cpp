// Arbitrary text through the leading-number parse and the settings index reading. The input is
// taken once as UTF-8 and once as raw UTF-16 code units (unpaired surrogates included).

#include "settings/NumberText.h"
#include "settings/SettingsFile.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <string>

namespace {

[[noreturn]] void fail(const char* what, const QString& text) {
    fprintf(stderr, "property broken: %s\ntext: \"%s\"\n", what, text.toUtf8().constData());
    abort();
}

// An independent reading of the same rule through the C library: after the blanks, the run of
// characters that can belong to a decimal number goes to strtod, which takes the longest
// valid prefix of it. Hex forms, "inf" and "nan" cannot occur, their letters are not in the run.
double reference(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    std::string run;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= 128 || !std::strchr("0123456789+-.eE", int(c)) || c == 0)
            break;
        run += char(c);
    }
    return std::strtod(run.c_str(), nullptr);
}

bool same(double a, double b) {
    // Both round correctly, so a difference is a fault; values too small for a normal double
    // are the one place where "no number" (0) and a denormal may differ, and both round to 0.
    if (a == b)
        return true;
    return std::fabs(a) < std::numeric_limits<double>::min() &&
           std::fabs(b) < std::numeric_limits<double>::min();
}

void check(const QString& text) {
    // A copy of exactly the text's length with nothing after it: any read past the end is a
    // heap overflow for the address sanitizer, and a view into a longer buffer followed by
    // digits shows whether the parse stops at the text's end.
    const qsizetype n = text.size();
    std::unique_ptr<QChar[]> exact(new QChar[std::size_t(std::max<qsizetype>(n, 1))]);
    std::copy(text.cbegin(), text.cend(), exact.get());
    const QString bounded = QString::fromRawData(exact.get(), n);
    const double value = NumberText::leadingNumber(bounded);

    const QString longer = text + QStringLiteral("9.9e9");
    if (!same(NumberText::leadingNumber(QString::fromRawData(longer.constData(), n)), value))
        fail("the parse reads beyond the end of the text", text);

    if (std::isnan(value))
        fail("the parse gives NaN", text);
    if (!same(value, reference(text)))
        fail("the parse disagrees with strtod over the numeric run", text);

    if (!same(NumberText::leadingNumber(QStringLiteral(" \t  ") + text), value))
        fail("leading blanks change the value", text);
    // '#' can continue no number, so appending it never changes what was read.
    if (!same(NumberText::leadingNumber(text + QLatin1Char('#')), value))
        fail("a character after the number changes it", text);

    const std::optional<int> index = SettingsFile::indexValue(text);
    const double rounded = NumberText::roundHalfEven(NumberText::leadingNumber(text.trimmed()));
    const bool fits = std::isfinite(rounded) && rounded >= -32768.0 && rounded <= 32767.0;
    if (index.has_value() != fits)
        fail("an index is given exactly when the rounded number fits 16 bits", text);
    if (index && *index != int(rounded))
        fail("the index is the rounded number", text);
    if (std::isfinite(value)) {
        const double r = NumberText::roundHalfEven(value);
        if (r != std::floor(r) || std::fabs(r - value) > 0.5 ||
            (std::fabs(r - value) == 0.5 && std::fmod(r, 2.0) != 0.0))
            fail("rounding is to the nearest whole number, halves to even", text);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Long texts add nothing the short ones do not show, and slow every run.
    if (size > 4096)
        return 0;
    check(QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)));

    std::u16string units(size / 2, u'\0');
    std::memcpy(units.data(), data, units.size() * 2);
    check(QString::fromUtf16(units.data(), qsizetype(units.size())));

    // Every 16-bit index written in the signed style reads back as itself.
    if (size >= 2) {
        const int k = int(int16_t(uint16_t(data[0] | (data[1] << 8))));
        const QString written = NumberText::signedText(k);
        const std::optional<int> back = SettingsFile::indexValue(written);
        if (!back || *back != k)
            fail("a written index does not read back", written);
    }
    return 0;
}
