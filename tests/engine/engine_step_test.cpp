// The engine's step and its mouse dispatch, headless under the manual clock: clicks reach the
// top-most node under the pointer, hover enters and leaves, and nothing dangles when nodes die.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "engine/engine.h"

namespace {

class EngineTest : public ::testing::Test {
protected:
    eng::ManualClock clock;
    eng::Engine engine{clock, 1};
    std::vector<std::string> log;

    // A rectangle at (x, y) of w x h that logs its clicks, enters and leaves.
    eng::Rectangle* button(eng::Node& parent, const std::string& name, float x, float y, float w, float h) {
        auto* r = parent.add<eng::Rectangle>();
        r->name = name;
        r->position = {x, y};
        r->width = w;
        r->height = h;
        r->onClick = [this](eng::Node& n) { log.push_back("click " + n.name); };
        r->onMouseEnter = [this](eng::Node& n) { log.push_back("enter " + n.name); };
        r->onMouseLeave = [this](eng::Node& n) { log.push_back("leave " + n.name); };
        return r;
    }
    void mouse(eng::MouseEvent::Kind kind, float x, float y) {
        engine.dispatchMouse({kind, x, y, eng::MouseButton::Left});
    }
    void click(float x, float y) {
        mouse(eng::MouseEvent::Down, x, y);
        mouse(eng::MouseEvent::Up, x, y);
    }
    using Log = std::vector<std::string>;
};

TEST_F(EngineTest, RootDefaultsToTheWindowSize) {
    EXPECT_EQ(engine.root().width, 1000);
    EXPECT_EQ(engine.root().height, 576);
}

TEST_F(EngineTest, ClickGoesToTheTopMostNodeUnderThePointer) {
    button(engine.root(), "under", 0, 0, 100, 100);
    button(engine.root(), "over", 50, 50, 100, 100);
    click(60, 60);
    click(10, 10);
    EXPECT_EQ(log, (Log{"enter over", "click over", "leave over", "enter under", "click under"}));
}

TEST_F(EngineTest, HiddenDisabledAndNotHitTestableNodesLetThePointerThrough) {
    button(engine.root(), "under", 0, 0, 100, 100);
    auto* over = button(engine.root(), "over", 0, 0, 100, 100);
    for (auto change : {+[](eng::Node& n) { n.visible = false; }, +[](eng::Node& n) { n.enabled = false; },
                        +[](eng::Node& n) { n.hitTest = false; }}) {
        over->visible = over->enabled = over->hitTest = true;
        change(*over);
        log.clear();
        click(5, 5);
        EXPECT_EQ(log.back(), "click under");
    }
}

TEST_F(EngineTest, ChildrenOfANonHitTestableLayoutStillReceiveClicks) {
    auto* layer = engine.root().add<eng::Layout>();
    layer->hitTest = false;
    layer->width = 1000;
    layer->height = 576;
    layer->position = {100, 0};
    layer->scale = {2, 2};
    button(*layer, "inner", 10, 10, 20, 20);  // covers x 120..160, y 20..60 in the window
    click(150, 50);
    click(115, 50);
    EXPECT_EQ(log, (Log{"enter inner", "click inner", "leave inner"}));
}

TEST_F(EngineTest, ReleaseOverAnotherNodeIsNoClick) {
    button(engine.root(), "a", 0, 0, 10, 10);
    button(engine.root(), "b", 20, 0, 10, 10);
    mouse(eng::MouseEvent::Down, 5, 5);
    mouse(eng::MouseEvent::Move, 25, 5);
    mouse(eng::MouseEvent::Up, 25, 5);
    EXPECT_EQ(log, (Log{"enter a", "leave a", "enter b"}));
}

TEST_F(EngineTest, HoveredNodeDestroyedIsForgottenNotLeft) {
    auto* doomed = button(engine.root(), "doomed", 0, 0, 10, 10);
    mouse(eng::MouseEvent::Move, 5, 5);
    engine.root().removeChild(doomed);
    button(engine.root(), "fresh", 0, 0, 10, 10);  // possibly at the same address
    mouse(eng::MouseEvent::Move, 6, 6);
    EXPECT_EQ(log, (Log{"enter doomed", "enter fresh"}));
}

TEST_F(EngineTest, ClickHandlerDestroyingItsOwnNode) {
    auto* self = button(engine.root(), "self", 0, 0, 10, 10);
    self->onClick = [this](eng::Node& n) { engine.root().removeChild(&n); };
    click(5, 5);
    mouse(eng::MouseEvent::Move, 6, 6);
    EXPECT_EQ(engine.root().childCount(), 0u);
}

TEST_F(EngineTest, StepDispatchesQueuedInputThenTimersThenAnimations) {
    std::vector<std::string> order;
    engine.onKey = [&](const eng::KeyEvent& e) { order.push_back("key " + e.keyName); };
    engine.onMouse = [&](const eng::MouseEvent&) { order.push_back("mouse"); };
    eng::Timer tick(engine.scheduler(), 16);
    tick.onTimer = [&] { order.push_back("tick"); };
    tick.setEnabled(true);
    auto* box = engine.root().add<eng::Layout>();
    auto* ani = box->add<eng::FloatAnimation>();
    ani->propertyName = "Position.X";
    ani->stopValue = 100;
    ani->duration = 0.1f;
    ani->start();
    ani->onProcess = [&](eng::Animation&) { order.push_back("animation"); };

    engine.queueKey(eng::keyEventFromName("Right", true));
    engine.queueMouse({eng::MouseEvent::Move, 1, 1});
    EXPECT_TRUE(order.empty());
    clock.advance(16);
    engine.step();
    EXPECT_EQ(order, (std::vector<std::string>{"key Right", "mouse", "tick", "animation"}));
    EXPECT_FLOAT_EQ(box->position.x, 16);
    engine.step();  // nothing queued, nothing due, no time passed
    EXPECT_EQ(order.size(), 4u);
}

TEST_F(EngineTest, StepRealignsTheTree) {
    auto* fill = engine.root().add<eng::Layout>();
    fill->align = eng::Align::Client;
    engine.step();
    EXPECT_EQ(fill->parentRect(), (eng::RectF{0, 0, 1000, 576}));
}

}  // namespace
