#include "data/demo/demo_random.h"

#include <algorithm>
#include <numeric>

namespace tev::demo {

int DemoRandom::Pick(const std::vector<double>& weights) {
    const double sum = std::accumulate(weights.begin(), weights.end(), 0.0);
    if (sum <= 0) return 0;
    double target = Unit() * sum;
    for (size_t i = 0; i < weights.size(); ++i) {
        if (target < weights[i]) return static_cast<int>(i);
        target -= weights[i];
    }
    // Rounding left us past the end: the last index with weight.
    for (size_t i = weights.size(); i-- > 0;)
        if (weights[i] > 0) return static_cast<int>(i);
    return 0;
}

uint64_t MixSeed(std::initializer_list<uint64_t> parts) {
    uint64_t seed = 0x2545F4914F6CDD1Dull;
    for (uint64_t part : parts) {
        DemoRandom mixer(seed ^ (part * 0x9E3779B97F4A7C15ull));
        seed = mixer.Next();
    }
    return seed;
}

std::vector<int> Apportion(int total, const std::vector<double>& weights) {
    std::vector<int> parts(weights.size(), 0);
    const double sum = std::accumulate(weights.begin(), weights.end(), 0.0);
    if (total <= 0 || sum <= 0) return parts;
    std::vector<double> remainders(weights.size());
    int given = 0;
    for (size_t i = 0; i < weights.size(); ++i) {
        const double share = total * std::max(weights[i], 0.0) / sum;
        parts[i] = static_cast<int>(share);
        remainders[i] = share - parts[i];
        given += parts[i];
    }
    std::vector<size_t> order(weights.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return remainders[a] > remainders[b]; });
    for (size_t k = 0; given < total; k = (k + 1) % order.size()) {
        if (weights[order[k]] <= 0) continue;
        ++parts[order[k]];
        ++given;
    }
    return parts;
}

} // namespace tev::demo
