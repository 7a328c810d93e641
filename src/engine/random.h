// The game's single seeded random source: the same seed gives the same run on every machine.
// Owned by the application and handed to whoever needs chance (enemy columns, weather drops).
#pragma once
#include <cstdint>

namespace eng {

class Random {
public:
    explicit Random(std::uint64_t seed = 0) { reseed(seed); }
    void reseed(std::uint64_t seed);
    std::uint64_t nextU64();             // full 64-bit value (splitmix64/xoshiro, portable)
    int nextInt(int bound);              // uniform in [0, bound); 0 when bound <= 0
    int range(int lo, int hi);           // uniform in [lo, hi] inclusive
    double nextDouble();                 // uniform in [0, 1)
    float rangeF(float lo, float hi);    // uniform in [lo, hi)
private:
    std::uint64_t s_[4] = {};
};

}  // namespace eng
