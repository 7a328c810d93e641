// One iteration of the event loop (input, due timers, animations, drawing) and the real-time loop
// around it; the same step serves the window and the headless tests.
#include "engine.h"
#include <algorithm>
#include <chrono>
#include <climits>
#include <thread>
#include <utility>
#include "platform.h"

namespace eng {

Engine::Engine(Clock& clock, std::uint64_t seed, Platform* platform)
    : clock_(clock), scheduler_(clock), random_(seed), platform_(platform) {
    root_.width = 1000;
    root_.height = 576;
    root_.name = "root";
    animator_.reset(clock_.nowMs());
}

void Engine::queueKey(const KeyEvent& e) { pendingKeys_.push_back(e); }

void Engine::queueMouse(const MouseEvent& e) { pendingMouse_.push_back(e); }

void Engine::dispatchQueuedInput() {
    // Take the queues first: handlers may queue more input, which waits for the next step.
    const std::vector<KeyEvent> keys = std::exchange(pendingKeys_, {});
    const std::vector<MouseEvent> mice = std::exchange(pendingMouse_, {});
    for (const KeyEvent& e : keys)
        if (onKey) onKey(e);
    for (const MouseEvent& e : mice) {
        dispatchMouse(e);
        if (onMouse) onMouse(e);
    }
}

void Engine::drawFrame() {
    root_.realign();
    if (!platform_) return;
    platform_->renderer().draw(root_, background);
    platform_->renderer().present();
    if (onPaint) onPaint();
}

void Engine::step() {
    if (platform_) {
        PlatformEvents handlers;
        handlers.onKey = [this](const KeyEvent& e) { queueKey(e); };
        handlers.onMouse = [this](const MouseEvent& e) { queueMouse(e); };
        handlers.onResize = [this](int w, int h) { if (onResize) onResize(w, h); };
        handlers.onQuit = [this] { if (onQuit) onQuit(); else quit(); };
        platform_->pollEvents(handlers);
    }
    dispatchQueuedInput();
    scheduler_.fireDue();
    animator_.advance(root_, clock_.nowMs());
    drawFrame();
}

void Engine::run() {
    constexpr std::int64_t kLongestWaitMs = 16;  // animations need frames even when no timer is due
    while (!quitting_) {
        step();
        if (quitting_) break;
        const std::int64_t untilDue = scheduler_.nextDueMs() == INT64_MAX
                                          ? kLongestWaitMs
                                          : scheduler_.nextDueMs() - clock_.nowMs();
        const int waitMs = static_cast<int>(std::clamp<std::int64_t>(untilDue, 0, kLongestWaitMs));
        if (waitMs <= 0) continue;
        if (platform_) platform_->waitEvents(waitMs);
        else std::this_thread::sleep_for(std::chrono::milliseconds(waitMs));
    }
}

}  // namespace eng
