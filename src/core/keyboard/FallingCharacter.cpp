#include "keyboard/FallingCharacter.h"

#include "keyboard/FallingLabel.h"
#include "keyboard/KeyTable.h"
#include "keyboard/TargetSelector.h"
#include "practice/PracticeState.h"

FallingCharacter::FallingCharacter(PracticeState& state, FallingLabel& label,
                                   TargetSelector& selector)
    : state_(state), label_(label), selector_(selector) {}

void FallingCharacter::tick() {
    state_.xialuobushu += 1;

    // The landing test looks at the top edge placed by the previous tick. Right after a new
    // target is chosen (step count -1 now) that edge still belongs to the previous target, or
    // to the previous run: a target struck just above the bottom, or a run stopped there, must
    // not make the fresh target land before it was ever shown.
    const bool placedForThisTarget = state_.xialuobushu >= 0;
    if (placedForThisTarget &&
        static_cast<float>(label_.top()) >= static_cast<float>(areaHeight - landingMargin)) {
        state_.setJishu(state_.jishu() + 1);
        label_.setCaption(QString());
        label_.setTop(0);
        selector_.zifu();
        return;
    }

    const QString text = KeyTable::displayText(state_.mubiao);
    if (label_.caption() != text)
        label_.setCaption(text);
    label_.setLeft(state_.hengzuobiao);
    // The level is read anew on every tick, so a change of level moves the label at once.
    label_.setTop(state_.level() * state_.xialuobushu * stepPerLevel);
}
