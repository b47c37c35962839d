#pragma once

#include "history/KeyStats.h"
#include "keyboard/TargetWeights.h"

#include <QList>

class Options;
class RunRecorder;

// Practice that leans on weak keys ("重点练习易错键"): while its menu item is checked, each code
// of the allowed set is drawn in proportion to floor + the recent miss rate of its key, taken
// from the newest recorded runs and the run in progress. The floor keeps every code coming up.
class WeakKeys : public TargetWeights {
public:
    static constexpr double floor = 0.1;
    static constexpr int recentRuns = 20;

    WeakKeys(const Options& options, const RunRecorder& current);

    bool active() const override;
    int draw(TargetSet set, double r) const override;

    // The recorded runs the rates come from; only the newest recentRuns are kept.
    void setRecent(QList<RunRecord> runs);
    void add(const RunRecord& run);

    // The miss rate of a key now, or a negative number for a key with no decided showing yet.
    double missRate(int keyIndex) const;

private:
    const Options& options_;
    const RunRecorder& current_;
    QList<RunRecord> recent_;
    KeyStats stats_{{}};
};
