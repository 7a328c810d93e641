// Animation timing: delay, loop, auto-reverse, inverse, pause, stop and stop-at-current, the
// callbacks, and the Animator's pass when callbacks destroy or move nodes while it runs.
#include <gtest/gtest.h>
#include <memory>
#include <utility>
#include "engine/animation.h"
#include "engine/controls.h"

namespace {

using eng::FloatAnimation;

// A layout at x = -7 carrying a linear 1-second animation of its x from 0 to 100.
class AnimationTest : public ::testing::Test {
protected:
    eng::Layout root;
    eng::Layout* box = root.add<eng::Layout>();
    FloatAnimation* ani = box->add<FloatAnimation>();
    int processed = 0, finished = 0;

    void SetUp() override {
        box->position.x = -7;
        ani->propertyName = "Position.X";
        ani->startValue = 0;
        ani->stopValue = 100;
        ani->duration = 1;
        ani->onProcess = [this](eng::Animation&) { ++processed; };
        ani->onFinish = [this](eng::Animation&) { ++finished; };
    }
    float x() const { return box->position.x; }
};

TEST_F(AnimationTest, RunsFromStartToStopValueThenFinishesOnce) {
    ani->start();
    EXPECT_FLOAT_EQ(x(), 0);
    ani->advance(0.25f);
    EXPECT_FLOAT_EQ(x(), 25);
    ani->advance(0.5f);
    EXPECT_FLOAT_EQ(x(), 75);
    EXPECT_EQ(finished, 0);
    ani->advance(0.5f);
    EXPECT_FLOAT_EQ(x(), 100);
    EXPECT_EQ(finished, 1);
    EXPECT_FALSE(ani->running());
    const int processedAtEnd = processed;
    ani->advance(1);
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(processed, processedAtEnd);
    EXPECT_GE(processedAtEnd, 4);  // start, two steps, the end
}

TEST_F(AnimationTest, DelayHoldsTheValueThenCountsTheRestOfTheStep) {
    ani->delay = 0.5f;
    ani->start();
    EXPECT_FLOAT_EQ(x(), -7);
    ani->advance(0.4f);
    EXPECT_FLOAT_EQ(x(), -7);
    EXPECT_EQ(processed, 0);
    ani->advance(0.2f);
    EXPECT_NEAR(x(), 10, 1e-3);
    EXPECT_NEAR(ani->currentTime(), 0.1f, 1e-5);
}

TEST_F(AnimationTest, LoopRestartsWithoutFinishing) {
    ani->loop = true;
    ani->start();
    ani->advance(0.5f);
    ani->advance(0.75f);
    EXPECT_NEAR(x(), 25, 1e-3);
    ani->advance(10.f);
    EXPECT_NEAR(x(), 25, 1e-3);
    EXPECT_TRUE(ani->running());
    EXPECT_EQ(finished, 0);
}

TEST_F(AnimationTest, AutoReverseGoesForwardThenBackEachOverTheDuration) {
    ani->autoReverse = true;
    ani->start();
    ani->advance(0.5f);
    EXPECT_FLOAT_EQ(x(), 50);
    ani->advance(0.5f);
    EXPECT_FLOAT_EQ(x(), 100);
    ani->advance(0.25f);
    EXPECT_FLOAT_EQ(x(), 75);
    EXPECT_EQ(finished, 0);
    ani->advance(0.75f);
    EXPECT_FLOAT_EQ(x(), 0);
    EXPECT_EQ(finished, 1);
}

TEST_F(AnimationTest, AutoReverseWithLoopRepeatsTheWholeSwing) {
    ani->autoReverse = true;
    ani->loop = true;
    ani->start();
    ani->advance(1.5f);
    EXPECT_FLOAT_EQ(x(), 50);
    ani->advance(1.0f);  // 2.5 s: half-way forward on the second swing
    EXPECT_NEAR(x(), 50, 1e-3);
    ani->advance(0.25f);
    EXPECT_NEAR(x(), 75, 1e-3);
    EXPECT_EQ(finished, 0);
}

TEST_F(AnimationTest, InverseRunsFromStopBackToStart) {
    ani->inverse = true;
    ani->start();
    EXPECT_FLOAT_EQ(x(), 100);
    ani->advance(0.25f);
    EXPECT_FLOAT_EQ(x(), 75);
    ani->advance(0.75f);
    EXPECT_FLOAT_EQ(x(), 0);
    EXPECT_EQ(finished, 1);
}

TEST_F(AnimationTest, EasingShapesTheValue) {
    ani->interpolation = eng::Interpolation::Quadratic;
    ani->animationType = eng::AnimationType::In;
    ani->start();
    ani->advance(0.5f);
    EXPECT_FLOAT_EQ(x(), 25);
}

TEST_F(AnimationTest, PauseKeepsTimeAndValue) {
    ani->start();
    ani->advance(0.3f);
    ani->pause = true;
    const int processedBefore = processed;
    ani->advance(5);
    EXPECT_FLOAT_EQ(x(), 30);
    EXPECT_FLOAT_EQ(ani->currentTime(), 0.3f);
    EXPECT_EQ(processed, processedBefore);
    EXPECT_TRUE(ani->running());
    ani->pause = false;
    ani->advance(0.2f);
    EXPECT_FLOAT_EQ(x(), 50);
}

TEST_F(AnimationTest, PauseDuringTheDelayKeepsTheDelay) {
    ani->delay = 1;
    ani->start();
    ani->advance(0.5f);
    ani->pause = true;
    ani->advance(10);
    ani->pause = false;
    ani->advance(0.4f);
    EXPECT_FLOAT_EQ(x(), -7);
    ani->advance(0.2f);
    EXPECT_NEAR(x(), 10, 1e-3);
}

struct StopCase {
    const char* what;
    bool inverse, autoReverse;
    float expectedX;
};

TEST_F(AnimationTest, StopJumpsToTheEndOfTheRunAndFinishes) {
    const StopCase cases[] = {
        {"plain", false, false, 100}, {"inverse", true, false, 0}, {"auto-reverse", false, true, 0},
        {"inverse auto-reverse", true, true, 100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        finished = 0;
        ani->inverse = c.inverse;
        ani->autoReverse = c.autoReverse;
        ani->start();
        ani->advance(0.3f);
        ani->stop();
        EXPECT_FLOAT_EQ(x(), c.expectedX);
        EXPECT_EQ(finished, 1);
        EXPECT_FALSE(ani->running());
        ani->stop();  // stopping a stopped animation changes nothing
        EXPECT_EQ(finished, 1);
    }
}

TEST_F(AnimationTest, StopDuringTheDelayStillEndsAtTheStopValue) {
    ani->delay = 2;
    ani->startFromCurrent = true;
    box->position.x = 40;
    ani->start();
    ani->stop();
    EXPECT_FLOAT_EQ(x(), 100);
    EXPECT_EQ(finished, 1);
}

TEST_F(AnimationTest, StopAtCurrentHaltsWithoutFinishing) {
    ani->start();
    ani->advance(0.3f);
    ani->stopAtCurrent();
    ani->advance(0.5f);
    EXPECT_FLOAT_EQ(x(), 30);
    EXPECT_EQ(finished, 0);
    EXPECT_FALSE(ani->running());
}

TEST_F(AnimationTest, StartFromCurrentTakesThePropertyWhenTheRunBegins) {
    ani->startFromCurrent = true;
    ani->delay = 0.5f;
    box->position.x = 10;
    ani->start();
    box->position.x = 40;  // moved during the delay: the run starts from here
    ani->advance(0.5f);
    ani->advance(0.5f);
    EXPECT_FLOAT_EQ(x(), 70);
}

TEST_F(AnimationTest, ZeroDurationCompletesAtOnceAndCannotRecurseWithoutEnd) {
    ani->duration = 0;
    ani->onFinish = [this](eng::Animation& a) {
        ++finished;
        a.start();  // an end action that restarts its own animation
    };
    ani->start();
    EXPECT_FLOAT_EQ(x(), 100);
    EXPECT_EQ(finished, 1);
    ani->advance(0.016f);
    EXPECT_LE(finished, 3);
}

TEST_F(AnimationTest, PropertyNamesIgnoreCase) {
    ani->propertyName = "position.x";
    ani->start();
    ani->advance(0.5f);
    EXPECT_FLOAT_EQ(x(), 50);
}

// ---- the Animator's pass ----

TEST_F(AnimationTest, AnimatorAdvancesByTheClockSinceItsLastPass) {
    eng::Animator animator;
    animator.reset(1000);
    ani->start();
    animator.advance(root, 1250);
    EXPECT_FLOAT_EQ(x(), 25);
    animator.advance(root, 1250);
    EXPECT_FLOAT_EQ(x(), 25);
    animator.advance(root, 1500);
    EXPECT_FLOAT_EQ(x(), 50);
}

TEST_F(AnimationTest, AnimatorLeavesAnimationsOfOtherTreesAlone) {
    eng::Layout otherRoot;
    eng::Animator animator;
    animator.reset(0);
    ani->start();
    animator.advance(otherRoot, 500);
    EXPECT_FLOAT_EQ(x(), 0);
}

TEST_F(AnimationTest, FinishCallbackDeletingItsOwnNodeDuringThePass) {
    // Two animations on the box; the first one's end destroys the box, and with it both animations.
    auto* second = box->add<FloatAnimation>();
    second->propertyName = "Position.Y";
    second->stopValue = 10;
    second->duration = 5;
    int secondProcessed = 0;
    second->onProcess = [&](eng::Animation&) { ++secondProcessed; };
    ani->onFinish = [this](eng::Animation&) { root.removeChild(box); };
    eng::Animator animator;
    animator.reset(0);
    ani->start();
    second->start();
    secondProcessed = 0;
    animator.advance(root, 2000);
    EXPECT_EQ(root.childCount(), 0u);
    EXPECT_EQ(secondProcessed, 0);
    animator.advance(root, 3000);  // nothing left to step, nothing dangling
}

TEST_F(AnimationTest, ProcessCallbackDeletingALaterAnimationAndItself) {
    auto* other = root.add<eng::Layout>();
    auto* victim = other->add<FloatAnimation>();
    victim->propertyName = "Opacity";
    victim->duration = 1;
    bool victimRan = false;
    victim->onProcess = [&](eng::Animation&) { victimRan = true; };
    ani->start();
    victim->start();  // after ani in the pass
    victimRan = false;
    ani->onProcess = [&](eng::Animation& self) {
        root.removeChild(other);
        self.parent()->removeChild(&self);
    };
    eng::Animator animator;
    animator.reset(0);
    animator.advance(root, 100);
    EXPECT_FALSE(victimRan);
    EXPECT_EQ(root.childCount(), 1u);
    EXPECT_EQ(box->childCount(), 0u);
    animator.advance(root, 200);
}

TEST_F(AnimationTest, CallbacksDuringThePassThatDeleteOrMoveOthers) {
    // The first animation's step deletes one later animation and moves another out of the tree.
    auto* doomedHolder = root.add<eng::Layout>();
    auto* doomed = doomedHolder->add<FloatAnimation>();
    auto* movedHolder = root.add<eng::Layout>();
    auto* moved = movedHolder->add<FloatAnimation>();
    eng::Layout elsewhere;
    auto* elsewhereHolder = elsewhere.add<eng::Layout>();
    for (auto* a : {doomed, moved}) {
        a->propertyName = "Position.X";
        a->stopValue = 100;
        a->duration = 1;
    }
    ani->start();
    doomed->start();
    moved->start();
    ani->onProcess = [&](eng::Animation&) {
        if (doomedHolder) root.removeChild(std::exchange(doomedHolder, nullptr));
        moved->setParent(elsewhereHolder);
    };
    eng::Animator animator;
    animator.reset(0);
    animator.advance(root, 500);
    EXPECT_EQ(root.childCount(), 2u);
    EXPECT_EQ(moved->parent(), elsewhereHolder);
    EXPECT_FLOAT_EQ(elsewhereHolder->position.x, 0);  // not under the root any more: not stepped
    EXPECT_FLOAT_EQ(x(), 50);
}

TEST_F(AnimationTest, AnimationMovedOutOfTheTreeBetweenPassesIsNoLongerStepped) {
    eng::Layout elsewhere;
    eng::Animator animator;
    animator.reset(0);
    ani->start();
    animator.advance(root, 250);  // the pass has seen the animation under the root
    EXPECT_FLOAT_EQ(x(), 25);
    box->setParent(&elsewhere);
    animator.advance(root, 500);
    EXPECT_FLOAT_EQ(x(), 25);
    box->setParent(&root);
    box->bringToFront();
    animator.advance(root, 750);
    EXPECT_FLOAT_EQ(x(), 50);
}

TEST_F(AnimationTest, AnimationStartedDuringThePassWaitsForTheNextOne) {
    auto* late = box->add<FloatAnimation>();
    late->propertyName = "Position.Y";
    late->stopValue = 100;
    late->duration = 1;
    ani->onProcess = [&](eng::Animation&) { if (!late->running()) late->start(); };
    eng::Animator animator;
    animator.reset(0);
    ani->start();
    late->stopAtCurrent();
    animator.advance(root, 250);
    EXPECT_FLOAT_EQ(box->position.y, 0);
    animator.advance(root, 500);
    EXPECT_FLOAT_EQ(box->position.y, 25);
}

// ---- the other kinds ----

TEST(ColorAnimation, BlendsEachChannel) {
    eng::Rectangle rect;
    auto* ani = rect.add<eng::ColorAnimation>();
    ani->propertyName = "Fill.Color";
    ani->startValue = 0x80FF0000;
    ani->stopValue = 0xFF0000FF;
    ani->duration = 1;
    ani->start();
    ani->advance(0.5f);
    // alpha 0x80->0xFF: 191.5 -> 192; red 255->0: 127.5 -> 128; blue 0->255: 128.
    EXPECT_EQ(rect.fill.color, 0xC0800080u);
}

TEST(ColorAnimation, OvershootIsHeldToTheChannelRange) {
    eng::Label label;
    auto* ani = label.add<eng::ColorAnimation>();
    ani->propertyName = "TextSettings.FontColor";
    ani->startValue = 0xFF000000;
    ani->stopValue = 0xFFFFFFFF;
    ani->interpolation = eng::Interpolation::Back;
    ani->animationType = eng::AnimationType::Out;
    ani->duration = 1;
    ani->start();
    ani->advance(0.5f);  // Back out overshoots to about 1.088
    EXPECT_EQ(label.color, 0xFFFFFFFFu);
}

class SpriteSheetTest : public ::testing::Test {
protected:
    eng::Image image;
    eng::BitmapListAnimation* ani = image.add<eng::BitmapListAnimation>();
    void SetUp() override {
        ani->animationBitmap = std::make_shared<eng::Bitmap>(80, 40);
        ani->duration = 0.8f;
    }
};

TEST_F(SpriteSheetTest, FramesRunLeftToRightThenRowByRow) {
    ani->animationCount = 8;
    ani->animationRowCount = 2;  // 4 cells of 20 x 20 per row
    ani->start();
    EXPECT_TRUE(image.hasFrame);
    EXPECT_EQ(image.bitmap, ani->animationBitmap);
    EXPECT_EQ(image.frame, (eng::RectF{0, 0, 20, 20}));
    ani->advance(0.35f);  // t = 0.4375: frame 3, end of the first row
    EXPECT_EQ(ani->currentFrame(), 3);
    EXPECT_EQ(image.frame, (eng::RectF{60, 0, 80, 20}));
    ani->advance(0.13f);  // t = 0.6: frame 4, first cell of the second row
    EXPECT_EQ(image.frame, (eng::RectF{0, 20, 20, 40}));
    ani->advance(1);
    EXPECT_EQ(ani->currentFrame(), 7);
    EXPECT_EQ(image.frame, (eng::RectF{60, 20, 80, 40}));
}

TEST_F(SpriteSheetTest, UnevenFrameCountRoundsFramesPerRowUp) {
    ani->animationCount = 5;
    ani->animationRowCount = 2;  // 3 per row, cells 80/3 wide
    ani->start();
    ani->advance(0.8f);
    EXPECT_EQ(ani->currentFrame(), 4);
    EXPECT_NEAR(image.frame.left, 80.f / 3, 1e-4);
    EXPECT_FLOAT_EQ(image.frame.top, 20);
}

TEST(SpriteSheet, ParentThatIsNoImageIsLeftAlone) {
    eng::Layout layout;
    auto* ani = layout.add<eng::BitmapListAnimation>();
    ani->animationBitmap = std::make_shared<eng::Bitmap>(10, 10);
    ani->animationCount = 4;
    ani->start();
    ani->advance(1);
    EXPECT_FALSE(ani->running());
}

TEST(PathAnimation, MovesByArcLengthFromTheStartPosition) {
    eng::Layout box;
    box.position = {5, 5};
    auto* ani = box.add<eng::PathAnimation>();
    ani->path = {{0, 0}, {10, 0}, {10, 30}};  // 40 units long
    ani->duration = 1;
    ani->rotate = true;
    ani->start();
    ani->advance(0.125f);
    EXPECT_EQ(box.position, (eng::PointF{10, 5}));
    EXPECT_FLOAT_EQ(box.rotationAngle, 0);
    ani->advance(0.375f);
    EXPECT_EQ(box.position, (eng::PointF{15, 15}));
    EXPECT_FLOAT_EQ(box.rotationAngle, 90);
    ani->advance(1);
    EXPECT_EQ(box.position, (eng::PointF{15, 35}));
}

}  // namespace
