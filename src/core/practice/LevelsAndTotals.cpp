#include "practice/LevelsAndTotals.h"

#include "menus/MenuTree.h"
#include "platform/InputBox.h"
#include "practice/NumberText.h"
#include "practice/PracticeState.h"

#include <QAction>

const QString LevelsAndTotals::customPrompt = QStringLiteral("请输入字符总数(10-99999之间)");
const QString LevelsAndTotals::fallbackTotal = QStringLiteral("99");

LevelsAndTotals::LevelsAndTotals(PracticeState& state, MenuTree& menus, InputBox& inputBox,
                                 QString appTitle)
    : state_(state), menus_(menus), inputBox_(inputBox), appTitle_(std::move(appTitle)) {}

namespace {

void checkOnly(const QList<QAction*>& group, int index) {
    for (QAction* item : group)
        item->setChecked(false);
    group[index]->setChecked(true);
}

} // namespace

void LevelsAndTotals::chooseLevel(int index) {
    if (index < 0 || index >= menus_.jibie.size())
        return;
    checkOnly(menus_.jibie, index);
    state_.setText(StatLabel::Level, menus_.jibie[index]->text());
}

void LevelsAndTotals::chooseTotal(int index, bool restoring) {
    if (index < 0 || index >= menus_.zongshu.size())
        return;

    if (index == customTotalIndex) {
        QString entry = restoring ? fallbackTotal : inputBox_.ask(customPrompt, appTitle_, {});
        if (entry.isEmpty())
            return;
        // The entry is taken by its leading number and shown in the signed style (" 150"); a
        // fractional total is kept as entered.
        const double value = NumberText::leadingNumber(entry);
        entry = NumberText::signedText(value);
        if (value < minCustomTotal || value > maxCustomTotal)
            entry = fallbackTotal;
        state_.setText(StatLabel::Total, entry);
    } else {
        state_.setText(StatLabel::Total, menus_.zongshu[index]->text());
    }
    checkOnly(menus_.zongshu, index);
}
