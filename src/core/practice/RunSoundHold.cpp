#include "practice/RunSoundHold.h"

#include "practice/RunController.h"
#include "run/PracticeState.h"
#include "settings/Options.h"

RunSoundHold::RunSoundHold(const Options& options, const PracticeState& state,
                           const RunController& run, SoundDevice* device, QObject* parent)
    : QObject(parent), options_(options), state_(state), run_(run), hold_(device) {
    connect(&run_, &RunController::countdownChanged, this, &RunSoundHold::update);
    connect(&state_, &PracticeState::runningChanged, this, &RunSoundHold::update);
    connect(&options_, &Options::shengyinChanged, this, &RunSoundHold::update);
    connect(&options_, &Options::cuowushengyinChanged, this, &RunSoundHold::update);
    connect(&options_, &Options::beijingyinyueChanged, this, &RunSoundHold::update);
}

void RunSoundHold::update() {
    const bool underWay = run_.countdownActive() || state_.running();
    const bool canSound = options_.shengyin() != Options::silentMode || options_.cuowushengyin() ||
                          options_.beijingyinyue();
    hold_.set(underWay && canSound);
}
