#pragma once

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

// Random choices from a seed, the same on every platform: only the raw generator is used, whose
// sequence the standard fixes, so that a lesson made from a seed is the same lesson everywhere.
class SeededDraw {
public:
    explicit SeededDraw(std::uint32_t seed) : engine_(seed) {}

    double unit() { return double(engine_()) / 4294967296.0; }
    int below(int n) { return n > 0 ? std::min(n - 1, int(unit() * n)) : 0; }
    bool chance(double p) { return unit() < p; }
    // An index drawn in proportion to the weights, given as running sums; -1 for none.
    int weighted(const std::vector<double>& sums) {
        if (sums.empty())
            return -1;
        const double point = unit() * sums.back();
        const auto it = std::upper_bound(sums.begin(), sums.end(), point);
        return int(std::min<std::ptrdiff_t>(it - sums.begin(), std::ptrdiff_t(sums.size()) - 1));
    }
    // The list in an order drawn at random.
    template <typename List> void shuffle(List& list) {
        for (int i = int(list.size()) - 1; i > 0; --i)
            std::swap(list[i], list[below(i + 1)]);
    }

private:
    std::mt19937 engine_;
};
