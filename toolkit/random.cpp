// splitmix64 behind a clock seed.
#include "toolkit/random.h"

#include <chrono>

namespace tk {

void Random::randomize()
{
    if (fixed_) {
        state_ = ++fixed_clock_;
        return;
    }
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    state_ = static_cast<std::uint64_t>(now);
}

void Random::fix_seed(std::uint64_t seed)
{
    state_ = seed;
    fixed_clock_ = seed;
    fixed_ = true;
}

float Random::next()
{
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    // 24 random bits fill a float's mantissa exactly, so the largest draw is
    // 1 - 2^-24: no rounding can ever reach 1.0.
    return static_cast<float>(z >> 40) * 0x1p-24f;
}

}  // namespace tk
