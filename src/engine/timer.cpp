// Timers on a fixed grid: a timer enabled at T is due at T + k x interval for every k, whatever the
// loop's jitter. The scheduler fires them earliest first and bounds how many late ticks it replays.
#include "timer.h"
#include <algorithm>
#include <climits>
#include <cmath>
#include "clock.h"

namespace eng {

// A fractional grid (1000/60 ms) gathers rounding dust: a point within a millionth of a millisecond of
// the clock counts as reached.
constexpr double kGridSlackMs = 1e-6;

Timer::Timer(Scheduler& scheduler, int intervalMs)
    : scheduler_(scheduler), intervalMs_(intervalMs), periodMs_(intervalMs) {
    scheduler_.timers_.push_back(this);
}

Timer::~Timer() {
    if (!orphaned_) std::erase(scheduler_.timers_, this);
}

void Timer::setEnabled(bool on) {
    enabled_ = on;
    if (!on || orphaned_) return;
    gridStartMs_ = static_cast<double>(scheduler_.nowMs());
    gridPoint_ = 1;
    order_ = ++scheduler_.enableCounter_;
}

void Timer::setInterval(int ms) {
    intervalMs_ = ms;
    periodMs_ = ms;
    if (enabled_) setEnabled(true);
}

void Timer::setPeriod(double ms) {
    periodMs_ = ms > 0 ? ms : intervalMs_;
    if (enabled_) setEnabled(true);
}

std::int64_t Timer::nextDueMs() const { return static_cast<std::int64_t>(std::ceil(dueMs() - kGridSlackMs)); }

Scheduler::~Scheduler() {
    for (Timer* t : timers_) t->orphaned_ = true;
}

std::int64_t Scheduler::nowMs() const { return clock_.nowMs(); }

namespace {

// A timer with no positive interval never comes due.
bool canFire(const Timer& t) { return t.enabled() && t.period() > 0; }

}  // namespace

std::int64_t Scheduler::nextDueMs() const {
    std::int64_t next = INT64_MAX;
    for (const Timer* t : timers_)
        if (canFire(*t)) next = std::min(next, t->nextDueMs());
    return next;
}

int Scheduler::fireDue(int maxCatchUp) {
    const std::int64_t now = nowMs();
    // Firings per timer in this call. Keyed by pointer: a timer destroyed meanwhile is simply never picked.
    std::vector<std::pair<const Timer*, int>> firedCounts;
    int fired = 0;
    for (;;) {
        // Pick again after every callback: it may have enabled, disabled or destroyed timers.
        Timer* next = nullptr;
        for (Timer* t : timers_) {
            if (!canFire(*t) || t->dueMs() > static_cast<double>(now) + kGridSlackMs) continue;
            if (!next || t->dueMs() < next->dueMs() || (t->dueMs() == next->dueMs() && t->order_ < next->order_))
                next = t;
        }
        if (!next) return fired;
        auto count = std::find_if(firedCounts.begin(), firedCounts.end(), [&](auto& c) { return c.first == next; });
        if (count == firedCounts.end()) count = firedCounts.insert(firedCounts.end(), {next, 0});
        if (count->second >= std::max(maxCatchUp, 1)) {
            // Too far behind: drop the late ticks and rejoin the grid at the first point after now.
            const auto late = static_cast<std::int64_t>(
                std::floor((static_cast<double>(now) + kGridSlackMs - next->dueMs()) / next->periodMs_) + 1);
            next->gridPoint_ += late;
            missed_ += static_cast<std::uint64_t>(late);
            continue;
        }
        ++count->second;
        ++fired;
        ++next->gridPoint_;  // before the callback, which may restart or disable it
        if (next->onTimer) {
            const auto callback = next->onTimer;  // the timer may be destroyed by its own callback
            callback();
        }
    }
}

}  // namespace eng
