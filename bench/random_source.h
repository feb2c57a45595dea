#pragma once

#include <cstdint>

namespace tandem::bench {

// SplitMix64. The standard distributions differ between standard libraries;
// this one does not, so a seed names the same session on every platform.
class RandomSource {
public:
    explicit RandomSource(std::uint64_t seed)
        : state_(seed)
    {
    }

    std::uint64_t Next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // In [0, bound); bound must be positive.
    std::int64_t Below(std::int64_t bound)
    {
        return static_cast<std::int64_t>(Next() % static_cast<std::uint64_t>(bound));
    }
    std::int64_t Between(std::int64_t low, std::int64_t high) { return low + Below(high - low + 1); }
    bool Chance(int percent) { return Below(100) < percent; }
    // In [0, 1), with the 24 bits a float parameter value carries.
    float UnitFloat() { return static_cast<float>(Next() >> 40) / 16777216.0f; }

private:
    std::uint64_t state_;
};

} // namespace tandem::bench
