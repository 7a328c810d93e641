// The single-threaded event loop: input, due timers (the 16 ms tick among them), animations, drawing.
// The same step() serves the real loop and the tests, so both see the same game.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include "animation.h"
#include "clock.h"
#include "controls.h"
#include "input.h"
#include "random.h"
#include "timer.h"

namespace eng {

class Platform;

class Engine {
public:
    // Without a platform the engine is headless and draws nothing (tests).
    Engine(Clock& clock, std::uint64_t seed, Platform* platform = nullptr);

    Clock& clock() { return clock_; }
    Scheduler& scheduler() { return scheduler_; }
    Random& random() { return random_; }
    Animator& animator() { return animator_; }
    Layout& root() { return root_; }          // the window's content, 1000 x 576 by default
    Platform* platform() { return platform_; }
    AlphaColor background = colors::Black;

    std::function<void(const KeyEvent&)> onKey;     // window key handlers (down and up)
    std::function<void(const MouseEvent&)> onMouse; // after the engine's own click/hover dispatch
    std::function<void(int, int)> onResize;
    std::function<void()> onPaint;                  // after each drawn frame (FPS counter)
    std::function<void()> onQuit;

    // Dispatch queued input, fire due timers, advance animations to the clock, draw once.
    void step();
    // Inject input as if it came from the window (replays, tests): dispatched at the next step.
    void queueKey(const KeyEvent& e);
    void queueMouse(const MouseEvent& e);
    // Mouse hit testing on the scene: fires onClick / onMouseEnter / onMouseLeave on the top-most
    // visible, hit-testable, enabled node under the point.
    void dispatchMouse(const MouseEvent& e);

    // Real-time loop on a SystemClock: steps until quit() and paces on the scheduler's next due time.
    void run();
    void quit() { quitting_ = true; }
    bool quitting() const { return quitting_; }

private:
    Clock& clock_;
    Scheduler scheduler_;
    Random random_;
    Animator animator_;
    Layout root_;
    Platform* platform_;
    std::vector<KeyEvent> pendingKeys_;
    std::vector<MouseEvent> pendingMouse_;
    bool quitting_ = false;
    NodeRef hovered_;   // weak: a node destroyed under the mouse is simply forgotten
    NodeRef pressed_;   // where the left button went down; a click needs the release on the same node
    void dispatchQueuedInput();
    void drawFrame();
};

}  // namespace eng
