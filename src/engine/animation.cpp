// The animation clock: start, delay, loop, auto-reverse, inverse, pause, stop, and the Animator
// that steps every running animation under a root, safely when callbacks change the tree.
#include "animation.h"
#include <algorithm>
#include <cmath>

namespace eng {

namespace {

constexpr size_t kNoSlot = static_cast<size_t>(-1);

}  // namespace

// Every running animation, in the order they started. Slots of animations that stopped or died
// are nulled, never erased, while an Animator pass runs; the pass compacts them afterwards.
struct RunningAnimations {
    std::vector<Animation*> slots;
    size_t liveCount = 0;
    int passDepth = 0;

    static RunningAnimations& instance() {
        static auto* list = new RunningAnimations();  // outlives animations in static storage
        return *list;
    }
    void compact() {
        std::erase(slots, nullptr);
        for (size_t i = 0; i < slots.size(); ++i) slots[i]->runningSlot_ = i;
    }
    void add(Animation& a) {
        if (passDepth == 0 && slots.size() > 64 && liveCount * 2 < slots.size()) compact();
        a.runningSlot_ = slots.size();
        slots.push_back(&a);
        ++liveCount;
    }
    void remove(Animation& a) {
        slots[a.runningSlot_] = nullptr;
        a.runningSlot_ = kNoSlot;
        --liveCount;
    }
};

namespace {

// Calls a copy of the callback, so a callback that destroys its own animation does not destroy
// the function object it is running in. Returns false when the animation is gone afterwards.
bool notify(const std::function<void(Animation&)>& callback, Animation& animation) {
    if (!callback) return true;
    const NodeRef self(&animation);
    const auto copy = callback;
    copy(animation);
    return self.get() != nullptr;
}

}  // namespace

Animation::~Animation() { setRunning(false); }

void Animation::setRunning(bool on) {
    running_ = on;
    if (on && runningSlot_ == kNoSlot) RunningAnimations::instance().add(*this);
    else if (!on && runningSlot_ != kNoSlot) RunningAnimations::instance().remove(*this);
}

float Animation::runLength() const { return autoReverse ? 2 * duration : duration; }

float Animation::normalizedTime() const {
    if (duration <= 0) return inverse ? 0.f : 1.f;
    const float forward = time_ <= duration ? time_ / duration : (runLength() - time_) / duration;
    const float clamped = std::clamp(forward, 0.f, 1.f);
    return inverse ? 1 - clamped : clamped;
}

bool Animation::showTime(float runTime) {
    time_ = runTime;
    reversing_ = autoReverse && runTime > duration;
    apply(interpolate(interpolation, animationType, normalizedTime()));
    return notify(onProcess, *this);
}

void Animation::beginRun() {
    delayLeft_ = 0;
    onStart();
}

bool Animation::finishRun() {
    if (delayLeft_ > 0) beginRun();  // stopped during its delay: the start values still count
    setRunning(false);
    if (!showTime(std::max(runLength(), 0.f))) return false;
    return notify(onFinish, *this);
}

void Animation::start() {
    setRunning(true);
    time_ = 0;
    reversing_ = false;
    delayLeft_ = std::max(delay, 0.f);
    if (delayLeft_ > 0) return;
    beginRun();
    if (runLength() > 0) {
        showTime(0);
        return;
    }
    // A zero-length run ends at once. Restarted from its own finish callback, it waits for the
    // next advance instead, so such a callback cannot recurse without end.
    if (finishingAtOnce_) return;
    finishingAtOnce_ = true;
    if (finishRun()) finishingAtOnce_ = false;
}

void Animation::stop() {
    if (running_) finishRun();
}

void Animation::stopAtCurrent() { setRunning(false); }

void Animation::advance(float dt) {
    if (!running_ || pause) return;
    dt = std::max(dt, 0.f);
    if (delayLeft_ > 0) {
        delayLeft_ -= dt;
        if (delayLeft_ > 0) return;
        dt = -delayLeft_;  // the rest of this step already counts as run time
        beginRun();
    }
    const float length = runLength();
    const float reached = time_ + dt;
    if (length > 0 && reached < length) {
        showTime(reached);
    } else if (length > 0 && loop) {
        showTime(std::fmod(reached, length));
    } else {
        finishRun();
    }
}

// ---- Animator ----

// Whether `root` is above the animation. The answer is kept until any node changes parent,
// so a pass over an unchanged tree touches only the animations and their targets.
bool Animator::isUnder(Animation& animation, const Node& root) {
    const std::uint64_t version = Node::structureVersion();
    if (animation.checkedRoot_ == &root && animation.checkedVersion_ == version) return true;
    for (const Node* n = &animation; n; n = n->parent()) {
        if (n != &root) continue;
        animation.checkedRoot_ = &root;
        animation.checkedVersion_ = version;
        return true;
    }
    return false;
}

void Animator::advance(Node& root, std::int64_t nowMs) {
    if (!started_) reset(nowMs);
    const std::int64_t elapsedMs = nowMs - lastMs_;
    lastMs_ = nowMs;
    if (elapsedMs <= 0) return;
    const float dt = static_cast<float>(elapsedMs) / 1000.f;

    RunningAnimations& list = RunningAnimations::instance();
    ++list.passDepth;
    // Animations started during the pass sit beyond `count` and wait for the next one.
    const size_t count = list.slots.size();
    for (size_t i = 0; i < count; ++i) {
        Animation* animation = list.slots[i];  // nulled when it stopped or was destroyed meanwhile
        if (animation && isUnder(*animation, root)) animation->advance(dt);
    }
    if (--list.passDepth == 0 && list.liveCount < list.slots.size()) list.compact();
}

}  // namespace eng
