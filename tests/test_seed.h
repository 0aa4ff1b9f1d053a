#pragma once

// The one seed policy of the randomized tests: a fresh seed every run, so that runs explore,
// printed when taken, so that a failure replays with OMBRELO_TEST_SEED=<the seed printed>.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>

namespace ombrelo::testing_support {

inline std::uint64_t TestSeed() {
    std::uint64_t seed = 0;
    if (const char* fixed = std::getenv("OMBRELO_TEST_SEED"))
        seed = std::strtoull(fixed, nullptr, 10);
    else
        seed = (std::uint64_t{std::random_device{}()} << 32) | std::random_device{}();
    std::printf("OMBRELO_TEST_SEED=%llu\n", static_cast<unsigned long long>(seed));
    return seed;
}

}  // namespace ombrelo::testing_support
