#include "history/RunRecorder.h"

#include "platform/Clock.h"
#include "practice/KeyChecker.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace {

bool isCode(int code) {
    return code >= 0 && code < RunRecorder::codes;
}

} // namespace

RunRecorder::RunRecorder(const Clock& clock) : clock_(clock) {
    log_.reserve(512);
}

void RunRecorder::begin(int firstTarget) {
    shown_.fill(0);
    firstHits_.fill(0);
    log_.clear();
    active_ = true;
    current_ = -1;
    shown(firstTarget);
}

void RunRecorder::shown(int code) {
    if (!active_ || !isCode(code))
        return;
    current_ = code;
    awaitingFirst_ = true;
    shownAt_ = clock_.monotonicSeconds();
    ++shown_[std::size_t(code)];
}

void RunRecorder::pressed(int target, int code, int state, bool shiftAware, bool correct) {
    if (!active_ || !isCode(target))
        return;
    const bool first = awaitingFirst_ && target == current_;
    awaitingFirst_ = false;
    Kind kind = Kind::Wrong;
    std::int32_t ms = 0;
    if (correct) {
        kind = Kind::Hit;
        ms = std::int32_t(std::lround((clock_.monotonicSeconds() - shownAt_) * 1000));
        if (first)
            ++firstHits_[std::size_t(target)];
    } else if (shiftAware) {
        kind = Kind::WrongShiftAware;
    }
    log_.push_back({std::uint8_t(target), std::uint8_t(std::clamp(code, 0, 255)),
                    std::uint8_t(state & 7), kind, ms});
}

int RunRecorder::decided(int code) const {
    if (!isCode(code))
        return 0;
    return shown_[std::size_t(code)] - (awaitingFirst_ && code == current_ ? 1 : 0);
}

int RunRecorder::missed(int code) const {
    return isCode(code) ? decided(code) - firstHits_[std::size_t(code)] : 0;
}

QList<KeyFigures> RunRecorder::finish() {
    QList<KeyFigures> keys;
    if (!active_)
        return keys;
    active_ = false;

    std::array<std::vector<std::int32_t>, codes> times;
    std::array<std::map<int, int>, codes> wrong;
    std::array<int, codes> slips{};
    for (const Event& e : log_) {
        switch (e.kind) {
        case Kind::Hit:
            times[e.target].push_back(e.ms);
            break;
        case Kind::WrongShiftAware:
            // The right key with the wrong Shift state is a slip, not a wrong key.
            if (KeyChecker::isCorrect(true, e.target, e.key, e.state ^ 1)) {
                ++slips[e.target];
                break;
            }
            [[fallthrough]];
        case Kind::Wrong:
            ++wrong[e.target][e.key];
            break;
        }
    }
    for (int code = 0; code < codes; ++code) {
        const std::size_t c = std::size_t(code);
        const int shownCount = decided(code);
        if (shownCount == 0 && times[c].empty() && wrong[c].empty() && slips[c] == 0)
            continue;
        KeyFigures key;
        key.code = code;
        key.shown = shownCount;
        key.firstHits = std::min(firstHits_[c], shownCount);
        key.hits = int(times[c].size());
        key.shiftSlips = slips[c];
        if (!times[c].empty()) {
            std::vector<std::int32_t>& t = times[c];
            std::sort(t.begin(), t.end());
            const std::size_t mid = t.size() / 2;
            key.medianMs = t.size() % 2 ? t[mid] : (t[mid - 1] + t[mid]) / 2;
        }
        for (const auto& [vk, presses] : wrong[c])
            key.wrong.append({vk, presses});
        std::stable_sort(key.wrong.begin(), key.wrong.end(),
                         [](const auto& a, const auto& b) { return a.second > b.second; });
        keys.append(key);
    }
    // From here the run's figures are part of the history; they must not count twice.
    shown_.fill(0);
    firstHits_.fill(0);
    log_.clear();
    awaitingFirst_ = false;
    return keys;
}
