#include "keyboard/TargetSelector.h"

#include "keyboard/FallingLabel.h"
#include "keyboard/KeyTable.h"
#include "keyboard/TargetSets.h"
#include "keyboard/TargetWeights.h"
#include "menus/MenuTree.h"
#include "platform/ProgramFolder.h"
#include "platform/RandomSource.h"
#include "platform/SoundChannel.h"
#include "practice/PracticeState.h"

#include <QAction>

#include <cmath>

TargetSelector::TargetSelector(PracticeState& state, const MenuTree& menus, FallingLabel& falling,
                               RandomSource& random, SoundChannel& keySound,
                               const ProgramFolder& folder)
    : state_(state), menus_(menus), falling_(falling), random_(random), keySound_(keySound),
      folder_(folder) {}

void TargetSelector::zifu() {
    random_.reseed();
    if (state_.runComplete())
        return;

    const auto styleChecked = [this](int i) {
        return i < menus_.fengge1.size() && menus_.fengge1[i]->isChecked();
    };
    // Every set is non-empty, so rejected draws simply repeat until one belongs to it; each
    // code of the set is then equally likely.
    int code = 0;
    if (weights_ && weights_->active()) {
        code = weights_->draw(TargetSets::forCheckedStyle(styleChecked), random_.next());
    } else {
        do {
            code = std::min(126, int(std::floor(random_.next() * 127)));
        } while (!TargetSets::contains(TargetSets::forCheckedStyle(styleChecked), code));
    }
    state_.mubiao = code;

    if (KeyTable::isNamedKey(code)) {
        falling_.setFontPoints(38);
        state_.hengzuobiao = std::floor(random_.next() * 4200) + 200;
    } else {
        falling_.setFontPoints(48);
        state_.hengzuobiao = std::floor(random_.next() * 6400) + 200;
    }
    state_.xialuobushu = -2;
    if (onChosen_)
        onChosen_(code);

    if (menus_.shengyin1.size() > 1 && menus_.shengyin1[1]->isChecked()) {
        keySound_.setFile(folder_.file(QStringLiteral("声音/字符声音/") + KeyTable::stem(code)));
        keySound_.play();
    }
}
