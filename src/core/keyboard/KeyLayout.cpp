#include "keyboard/KeyLayout.h"

#include <cmath>

namespace KeyLayout {

namespace {

constexpr int capWidth = 435;
constexpr int capHeight = 375;

constexpr double letterPoints = 15;        // " A", " 7"
constexpr double wordPoints = 9;           // "Tab", "Caps", " Shift", ...
constexpr double punctuationPoints = 10.5; // the shifted character on a punctuation cap

// A letter or digit: one space and the character, large and bold.
Cap letterCap(int index, int left, int top) {
    Cap cap;
    cap.index = index;
    cap.caption = QLatin1Char(' ') + QChar(index);
    cap.rect = QRect(left, top, capWidth, capHeight);
    cap.points = letterPoints;
    return cap;
}

// A key named by a word: Tab, Caps, Shift, Ctrl, Alt.
Cap wordCap(int index, const QString& caption, int left, int top, int width,
            const QString& name = QString()) {
    Cap cap;
    cap.index = index;
    cap.caption = caption;
    cap.rect = QRect(left, top, width, capHeight);
    cap.points = wordPoints;
    cap.accessibleName = name;
    return cap;
}

// A punctuation key: the shifted character at the top left, the unshifted one is a glyph.
Cap punctuationCap(int index, const QString& caption, int left, int top, const QString& name) {
    Cap cap;
    cap.index = index;
    cap.caption = caption;
    cap.rect = QRect(left, top, capWidth, capHeight);
    cap.points = punctuationPoints;
    cap.alignment = Qt::AlignLeft | Qt::AlignTop;
    cap.accessibleName = name;
    return cap;
}

// A cap without caption: its characters, if any, are glyphs and line segments.
Cap blankCap(int index, int left, int top, int width, const QString& name) {
    return wordCap(index, QString(), left, top, width, name);
}

Glyph glyph(int index, KeyPart part, const QString& text, const QRect& rect) {
    Glyph g;
    g.index = index;
    g.part = part;
    g.text = text;
    g.rect = rect;
    return g;
}

QList<Cap> buildCaps() {
    QList<Cap> list;
    int top = rowTops[0];
    list << blankCap(192, 60, top, capWidth, QStringLiteral("反引号与波浪线键"));
    const char row1[] = "1234567890";
    for (int i = 0; i < 10; ++i)
        list << letterCap(row1[i], 540 + 480 * i, top);
    list << blankCap(189, 5340, top, capWidth, QStringLiteral("减号与下划线键"));
    list << punctuationCap(187, QStringLiteral("+"), 5820, top, QStringLiteral("等号与加号键"));
    list << punctuationCap(220, QStringLiteral("|"), 6300, top, QStringLiteral("反斜线与竖线键"));
    list << blankCap(8, 6780, top, capWidth, QStringLiteral("退格键"));

    top = rowTops[1];
    list << wordCap(0, QStringLiteral("Tab"), 60, top, 675, QStringLiteral("Tab 键"));
    const char row2[] = "QWERTYUIOP";
    for (int i = 0; i < 10; ++i)
        list << letterCap(row2[i], 780 + 480 * i, top);
    list << punctuationCap(219, QStringLiteral("{"), 5580, top, QStringLiteral("左中括号键"));
    list << punctuationCap(221, QStringLiteral("}"), 6060, top, QStringLiteral("右中括号键"));

    top = rowTops[2];
    list << wordCap(20, QStringLiteral("Caps"), 60, top, 795, QStringLiteral("Caps Lock 键"));
    const char row3[] = "ASDFGHJKL";
    for (int i = 0; i < 9; ++i)
        list << letterCap(row3[i], 900 + 480 * i, top);
    list << blankCap(186, 5220, top, capWidth, QStringLiteral("分号与冒号键"));
    list << blankCap(222, 5700, top, capWidth, QStringLiteral("引号键"));
    // The lower arm of the L-shaped Enter key; its outline is drawn by line segments.
    Cap enter = wordCap(13, QStringLiteral("Enter"), 6195, 3015, 985, QStringLiteral("回车键"));
    enter.rect.setHeight(330);
    enter.bordered = false;
    list << enter;

    top = rowTops[3];
    list << wordCap(16, QStringLiteral(" Shift"), 60, top, 1035, QStringLiteral("左 Shift 键"));
    const char row4[] = "ZXCVBNM";
    for (int i = 0; i < 7; ++i)
        list << letterCap(row4[i], 1140 + 480 * i, top);
    list << punctuationCap(188, QStringLiteral("<"), 4500, top, QStringLiteral("逗号键"));
    list << punctuationCap(190, QStringLiteral(">"), 4980, top, QStringLiteral("句号键"));
    list << punctuationCap(191, QStringLiteral("?"), 5460, top, QStringLiteral("斜线与问号键"));
    list << wordCap(26, QStringLiteral(" Shift"), 5940, top, 1275, QStringLiteral("右 Shift 键"));

    top = rowTops[4];
    list << wordCap(17, QStringLiteral("Ctrl"), 60, top, 675, QStringLiteral("左 Ctrl 键"));
    list << blankCap(91, 780, top, capWidth, QStringLiteral("左 Windows 键"));
    list << wordCap(18, QStringLiteral("Alt"), 1260, top, 675, QStringLiteral("左 Alt 键"));
    list << blankCap(32, 1980, top, 3195, QStringLiteral("空格键"));
    list << wordCap(28, QStringLiteral("Alt"), 5220, top, capWidth, QStringLiteral("右 Alt 键"));
    list << blankCap(92, 5700, top, capWidth, QStringLiteral("右 Windows 键"));
    list << blankCap(93, 6180, top, capWidth, QStringLiteral("菜单键"));
    list << wordCap(27, QStringLiteral("Ctrl"), 6660, top, 555, QStringLiteral("右 Ctrl 键"));
    return list;
}

QList<Glyph> buildGlyphs() {
    QList<Glyph> list;
    // The shifted symbols of the digits, at the top left of their caps.
    const QString shifted[10] = {QStringLiteral(")"), QStringLiteral("!"),  QStringLiteral("@"),
                                 QStringLiteral("#"), QStringLiteral("$"),  QStringLiteral("%"),
                                 QStringLiteral("^"), QStringLiteral("＆"), QStringLiteral("*"),
                                 QStringLiteral("(")};
    for (int digit = 0; digit <= 9; ++digit) {
        const int index = '0' + digit;
        const int capLeft = digit == 0 ? 4860 : 540 + 480 * (digit - 1);
        list << glyph(index, KeyPart::Upper, shifted[digit], QRect(capLeft + 10, 2050, 135, 195));
    }
    const auto lower = KeyPart::Lower;
    const auto upper = KeyPart::Upper;
    list << glyph(192, lower, QStringLiteral("`"), QRect(120, 2280, 195, 75));
    list << glyph(192, upper, QStringLiteral("~"), QRect(120, 2100, 255, 135));
    list << glyph(187, lower, QStringLiteral("="), QRect(6000, 2160, 195, 195));
    list << glyph(220, lower, QStringLiteral("\\"), QRect(6480, 2160, 195, 195));
    list << glyph(8, lower, QStringLiteral("←"), QRect(6900, 2160, 195, 135));
    list << glyph(219, lower, QStringLiteral("["), QRect(5760, 2680, 195, 195));
    list << glyph(221, lower, QStringLiteral("]"), QRect(6240, 2680, 195, 195));
    list << glyph(186, lower, QStringLiteral(";"), QRect(5400, 3060, 195, 255));
    list << glyph(186, upper, QStringLiteral(":"), QRect(5230, 3010, 195, 195));
    // The quote key: a small blank patch under the apostrophe segment, and the double quote.
    list << glyph(222, lower, QString(), QRect(5940, 3240, 75, 75));
    list << glyph(222, upper, QStringLiteral("\""), QRect(5720, 3020, 195, 195));
    list << glyph(13, lower, QStringLiteral("←"), QRect(6900, 3060, 195, 135));
    // The upper arm of the Enter key: a blank patch that lights with the rest of the key.
    list << glyph(13, upper, QString(), QRect(6540, 2530, 665, 495));
    list << glyph(188, lower, QStringLiteral(","), QRect(4680, 3540, 195, 255));
    list << glyph(190, lower, QStringLiteral("."), QRect(5160, 3540, 195, 195));
    list << glyph(191, lower, QStringLiteral("/"), QRect(5700, 3600, 135, 195));
    return list;
}

QList<Segment> buildLines() {
    return {
        {QLine(6540, 2520, 7200, 2520), 1}, // Enter outline, top
        {QLine(6180, 3000, 6180, 3360), 1}, // Enter outline, left of the lower arm
        {QLine(6540, 2520, 6540, 3000), 1}, // Enter outline, left of the upper arm
        {QLine(6180, 3000, 6540, 3000), 1}, // Enter outline, step
        {QLine(6180, 3360, 7200, 3360), 1}, // Enter outline, bottom
        {QLine(5400, 2100, 5580, 2100), 1}, // "_" on the minus key
        {QLine(7200, 2520, 7200, 3360), 1}, // Enter outline, right
        {QLine(5460, 2280, 5580, 2280), 1}, // "-" on the minus key
        {QLine(7080, 2700, 7080, 3180), 1}, // stem of the Enter arrow
        {QLine(6000, 3240, 5940, 3300), 2}, // the apostrophe on the quote key
    };
}

} // namespace

const QList<Cap>& caps() {
    static const QList<Cap> list = buildCaps();
    return list;
}

const QList<Glyph>& glyphs() {
    static const QList<Glyph> list = buildGlyphs();
    return list;
}

const QList<Segment>& lines() {
    static const QList<Segment> list = buildLines();
    return list;
}

const Cap* capOf(int keyIndex) {
    for (const Cap& cap : caps()) {
        if (cap.index == keyIndex)
            return &cap;
    }
    return nullptr;
}

const Glyph* glyphOf(int keyIndex, KeyPart part) {
    for (const Glyph& g : glyphs()) {
        if (g.index == keyIndex && g.part == part)
            return &g;
    }
    return nullptr;
}

int pixels(int twips) {
    return int(std::lround(double(twips) / twipsPerPixel));
}

QPoint pixels(const QPoint& twips) {
    return {pixels(twips.x()), pixels(twips.y())};
}

QRect pixels(const QRect& twips) {
    return {pixels(twips.x()), pixels(twips.y()), pixels(twips.width()), pixels(twips.height())};
}

} // namespace KeyLayout
