// The run time's uniform random source.
#pragma once

#include <cstdint>

namespace tk {

class Random {
public:
    // Seeds from a high-resolution clock.
    void randomize();
    // Uniform single-precision draw r with 0 <= r < 1.
    float next();

    // Test hook: seeds with seed now, and makes the clock read seed + 1,
    // seed + 2, ... at the following calls of randomize(), so that runs
    // repeat exactly.
    void fix_seed(std::uint64_t seed);

private:
    std::uint64_t state_ = 0x2545F4914F6CDD1DULL;
    bool fixed_ = false;
    std::uint64_t fixed_clock_ = 0;
};

}  // namespace tk
