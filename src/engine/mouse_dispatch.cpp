// Mouse hit testing on the scene and the click and hover callbacks it drives.
// The top-most node under the pointer wins: later children are drawn over earlier ones.
#include "engine.h"

namespace eng {

namespace {

// The top-most hit-testable node of `node`'s subtree at `pointInParent` (in node's parent's units).
Node* hitTestTree(Node& node, PointF pointInParent) {
    if (!node.visible || !node.enabled || !node.isVisual()) return nullptr;
    const PointF local = node.parentToLocal(pointInParent);
    const bool inside = node.boundsRect().contains(local);
    if (inside || !node.clipChildren) {
        for (size_t i = node.childCount(); i-- > 0;)
            if (Node* hit = hitTestTree(*node.child(i), local)) return hit;
    }
    return (inside && node.hitTest) ? &node : nullptr;
}

// Calls a copy of the node's callback: the callback may destroy the node and with it the original.
void fire(const std::function<void(Node&)>& callback, Node& node) {
    if (!callback) return;
    const auto copy = callback;
    copy(node);
}

}  // namespace

void Engine::dispatchMouse(const MouseEvent& e) {
    Node* const hit = hitTestTree(root_, {e.x, e.y});
    const NodeRef hitRef(hit);
    if (Node* previous = hovered_.get(); previous != hit) {
        hovered_ = hitRef;
        if (previous) {
            previous->isMouseOver = false;
            fire(previous->onMouseLeave, *previous);
        }
        if (Node* entered = hitRef.get()) {  // the leave callback may have destroyed it
            entered->isMouseOver = true;
            fire(entered->onMouseEnter, *entered);
        }
    }
    if (e.button != MouseButton::Left) return;
    if (e.kind == MouseEvent::Down) {
        pressed_ = hitRef;
    } else if (e.kind == MouseEvent::Up) {
        Node* const pressed = pressed_.get();
        pressed_.reset();
        if (pressed && pressed == hitRef.get()) fire(pressed->onClick, *pressed);
    }
}

}  // namespace eng
