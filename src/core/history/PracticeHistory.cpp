#include "history/PracticeHistory.h"

#include "keyboard/DisplayStyles.h"
#include "menus/MenuTree.h"
#include "platform/Clock.h"
#include "practice/NumberText.h"
#include "practice/PracticeState.h"

#include <QAction>

#include <cmath>

PracticeHistory::PracticeHistory(const PracticeState& state, MenuTree& menus,
                                 const DataFolder& folder, const Clock& clock, QObject* parent)
    : QObject(parent), state_(state), menus_(menus), clock_(clock), file_(folder), recorder_(clock),
      weakKeys_(menus, recorder_), option_(menus, folder) {
    connect(menus_.yicuojian, &QAction::toggled, this, [this](bool on) {
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
    if (state_.jishu < 2)
        return;
    RunRecord record = summaryNow();
    record.keys = std::move(keys);
    file_.append(record);
    if (recentLoaded_)
        weakKeys_.add(record);
    emit recorded(record);
}

RunRecord PracticeHistory::summaryNow() const {
    using NumberText::leadingNumber;
    using NumberText::roundHalfEven;

    RunRecord r;
    r.when = clock_.localDateTime();
    r.when.setTime(QTime(r.when.time().hour(), r.when.time().minute(), r.when.time().second()));
    r.style = std::max(0, MenuTree::checkedIndex(menus_.fengge1));
    if (r.style < menus_.fengge1.size())
        r.styleName = DisplayStyles::titleText(menus_.fengge1[r.style]->text());
    r.level = state_.level();
    r.total = state_.total();
    r.wubiEdition = runEdition_;

    // The figures the statistics panel shows for the run, by its own rules: the count capped at
    // the total, which then also becomes the divisor of the accuracy, and the time as the run
    // clock shows it, to the tenth of a second.
    const bool withinTotal = state_.jishu <= r.total;
    r.count = int(withinTotal ? state_.jishu : r.total);
    r.hits = state_.jizhong;
    const double divisor = withinTotal ? state_.jishu : r.total;
    r.accuracy = divisor > 0 ? int(roundHalfEven(state_.jizhong / divisor * 100)) : 0;
    const double minutes = leadingNumber(state_.text(StatLabel::Minutes)) +
                           leadingNumber(state_.text(StatLabel::Seconds)) / 60 +
                           leadingNumber(state_.text(StatLabel::Tenths)) / 600;
    r.seconds = std::round(minutes * 600) / 10;
    r.speed = minutes > 0 ? int(roundHalfEven(state_.jizhong / minutes)) : 0;
    return r;
}
