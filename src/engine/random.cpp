// xoshiro256** seeded through splitmix64: integer-only arithmetic, so a seed gives the same
// sequence on every machine and compiler. Bounded draws reject the biased tail instead of using %.
#include <cmath>
#include "random.h"

namespace eng {

namespace {

std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

std::uint64_t splitmix64(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

}  // namespace

void Random::reseed(std::uint64_t seed) {
    std::uint64_t state = seed;
    for (auto& word : s_) word = splitmix64(state);
}

std::uint64_t Random::nextU64() {
    const std::uint64_t result = rotl(s_[1] * 5, 7) * 9;
    const std::uint64_t t = s_[1] << 17;
    s_[2] ^= s_[0];
    s_[3] ^= s_[1];
    s_[1] ^= s_[2];
    s_[0] ^= s_[3];
    s_[2] ^= t;
    s_[3] = rotl(s_[3], 45);
    return result;
}

int Random::nextInt(int bound) {
    if (bound <= 0) return 0;
    const auto range = static_cast<std::uint64_t>(bound);
    // Values below `threshold` would make the low residues more likely; draw again instead.
    const std::uint64_t threshold = (0 - range) % range;
    for (;;) {
        const std::uint64_t r = nextU64();
        if (r >= threshold) return static_cast<int>(r % range);
    }
}

int Random::range(int lo, int hi) {
    if (hi < lo) return lo;
    const auto span = static_cast<std::uint64_t>(static_cast<std::int64_t>(hi) - lo) + 1;
    const std::uint64_t threshold = (0 - span) % span;
    for (;;) {
        const std::uint64_t r = nextU64();
        if (r >= threshold) return static_cast<int>(lo + static_cast<std::int64_t>(r % span));
    }
}

double Random::nextDouble() { return static_cast<double>(nextU64() >> 11) * 0x1.0p-53; }

float Random::rangeF(float lo, float hi) {
    if (!(hi > lo)) return lo;
    const float value = lo + static_cast<float>((static_cast<double>(hi) - lo) * nextDouble());
    return value < hi ? value : std::nextafter(hi, lo);  // rounding to float must not reach hi
}

}  // namespace eng
