#include "history/PracticeHistory.h"

#include "keyboard/DisplayStyles.h"
#include "platform/Clock.h"
#include "run/PracticeState.h"
#include "run/RunClock.h"
#include "settings/NumberText.h"
#include "settings/Options.h"

#include <cmath>

PracticeHistory::PracticeHistory(const PracticeState& state, Options& options,
                                 const DataFolder& folder, const Clock& clock, QObject* parent)
    : QObject(parent), state_(state), options_(options), clock_(clock), file_(folder),
      recorder_(clock), weakKeys_(options, recorder_), option_(options, folder) {
    connect(&options_, &Options::yicuojianChanged, this, [this](bool on) {
        if (on)
            loadRecent();
    });
}

void PracticeHistory::loadRecent() {
    if (recentLoaded_)
        return;
    weakKeys_.setRecent(file_.loadLast(WeakKeys::recentRuns));
    recentLoaded_ = true;
}

void PracticeHistory::runStarted() {
    if (weakKeys_.active())
        loadRecent();
    runEdition_ = edition_ ? edition_() : 0;
    recorder_.begin(state_.mubiao);
}

void PracticeHistory::runEnded() {
    if (!recorder_.active())
        return;
    QList<KeyFigures> keys = recorder_.finish();
    if (state_.jishu() < 2)
        return;
    RunRecord record = summaryNow();
    record.keys = std::move(keys);
    add(record);
}

void PracticeHistory::add(const RunRecord& record) {
    file_.append(record);
    if (recentLoaded_)
        weakKeys_.add(record);
    emit recorded(record);
}

const WeakKeys& PracticeHistory::recentWeakKeys() {
    loadRecent();
    return weakKeys_;
}

void PracticeHistory::setLearner(const LearnerFiles& files) {
    runEnded();
    learner_ = files;
    file_ = RecordFile(file_.dataFolder(), files.records());
    weakKeys_.setRecent({});
    recentLoaded_ = false;
    emit learnerChanged();
}

RunRecord PracticeHistory::summaryNow() const {
    using NumberText::roundHalfEven;

    RunRecord r;
    r.when = clock_.localDateTime();
    r.when.setTime(QTime(r.when.time().hour(), r.when.time().minute(), r.when.time().second()));
    r.style = options_.fengge();
    r.styleName = DisplayStyles::titleText(Options::styleCaptions().at(r.style));
    r.level = state_.level();
    r.total = state_.total();
    r.wubiEdition = runEdition_;

    // The figures the statistics panel shows for the run, by its own rules: the count capped at
    // the total, which then also becomes the divisor of the accuracy, and the time as the run
    // clock shows it, to the tenth of a second.
    const int jishu = state_.jishu();
    const int jizhong = state_.jizhong();
    const bool withinTotal = jishu <= r.total;
    r.count = int(withinTotal ? jishu : r.total);
    r.hits = jizhong;
    const double divisor = withinTotal ? jishu : r.total;
    r.accuracy = divisor > 0 ? int(roundHalfEven(jizhong / divisor * 100)) : 0;
    const double minutes = RunClock::reading(state_.elapsed()).inMinutes();
    r.seconds = std::round(minutes * 600) / 10;
    r.speed = minutes > 0 ? int(roundHalfEven(jizhong / minutes)) : 0;
    return r;
}
