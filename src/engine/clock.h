// The one source of "now" for animations, timers, the countdown and sprite sheets.
// The game runs on the system clock; tests and headless runs advance a manual clock by hand.
#pragma once
#include <cstdint>

namespace eng {

class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t nowMs() const = 0;  // milliseconds since an arbitrary, fixed origin
};

class ManualClock final : public Clock {
public:
    std::int64_t nowMs() const override { return now_; }
    void advance(std::int64_t ms) { now_ += ms; }
    void set(std::int64_t ms) { now_ = ms; }
private:
    std::int64_t now_ = 0;
};

// Monotonic wall clock (steady_clock), origin at construction.
class SystemClock final : public Clock {
public:
    SystemClock();
    std::int64_t nowMs() const override;
private:
    std::int64_t originNs_;
};

}  // namespace eng
