// Timers fired by the event loop in due order under the one clock, with no drift.
// A Timer registers with its Scheduler for its whole life; `enabled` starts and stops it.
#pragma once
#include <cstdint>
#include <functional>
#include <vector>

namespace eng {

class Scheduler;

class Timer {
public:
    explicit Timer(Scheduler& scheduler, int intervalMs = 1000);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    std::function<void()> onTimer;
    void setEnabled(bool on);       // enabling (re)starts the interval from now
    bool enabled() const { return enabled_; }
    void setInterval(int ms);       // restarts the interval when enabled
    int interval() const { return intervalMs_; }
    // A grid step that is not a whole number of milliseconds (the game tick paced to a display's frames,
    // 1000/60 ms); 0 returns to the interval. Restarts the grid when enabled.
    void setPeriod(double ms);
    double period() const { return periodMs_; }
    std::int64_t nextDueMs() const;

private:
    friend class Scheduler;
    Scheduler& scheduler_;
    int intervalMs_;
    double periodMs_;               // the grid step: intervalMs_ unless setPeriod chose another
    bool enabled_ = false;
    // Due points are counted from the grid's start, never summed step by step, so a fractional period
    // gathers no rounding error however long the timer runs.
    double gridStartMs_ = 0;
    std::int64_t gridPoint_ = 0;
    double dueMs() const { return gridStartMs_ + static_cast<double>(gridPoint_) * periodMs_; }
    std::uint64_t order_ = 0;       // tie-break: earlier enabled fires first
    bool orphaned_ = false;         // the scheduler was destroyed first
};

class Scheduler {
public:
    explicit Scheduler(const class Clock& clock) : clock_(clock) {}
    ~Scheduler();                    // timers that outlive it stop firing
    Scheduler(const Scheduler&) = delete;
    Scheduler& operator=(const Scheduler&) = delete;
    // Fire every timer due at or before now, earliest due first (ties by enable order).
    // A timer that fell behind fires at most `maxCatchUp` times per call, then skips ahead on its
    // own grid (never drifting, never spiralling). Returns the number of firings.
    int fireDue(int maxCatchUp = 5);
    std::int64_t nowMs() const;
    std::int64_t nextDueMs() const;  // INT64_MAX when none is enabled
    std::uint64_t missedTicks() const { return missed_; }  // firings skipped by the catch-up bound
private:
    friend class Timer;
    const Clock& clock_;
    std::vector<Timer*> timers_;
    std::uint64_t enableCounter_ = 0;
    std::uint64_t missed_ = 0;
};

}  // namespace eng
