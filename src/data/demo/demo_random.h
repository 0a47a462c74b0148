#pragma once
// The demo office's own random numbers: splitmix64, so that the same seed gives the same
// office with every compiler and standard library (std distributions differ between them).
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace tev::demo {

class DemoRandom {
public:
    explicit DemoRandom(uint64_t seed) : state_(seed) {}

    uint64_t Next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 .. n-1; 0 for n below 1.
    int Below(int n) { return n < 1 ? 0 : static_cast<int>(Next() % static_cast<uint64_t>(n)); }
    // low .. high inclusive.
    int Between(int low, int high) { return low + Below(high - low + 1); }
    // [0, 1) from the top 53 bits.
    double Unit() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }
    bool Chance(double p) { return Unit() < p; }
    // value scaled by a factor in [1 - spread, 1 + spread).
    double Around(double value, double spread) { return value * (1.0 + spread * (2 * Unit() - 1)); }
    // How many of n pass with probability p each.
    int Binomial(int n, double p) {
        int hits = 0;
        for (int i = 0; i < n; ++i)
            if (Chance(p)) ++hits;
        return hits;
    }
    // Index chosen with the given weights (0 when all are 0).
    int Pick(const std::vector<double>& weights);

private:
    uint64_t state_;
};

// One seed from several numbers (school, year, purpose ...), order-sensitive.
uint64_t MixSeed(std::initializer_list<uint64_t> parts);

// Splits total into whole parts proportional to the weights (largest remainder; ties go to
// the earlier index), so the parts always add up to total.
std::vector<int> Apportion(int total, const std::vector<double>& weights);

} // namespace tev::demo
