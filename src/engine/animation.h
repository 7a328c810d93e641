// Animations are non-visual child nodes that drive a property of their parent over time.
// They advance only when the engine steps them with the clock (Animator::advance), never while drawing.
#pragma once
#include <functional>
#include <string>
#include <vector>
#include "bitmap.h"
#include "easing.h"
#include "node.h"

namespace eng {

struct RunningAnimations;

class Animation : public Node {
public:
    ~Animation() override;
    float duration = 0.2f;   // seconds
    float delay = 0;         // seconds before the first frame, once per Start
    bool loop = false;
    bool autoReverse = false;
    bool inverse = false;    // run from the stop value back to the start value
    Interpolation interpolation = Interpolation::Linear;
    AnimationType animationType = AnimationType::In;
    bool pause = false;      // while set: no time passes and the value holds

    std::function<void(Animation&)> onProcess;  // after every value update
    std::function<void(Animation&)> onFinish;   // when a non-looping run ends, or on Stop

    void start();            // from the beginning (start value), delay included
    void stop();             // jump to the stop value (start value when inverse), then onFinish
    void stopAtCurrent();    // halt where it is; no finish callback
    bool running() const { return running_; }
    float currentTime() const { return time_; }  // seconds into the current run, delay excluded
    float normalizedTime() const;                // 0..1 eased input before interpolation

    // Advance by dt seconds. Called by the Animator, or directly by tests.
    void advance(float dt);

    bool isVisual() const override { return false; }

protected:
    // t is the eased progress (0 = start value, 1 = stop value); inverse/autoreverse already applied.
    virtual void apply(float t) = 0;
    virtual void onStart() {}

private:
    friend struct RunningAnimations;
    friend class Animator;
    bool running_ = false;
    float time_ = 0;
    float delayLeft_ = 0;
    bool reversing_ = false;
    bool finishingAtOnce_ = false;  // inside the finish of a zero-length run (guards restart loops)
    size_t runningSlot_ = static_cast<size_t>(-1);  // place in the list of running animations
    const Node* checkedRoot_ = nullptr;  // last root the Animator found above us...
    std::uint64_t checkedVersion_ = 0;   // ...at this Node::structureVersion()
    float runLength() const;        // one run: forward, plus backward when auto-reversing
    void beginRun();                // the delay is over: capture start values, show the first frame
    bool showTime(float runTime);   // apply the value at that time; false when a callback destroyed us
    bool finishRun();               // jump to the end value, finish callback; false when destroyed
    void setRunning(bool on);
};

// Animates a named float property of the parent ("Position.X", "Opacity", "BlockCount", ...).
class FloatAnimation : public Animation {
public:
    std::string propertyName;
    float startValue = 0, stopValue = 0;
    bool startFromCurrent = false;  // take the start value from the property at Start
protected:
    void apply(float t) override;
    void onStart() override;
};

class ColorAnimation : public Animation {
public:
    std::string propertyName;       // "Fill.Color", "TextSettings.FontColor", ...
    AlphaColor startValue = colors::Black, stopValue = colors::White;
protected:
    void apply(float t) override;
};

// Shows frames of a sprite sheet on the parent Image. Frames run left to right, then row by row;
// the sheet is `animationCount` frames laid over `animationRowCount` rows of equal-sized cells.
class BitmapListAnimation : public Animation {
public:
    BitmapPtr animationBitmap;
    int animationCount = 1;
    int animationRowCount = 1;
    int currentFrame() const { return frame_; }
protected:
    void apply(float t) override;
private:
    int frame_ = 0;
};

// Moves the parent along a polyline (closed when the last point equals the first), by arc length.
class PathAnimation : public Animation {
public:
    std::vector<PointF> path;   // offsets added to the parent's position at Start
    bool rotate = false;
protected:
    void apply(float t) override;
    void onStart() override;
private:
    PointF origin_;
};

// Steps every running animation under a root by the clock's elapsed time.
class Animator {
public:
    // Advance all running animations in the tree to `nowMs`. Robust to callbacks that delete or
    // reparent nodes (including the animation itself) while the pass runs.
    void advance(Node& root, std::int64_t nowMs);
    void reset(std::int64_t nowMs) { lastMs_ = nowMs; started_ = true; }
private:
    static bool isUnder(Animation& animation, const Node& root);
    std::int64_t lastMs_ = 0;
    bool started_ = false;
};

}  // namespace eng
