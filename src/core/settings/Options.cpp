#include "settings/Options.h"

Options::Options(QObject* parent) : QObject(parent) {}

const QStringList& Options::styleCaptions() {
    static const QStringList captions = {
        QStringLiteral("显示键盘-字母和数字(&A)"),
        QStringLiteral("显示键盘-26个字母(&B)"),
        QStringLiteral("显示键盘-10个数字(&C)"),
        QStringLiteral("显示键盘-全部按键(&D)"),
        QStringLiteral("-"),
        QStringLiteral("下落字符-数字和字母(大写显示)(&E)"),
        QStringLiteral("下落字符-数字和字母(小写显示)(&F)"),
        QStringLiteral("下落字符-26个字母(&G)"),
        QStringLiteral("下落字符-10个数字(&H)"),
        QStringLiteral("下落字符-全部按键(大写显示)(&H)"),
        QStringLiteral("下落字符-全部按键(小写显示)(&J)"),
        QStringLiteral("下落字符-全部字符(&K)"),
    };
    return captions;
}

const QStringList& Options::soundCaptions() {
    static const QStringList captions = {
        QStringLiteral("无(&N)"),    QStringLiteral("语音报键(&Y)"), QStringLiteral("音效1(&O)"),
        QStringLiteral("音效2(&T)"), QStringLiteral("音效3(&S)"),    QStringLiteral("音效4(&F)"),
        QStringLiteral("音效5(&W)"), QStringLiteral("音效6(&L)"),    QStringLiteral("音效7(&Q)"),
    };
    return captions;
}

const QStringList& Options::totalCaptions() {
    static const QStringList captions = {
        QStringLiteral("10"),  QStringLiteral("20"),  QStringLiteral("30"),
        QStringLiteral("40"),  QStringLiteral("50"),  QStringLiteral("60"),
        QStringLiteral("70"),  QStringLiteral("80"),  QStringLiteral("90"),
        QStringLiteral("100"), QStringLiteral("200"), QStringLiteral("自定义"),
    };
    return captions;
}

double Options::itemTotal(int zongshu) {
    return zongshu == 10 ? 200 : (zongshu + 1) * 10;
}

namespace {

// Stores the value and tells whether it changed.
template <typename T> bool assign(T& slot, T value) {
    if (slot == value)
        return false;
    slot = value;
    return true;
}

} // namespace

void Options::setFengge(int style) {
    if (style < 0 || style >= styleCount || style == styleSeparator)
        return;
    if (assign(fengge_, style))
        emit fenggeChanged(style);
}

void Options::setShengyin(int mode) {
    if (mode < 0 || mode >= soundModeCount)
        return;
    if (assign(shengyin_, mode))
        emit shengyinChanged(mode);
}

void Options::setLevel(int level) {
    if (level < 1 || level > levelCount)
        return;
    const bool chosen = assign(levelChosen_, true);
    if (assign(level_, level) || chosen)
        emit levelChanged(level);
}

void Options::setTotal(int zongshu, double total, bool entered) {
    if (zongshu < 0 || zongshu >= totalCount)
        return;
    if (zongshu != customTotal) {
        total = itemTotal(zongshu);
        entered = false;
    }
    const bool item = assign(zongshu_, zongshu);
    const bool number = assign(total_, total);
    const bool entry = assign(totalEntered_, entered);
    if (item || number || entry)
        emit totalChanged(total_);
}

void Options::setZhifa(bool on) {
    if (assign(zhifa_, on))
        emit zhifaChanged(on);
}

void Options::setCuowushengyin(bool on) {
    if (assign(cuowushengyin_, on))
        emit cuowushengyinChanged(on);
}

void Options::setBeijingyinyue(bool on) {
    if (assign(beijingyinyue_, on))
        emit beijingyinyueChanged(on);
}

void Options::setBanci(int edition) {
    if (edition != 86 && edition != 98)
        return;
    if (assign(banci_, edition))
        emit banciChanged(edition);
}

void Options::setYicuojian(bool on) {
    if (assign(yicuojian_, on))
        emit yicuojianChanged(on);
}

void Options::setReciting(bool on) {
    if (assign(reciting_, on))
        emit recitingChanged(on);
}
