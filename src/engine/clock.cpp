// The real clock: steady (monotonic) milliseconds since the clock was made.
// Tests use ManualClock instead; both answer the same question.
#include <chrono>
#include "clock.h"

namespace eng {

namespace {

std::int64_t steadyNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch()).count();
}

}  // namespace

SystemClock::SystemClock() : originNs_(steadyNs()) {}

std::int64_t SystemClock::nowMs() const { return (steadyNs() - originNs_) / 1'000'000; }

}  // namespace eng
