#include "history/WeakKeys.h"

#include "history/RunRecorder.h"
#include "keyboard/KeyTable.h"
#include "settings/Options.h"

#include <array>

WeakKeys::WeakKeys(const Options& options, const RunRecorder& current)
    : options_(options), current_(current) {}

bool WeakKeys::active() const {
    return options_.yicuojian();
}

void WeakKeys::setRecent(QList<RunRecord> runs) {
    if (runs.size() > recentRuns)
        runs.remove(0, runs.size() - recentRuns);
    recent_ = std::move(runs);
    stats_ = KeyStats(recent_);
}

void WeakKeys::add(const RunRecord& run) {
    QList<RunRecord> runs = recent_;
    runs.append(run);
    setRecent(std::move(runs));
}

double WeakKeys::missRate(int keyIndex) const {
    int shown = stats_.key(keyIndex).shown;
    int missed = stats_.key(keyIndex).missed;
    for (int code = 0; code < RunRecorder::codes; ++code) {
        if (KeyStats::keyOfCode(code) == keyIndex) {
            shown += current_.decided(code);
            missed += current_.missed(code);
        }
    }
    return shown > 0 ? double(missed) / shown : -1;
}

int WeakKeys::draw(TargetSet set, double r) const {
    constexpr std::size_t keyCount = KeyTable::maxKeyIndex + 1;
    std::array<int, keyCount> shown{};
    std::array<int, keyCount> missed{};
    std::array<bool, keyCount> counted{};
    std::array<int, RunRecorder::codes> keyOf{};
    for (int code = 0; code < RunRecorder::codes; ++code) {
        const int key = TargetSets::contains(set, code) ? KeyStats::keyOfCode(code) : -1;
        keyOf[std::size_t(code)] = key;
        if (key < 0)
            continue;
        const std::size_t k = std::size_t(key);
        shown[k] += current_.decided(code);
        missed[k] += current_.missed(code);
        if (!counted[k]) {
            counted[k] = true;
            shown[k] += stats_.key(key).shown;
            missed[k] += stats_.key(key).missed;
        }
    }
    // A key not practised yet counts as an average one of the set.
    double rateSum = 0;
    int known = 0;
    for (std::size_t k = 0; k < keyCount; ++k)
        if (counted[k] && shown[k] > 0) {
            rateSum += double(missed[k]) / shown[k];
            ++known;
        }
    const double unknownRate = known > 0 ? rateSum / known : 0;

    std::array<double, RunRecorder::codes> weights{};
    double sum = 0;
    int last = -1;
    for (int code = 0; code < RunRecorder::codes; ++code) {
        const int key = keyOf[std::size_t(code)];
        if (key < 0)
            continue;
        const std::size_t k = std::size_t(key);
        const double rate = shown[k] > 0 ? double(missed[k]) / shown[k] : unknownRate;
        weights[std::size_t(code)] = floor + rate;
        sum += floor + rate;
        last = code;
    }
    double point = r * sum;
    for (int code = 0; code < RunRecorder::codes; ++code) {
        const double w = weights[std::size_t(code)];
        if (w > 0 && point < w)
            return code;
        point -= w;
    }
    return last;
}
