// Alignment of children inside their parent: edges first (top, bottom, left, right),
// then the remaining area (client, centred kinds), and Contents over the whole parent.
#include <vector>
#include "node.h"

namespace eng {

namespace {

float centred(float areaStart, float areaSize, float size) { return areaStart + (areaSize - size) / 2; }

// Docks `c` to one edge of `area` and shrinks the area by the space it took.
void dockToEdge(Node& c, RectF& area) {
    const Margins& m = c.margins;
    switch (c.align) {
    case Align::Top:
        c.position = {area.left + m.left, area.top + m.top};
        c.width = area.width() - m.left - m.right;
        area.top += m.top + c.height + m.bottom;
        break;
    case Align::Bottom:
        c.position = {area.left + m.left, area.bottom - m.bottom - c.height};
        c.width = area.width() - m.left - m.right;
        area.bottom -= m.top + c.height + m.bottom;
        break;
    case Align::Left:
        c.position = {area.left + m.left, area.top + m.top};
        c.height = area.height() - m.top - m.bottom;
        area.left += m.left + c.width + m.right;
        break;
    case Align::Right:
        c.position = {area.right - m.right - c.width, area.top + m.top};
        c.height = area.height() - m.top - m.bottom;
        area.right -= m.left + c.width + m.right;
        break;
    default:
        break;
    }
}

// Places `c` inside `area` (already reduced by the docked children) without changing the area.
// A scaled child fills or centres its scaled size: the zoomed game zone keeps its size in level units.
void placeInArea(Node& c, const RectF& area) {
    const Margins& m = c.margins;
    const RectF inner{area.left + m.left, area.top + m.top, area.right - m.right, area.bottom - m.bottom};
    const float sx = c.scale.x != 0 ? c.scale.x : 1, sy = c.scale.y != 0 ? c.scale.y : 1;
    switch (c.align) {
    case Align::Client:
    case Align::Contents:
        c.position = {inner.left, inner.top};
        c.width = inner.width() / sx;
        c.height = inner.height() / sy;
        break;
    case Align::Center:
        c.position = {centred(inner.left, inner.width(), c.width * sx), centred(inner.top, inner.height(), c.height * sy)};
        break;
    case Align::VertCenter:  // full width, centred vertically
        c.position = {inner.left, centred(inner.top, inner.height(), c.height * sy)};
        c.width = inner.width() / sx;
        break;
    case Align::HorzCenter:  // full height, centred horizontally
        c.position = {centred(inner.left, inner.width(), c.width * sx), inner.top};
        c.height = inner.height() / sy;
        break;
    default:
        break;
    }
}

bool isEdge(Align a) { return a == Align::Top || a == Align::Bottom || a == Align::Left || a == Align::Right; }

}  // namespace

void Node::endUpdate() {
    if (updating_ > 0 && --updating_ == 0) realign();
}

void Node::realign() {
    if (updating_ > 0 || children_.empty()) return;
    const RectF whole{0, 0, width, height};
    RectF area{padding.left, padding.top, width - padding.right, height - padding.bottom};
    // Top and bottom docks take full rows before left and right docks share what is left.
    for (auto& c : children_)
        if (c->align == Align::Top || c->align == Align::Bottom) dockToEdge(*c, area);
    for (auto& c : children_)
        if (c->align == Align::Left || c->align == Align::Right) dockToEdge(*c, area);
    for (auto& c : children_) {
        if (c->align == Align::Contents) placeInArea(*c, whole);
        else if (c->align != Align::None && !isEdge(c->align)) placeInArea(*c, area);
    }
    for (auto& c : children_) c->realign();
}

}  // namespace eng
