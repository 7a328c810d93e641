// The scene graph's node: ownership of children, reparenting and z-order, transforms,
// opacity down the tree, the named float properties and the liveness registry behind NodeRef.
#include "node.h"
#include <algorithm>
#include <cmath>
#include <numbers>
#include <unordered_set>
#include "ascii.h"

namespace eng {

namespace {

// Every live node. Never destroyed, so nodes in static storage may still unregister at exit.
std::unordered_set<const Node*>& liveNodes() {
    static auto* nodes = new std::unordered_set<const Node*>();
    return *nodes;
}

std::uint64_t nextSerial() {
    static std::uint64_t counter = 0;
    return ++counter;
}

struct Rotation {
    float cosA, sinA;
};

Rotation rotationOf(float degrees) {
    if (degrees == 0) return {1, 0};
    const double radians = degrees * std::numbers::pi / 180.0;
    return {static_cast<float>(std::cos(radians)), static_cast<float>(std::sin(radians))};
}

std::uint64_t& structureCounter() {
    static std::uint64_t counter = 0;
    return counter;
}

}  // namespace

std::uint64_t Node::structureVersion() { return structureCounter(); }

Node::Node() : serial_(nextSerial()) { liveNodes().insert(this); }

Node::~Node() {
    liveNodes().erase(this);
    // Children go first while this node is still whole; each is detached before it dies.
    deleteChildren();
}

bool Node::isAlive(const Node* node) { return node && liveNodes().count(node) != 0; }

Node* NodeRef::get() const {
    return (Node::isAlive(node_) && node_->serial() == serial_) ? node_ : nullptr;
}

// ---- tree ----

Node* Node::addChild(std::unique_ptr<Node> child) { return insertChild(children_.size(), std::move(child)); }

Node* Node::insertChild(size_t index, std::unique_ptr<Node> child) {
    if (!child) return nullptr;
    Node* raw = child.get();
    raw->parent_ = this;
    ++structureCounter();
    children_.insert(children_.begin() + static_cast<std::ptrdiff_t>(std::min(index, children_.size())),
                     std::move(child));
    return raw;
}

std::unique_ptr<Node> Node::detach() {
    if (!parent_) return nullptr;
    auto& siblings = parent_->children_;
    auto it = std::find_if(siblings.begin(), siblings.end(), [this](auto& c) { return c.get() == this; });
    if (it == siblings.end()) return nullptr;
    std::unique_ptr<Node> self = std::move(*it);
    siblings.erase(it);
    parent_ = nullptr;
    ++structureCounter();
    return self;
}

void Node::setParent(Node* newParent) {
    // A node without a parent is owned by whoever holds its unique_ptr: it cannot be adopted here.
    // Adopting into our own subtree would make a cycle.
    if (!newParent || !parent_) return;
    for (const Node* n = newParent; n; n = n->parent_)
        if (n == this) return;
    newParent->addChild(detach());
}

void Node::removeChild(Node* child) {
    if (!child || child->parent_ != this) return;
    std::unique_ptr<Node> doomed = child->detach();  // out of the list before it is destroyed
}

void Node::deleteChildren() {
    // Take the list first so destructors and callbacks never see a half-emptied vector.
    std::vector<std::unique_ptr<Node>> doomed = std::move(children_);
    children_.clear();
    for (auto& c : doomed) c->parent_ = nullptr;
    ++structureCounter();
    doomed.clear();
}

int Node::indexInParent() const {
    if (!parent_) return -1;
    const auto& siblings = parent_->children_;
    for (size_t i = 0; i < siblings.size(); ++i)
        if (siblings[i].get() == this) return static_cast<int>(i);
    return -1;
}

// Z-order changes move the child within the list; its ancestry, and so the structure version, stays.
void Node::bringToFront() {
    if (!parent_) return;
    auto& siblings = parent_->children_;
    auto it = std::find_if(siblings.begin(), siblings.end(), [this](auto& c) { return c.get() == this; });
    if (it != siblings.end()) std::rotate(it, it + 1, siblings.end());
}

void Node::sendToBack() {
    if (!parent_) return;
    auto& siblings = parent_->children_;
    auto it = std::find_if(siblings.begin(), siblings.end(), [this](auto& c) { return c.get() == this; });
    if (it != siblings.end()) std::rotate(siblings.begin(), it, it + 1);
}

Node* Node::findChild(std::string_view childName) const {
    for (const auto& c : children_)
        if (c->name == childName) return c.get();
    return nullptr;
}

Node* Node::root() {
    Node* n = this;
    while (n->parent_) n = n->parent_;
    return n;
}

// ---- opacity, visibility, transforms ----

float Node::absoluteOpacity() const {
    float result = opacity;
    for (const Node* n = parent_; n; n = n->parent_) result *= n->opacity;
    return result;
}

bool Node::isVisibleInTree() const {
    for (const Node* n = this; n; n = n->parent_)
        if (!n->visible) return false;
    return true;
}

PointF Node::localToParent(PointF p) const {
    const float sx = p.x * scale.x, sy = p.y * scale.y;
    const float cx = rotationCenter.x * width * scale.x, cy = rotationCenter.y * height * scale.y;
    const Rotation r = rotationOf(rotationAngle);
    const float dx = sx - cx, dy = sy - cy;
    return {position.x + cx + dx * r.cosA - dy * r.sinA, position.y + cy + dx * r.sinA + dy * r.cosA};
}

PointF Node::parentToLocal(PointF p) const {
    const float cx = rotationCenter.x * width * scale.x, cy = rotationCenter.y * height * scale.y;
    const Rotation r = rotationOf(rotationAngle);
    const float dx = p.x - position.x - cx, dy = p.y - position.y - cy;
    // Undo the rotation (transpose), then the scale; a collapsed axis maps to 0.
    const float sx = cx + dx * r.cosA + dy * r.sinA, sy = cy - dx * r.sinA + dy * r.cosA;
    return {scale.x != 0 ? sx / scale.x : 0, scale.y != 0 ? sy / scale.y : 0};
}

PointF Node::localToAbsolute(PointF p) const {
    for (const Node* n = this; n; n = n->parent_) p = n->localToParent(p);
    return p;
}

PointF Node::absoluteToLocal(PointF p) const {
    if (parent_) p = parent_->absoluteToLocal(p);
    return parentToLocal(p);
}

// ---- named properties ----

namespace {

// The float fields reachable by name; one table serves reading and writing. Animations look a
// name up on every frame, so the table is flat and the length is compared before the letters.
struct FloatFieldName {
    std::string_view name;
    float& (*field)(Node&);
};

constexpr FloatFieldName kFloatFields[] = {
    {"Position.X", [](Node& n) -> float& { return n.position.x; }},
    {"Position.Y", [](Node& n) -> float& { return n.position.y; }},
    {"Opacity", [](Node& n) -> float& { return n.opacity; }},
    {"RotationAngle", [](Node& n) -> float& { return n.rotationAngle; }},
    {"Width", [](Node& n) -> float& { return n.width; }},
    {"Height", [](Node& n) -> float& { return n.height; }},
    {"Scale.X", [](Node& n) -> float& { return n.scale.x; }},
    {"Scale.Y", [](Node& n) -> float& { return n.scale.y; }},
    {"RotationCenter.X", [](Node& n) -> float& { return n.rotationCenter.x; }},
    {"RotationCenter.Y", [](Node& n) -> float& { return n.rotationCenter.y; }},
    {"Margins.Left", [](Node& n) -> float& { return n.margins.left; }},
    {"Margins.Top", [](Node& n) -> float& { return n.margins.top; }},
    {"Margins.Right", [](Node& n) -> float& { return n.margins.right; }},
    {"Margins.Bottom", [](Node& n) -> float& { return n.margins.bottom; }},
};

float* floatField(Node& n, std::string_view prop) {
    for (const auto& entry : kFloatFields)
        if (entry.name.size() == prop.size() && sameIgnoringCase(prop, entry.name)) return &entry.field(n);
    return nullptr;
}

}  // namespace

bool Node::setFloatProperty(std::string_view prop, float value) {
    float* field = floatField(*this, prop);
    if (!field) return false;
    *field = value;
    return true;
}

std::optional<float> Node::floatProperty(std::string_view prop) const {
    // floatField only hands out an address; nothing is written through it here.
    const float* field = floatField(const_cast<Node&>(*this), prop);
    if (!field) return std::nullopt;
    return *field;
}

bool Node::setColorProperty(std::string_view, AlphaColor) { return false; }

std::optional<AlphaColor> Node::colorProperty(std::string_view) const { return std::nullopt; }

}  // namespace eng
