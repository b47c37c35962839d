#include "app/Trainer.h"

#include "keyboard/KeyLayout.h"
#include "platform/Clock.h"
#include "platform/SoundChannel.h"

#include <QTimer>

namespace {

// The application's title, as dialogs of the program show it.
const QString appTitle = QStringLiteral("Keyvora");

} // namespace

Trainer::Trainer(const Platform& platform, QObject* parent)
    : QObject(parent), platform_(platform), menus(options), state(options), styles(options),
      selector(state, options, falling, *platform_.random, channel(1), platform_.folder),
      runClock(state, *platform_.clock), fallingCharacter(state, falling, selector),
      run(state, falling, selector, runClock, fallingCharacter, *platform_.clock),
      runSound(options, state, run, platform_.soundDevice), blink(state, keyboard),
      statistics(state), fingers(state, options), levels(options, *platform_.inputBox, appTitle),
      keyInput(state, options, selector, channel(1), channel(2)),
      keySounds(options, channel(1), platform_.folder),
      switches(options, channel(4), platform_.folder),
      wubi(options, state, channel(3), channel(4), platform_.folder,
           [](int keyIndex) {
               const KeyLayout::Cap* cap = KeyLayout::capOf(keyIndex);
               return cap ? cap->caption : QString();
           }),
      settings(options, platform_.data, restoreHandlers()),
      defaults(options, menuHandlers(), {&channel(1), &channel(2), &channel(3), &channel(4)}),
      deferredStart(
          [this] {
              settings.shujukucaidan();
              history.option().restore();
          },
          switches),
      help(platform_.folder, *platform_.shell, *platform_.messageBox),
      history(state, options, platform_.data, *platform_.clock),
      learners(platform_.data, *platform_.clock) {
    run.setBeforeStart([this] {
        if (wubi.reciting())
            wubi.toggleRecitation();
        emit runStarting();
    });
    blink.setEndOfRun([this] { run.stop(); });
    statistics.setAfterTick([this] { fingers.tick(); });
    statistics.setAfterTickBusy([this] { return fingers.blinking(); });
    connect(&options, &Options::zhifaChanged, &statistics, &StatisticsTicker::wake);
    statistics.setClock(*platform_.clock);
    blink.setClock(*platform_.clock);
    keyInput.setOpenFileMenu([this] { emit fileMenuRequested(); });

    // The run's per-key figures come from the key handler and target selection; the record is
    // written when the running flag goes off, never on the key path.
    keyInput.setRecorder(&history.recorder());
    selector.setOnChosen([this](int code) { history.recorder().shown(code); });
    selector.setWeights(&history.weakKeys());
    history.setRecitationEdition([this] {
        if (!wubi.reciting())
            return 0;
        return options.banci();
    });
    connect(&state, &PracticeState::runningChanged, this, [this](bool running) {
        if (running)
            history.runStarted();
        else
            history.runEnded();
    });
    connect(&learners, &Learners::currentChanged, this, &Trainer::reloadLearner);
    wireMenus();
}

void Trainer::switchLearner(int id) {
    if (id == learners.current())
        return;
    if (run.running() || run.countdownActive())
        run.stop();
    learners.setCurrent(id); // currentChanged reloads
}

void Trainer::reloadLearner() {
    history.setLearner(learners.currentFiles());
    emit learnerSwitched();
}

GroupHandlers Trainer::restoreHandlers() {
    GroupHandlers handlers;
    handlers.fengge1 = [this](int i) { styles.choose(i); };
    handlers.shengyin1 = [this](int i) { keySounds.choose(i); };
    handlers.jibie = [this](int i) { levels.chooseLevel(i); };
    handlers.zongshu = [this](int i) { levels.chooseTotal(i, true); };
    return handlers;
}

GroupHandlers Trainer::menuHandlers() {
    GroupHandlers handlers = restoreHandlers();
    handlers.zongshu = [this](int i) { levels.chooseTotal(i, false); };
    return handlers;
}

void Trainer::wireMenus() {
    menus.onChosen(menus.jijiankaishi, this, [this] { run.start(); });
    menus.onChosen(menus.jijiantingzhi, this, [this] { run.stop(); });
    menus.onChosen(menus.tuichu, this, [this] { emit exitRequested(); });
    menus.onChosen(menus.fengge1, this, [this](int i) { styles.choose(i); });
    menus.onChosen(menus.shengyin1, this, [this](int i) { keySounds.choose(i); });
    menus.onChosen(menus.jibie, this, [this](int i) { levels.chooseLevel(i); });
    menus.onChosen(menus.zongshu, this, [this](int i) { levels.chooseTotal(i, false); });
    menus.onChosen(menus.zhifa, this, [this] { defaults.zhifa(); });
    menus.onChosen(menus.cuowushengyin, this, [this] { switches.toggleErrorSound(); });
    menus.onChosen(menus.beijingyinyue, this, [this] { switches.toggleMusic(); });
    menus.onChosen(menus.bofangwubi, this, [this] { wubi.toggleRecitation(); });
    menus.onChosen(menus.banci1, this, [this](int i) { wubi.chooseEdition(i); });
    menus.onChosen(menus.huifu, this, [this] { defaults.huifu(); });
    menus.onChosen(menus.lianxijilu, this, [this] { emit historyRequested(); });
    menus.onChosen(menus.kechenglianxi, this, [this] { emit courseRequested(); });
    menus.onChosen(menus.yicuojian, this, [this] { history.option().toggle(); });
    menus.onChosen(menus.bangzhu1, this, [this](int i) { help.choose(i); });
}

void Trainer::load() {
    // The learner a run is recorded for: read before anything is recorded. A list that does not
    // read is reported once the window is up.
    switch (learners.load()) {
    case Learners::Reading::SetAside:
    case Learners::Reading::Failed:
        QTimer::singleShot(0, this, [this] { emit learnersUnreadable(learners.setAsideAs()); });
        break;
    case Learners::Reading::Fresh:
    case Learners::Reading::Read:
        break;
    }
    history.setLearner(learners.currentFiles());
    channel(1).setFile(platform_.folder.file(QStringLiteral("声音/音效/音效1")));
    channel(2).setFile(platform_.folder.file(QStringLiteral("声音/音效/击键错误")));
    falling.setTop(0);
    falling.setCaption(QString());
    statistics.start();
    blink.start();
    deferredStart.start();
}

void Trainer::unload() {
    settings.jiyicaidan();
    history.runEnded();
}
