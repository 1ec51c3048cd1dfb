// The run time's uniform random source.
#pragma once

#include <cstdint>

namespace tk {

class Random {
public:
    // Seeds from a high-resolution clock, unless a test fixed the seed.
    void randomize();
    // Uniform single-precision draw r with 0 <= r < 1.
    float next();

    // Test hook: a fixed seed, after which randomize() leaves the sequence
    // running instead of reseeding.
    void fix_seed(std::uint64_t seed);

private:
    std::uint64_t state_ = 0x2545F4914F6CDD1DULL;
    bool fixed_ = false;
};

}  // namespace tk
