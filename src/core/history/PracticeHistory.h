#pragma once

#include "history/RecordFile.h"
#include "history/RunRecorder.h"
#include "history/WeakKeyOption.h"
#include "history/WeakKeys.h"
#include "platform/LearnerFiles.h"

#include <QObject>

#include <functional>

class Clock;
class Options;
class PracticeState;
class DataFolder;

// The learner's history: the figures of the run in progress, a record appended to the current
// learner's record file when a run ends, and the weak-key practice fed by the newest records.
// Old records are read only when something needs them: the weak-key draw at the start of a
// run, or the history window. The weak-key option itself is everyone's.
class PracticeHistory : public QObject {
    Q_OBJECT
public:
    PracticeHistory(const PracticeState& state, Options& options, const DataFolder& folder,
                    const Clock& clock, QObject* parent = nullptr);

    RunRecorder& recorder() { return recorder_; }
    const WeakKeys& weakKeys() const { return weakKeys_; }
    WeakKeyOption& option() { return option_; }
    RecordFile& file() { return file_; }

    // The Wubi edition a recitation plays in (86 or 98), 0 when none plays.
    void setRecitationEdition(std::function<int()> edition) { edition_ = std::move(edition); }

    // The run timer went on: the first target is on display.
    void runStarted();
    // The run ended (its total reached, Stop, Start again, or the program closing). A run with
    // at least one character dealt with is recorded.
    void runEnded();

    // The record of a run that ends now, from the practice state as the statistics panel shows
    // it; the key figures are left to the caller.
    RunRecord summaryNow() const;

    // Adds a finished lesson of the course to the history, as a run's record is added.
    void add(const RunRecord& record);

    // The weak-key figures of the newest records, read when first asked for.
    const WeakKeys& recentWeakKeys();

    // Another learner's records from now on: the weak-key figures read so far are dropped and
    // the new learner's are read when next needed, so switching reads nothing. A run still
    // being recorded is recorded first, for the learner it began with; stop it before.
    void setLearner(const LearnerFiles& files);
    const LearnerFiles& learner() const { return learner_; }

signals:
    // A record was added to the history (whether or not the file took it).
    void recorded(const RunRecord& record);
    // The history is another learner's now.
    void learnerChanged();

private:
    void loadRecent();

    const PracticeState& state_;
    Options& options_;
    const Clock& clock_;
    LearnerFiles learner_;
    RecordFile file_;
    RunRecorder recorder_;
    WeakKeys weakKeys_;
    WeakKeyOption option_;
    std::function<int()> edition_;
    int runEdition_ = 0;
    bool recentLoaded_ = false;
};
