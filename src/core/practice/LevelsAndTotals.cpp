#include "practice/LevelsAndTotals.h"

#include "platform/InputBox.h"
#include "practice/NumberText.h"
#include "settings/Options.h"

const QString LevelsAndTotals::customPrompt = QStringLiteral("请输入字符总数(10-99999之间)");

LevelsAndTotals::LevelsAndTotals(Options& options, InputBox& inputBox, QString appTitle)
    : options_(options), inputBox_(inputBox), appTitle_(std::move(appTitle)) {}

void LevelsAndTotals::chooseLevel(int index) {
    if (index < 0 || index >= Options::levelCount)
        return;
    options_.setLevel(index + 1);
}

void LevelsAndTotals::chooseTotal(int index, bool restoring) {
    if (index < 0 || index >= Options::totalCount)
        return;
    if (index != Options::customTotal) {
        options_.setTotal(index);
        return;
    }
    // The restore takes the entry 99 without asking; like any entry it is shown signed (" 99").
    const QString entry =
        restoring ? QString::number(fallbackTotal) : inputBox_.ask(customPrompt, appTitle_, {});
    if (entry.isEmpty())
        return;
    // The entry is taken by its leading number; a fractional total is kept as entered.
    const double value = NumberText::leadingNumber(entry);
    if (value < minCustomTotal || value > maxCustomTotal)
        options_.setTotal(index, fallbackTotal);
    else
        options_.setTotal(index, value, true);
}

QString LevelsAndTotals::levelText(const Options& options) {
    if (!options.levelChosen())
        return QStringLiteral("  3");
    return QString::number(options.level());
}

QString LevelsAndTotals::totalText(const Options& options) {
    if (options.totalEntered())
        return NumberText::signedText(options.total());
    if (options.zongshu() != Options::customTotal)
        return Options::totalCaptions().at(options.zongshu());
    return QString::number(options.total());
}
