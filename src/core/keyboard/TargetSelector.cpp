#include "keyboard/TargetSelector.h"

#include "keyboard/FallingLabel.h"
#include "keyboard/KeyTable.h"
#include "keyboard/TargetSets.h"
#include "keyboard/TargetWeights.h"
#include "platform/ProgramFolder.h"
#include "platform/RandomSource.h"
#include "platform/SoundChannel.h"
#include "practice/PracticeState.h"
#include "settings/Options.h"

#include <cmath>

TargetSelector::TargetSelector(PracticeState& state, const Options& options, FallingLabel& falling,
                               RandomSource& random, SoundChannel& keySound,
                               const ProgramFolder& folder)
    : state_(state), options_(options), falling_(falling), random_(random), keySound_(keySound),
      folder_(folder) {}

void TargetSelector::zifu() {
    random_.reseed();
    if (state_.runComplete())
        return;

    const TargetSet set = TargetSets::forStyle(options_.fengge());
    // Every set is non-empty, so rejected draws simply repeat until one belongs to it; each
    // code of the set is then equally likely.
    int code = 0;
    if (weights_ && weights_->active()) {
        code = weights_->draw(set, random_.next());
    } else {
        do {
            code = std::min(126, int(std::floor(random_.next() * 127)));
        } while (!TargetSets::contains(set, code));
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

    if (options_.shengyin() == Options::spokenMode) {
        keySound_.setFile(folder_.file(QStringLiteral("声音/字符声音/") + KeyTable::stem(code)));
        keySound_.play();
    }
}
