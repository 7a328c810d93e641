// The scene graph's base object: a node with a transform, opacity, children it owns, and four data slots.
// Layouts, images, rectangles, labels, animations, effects are all nodes, so animations live as children.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>
#include "geometry.h"

namespace eng {

enum class Align { None, Client, Center, VertCenter, HorzCenter, Contents, Top, Bottom, Left, Right };

class Node {
public:
    Node();
    virtual ~Node();
    Node(const Node&) = delete;
    Node& operator=(const Node&) = delete;

    // ---- identity and the four data slots the game uses to carry element data ----
    std::string name;
    int tag = 0;
    float tagFloat = 0;
    std::string tagString;
    std::string hint;

    // ---- tree (a node owns its children) ----
    Node* parent() const { return parent_; }
    const std::vector<std::unique_ptr<Node>>& children() const { return children_; }
    size_t childCount() const { return children_.size(); }
    Node* child(size_t i) const { return children_[i].get(); }
    template <class T, class... Args>
    T* add(Args&&... args) {  // create a child of type T at the front-most position
        auto owned = std::make_unique<T>(std::forward<Args>(args)...);
        T* raw = owned.get();
        addChild(std::move(owned));
        return raw;
    }
    Node* addChild(std::unique_ptr<Node> child);             // appended last = drawn on top
    Node* insertChild(size_t index, std::unique_ptr<Node> child);
    std::unique_ptr<Node> detach();                          // remove from parent, caller owns it
    void setParent(Node* newParent);                         // reparent: move to the top of newParent's children
    void removeChild(Node* child);                           // destroys the child and its subtree
    void deleteChildren();                                   // destroys every child
    int indexInParent() const;
    void bringToFront();
    void sendToBack();
    Node* findChild(std::string_view childName) const;       // direct children only
    Node* root();
    template <class T> T* firstChildOfType() const {
        for (auto& c : children_) if (auto* t = dynamic_cast<T*>(c.get())) return t;
        return nullptr;
    }
    template <class T> void forEachChildOfType(const std::function<void(T&)>& fn) const {
        for (auto& c : children_) if (auto* t = dynamic_cast<T*>(c.get())) fn(*t);
    }

    // ---- geometry (in the parent's units) ----
    PointF position;
    float width = 0, height = 0;
    PointF scale{1, 1};
    float rotationAngle = 0;              // degrees, clockwise
    PointF rotationCenter{0.5f, 0.5f};    // fraction of the node's size
    float opacity = 1;
    bool visible = true;
    bool hitTest = true;
    bool enabled = true;
    Align align = Align::None;
    Margins margins;
    Margins padding;
    bool clipChildren = false;
    // Draw this subtree at its own unscaled size into an offscreen texture, then scale once (game zone).
    bool renderOffscreen = false;
    // A child of a renderOffscreen layer drawn after the layer's scaled copy, at full window resolution
    // (head-up display, weather). It and every later sibling are drawn this way, so keep such children last.
    bool windowResolution = false;

    RectF boundsRect() const { return {0, 0, width, height}; }
    // This node's rectangle in its parent's coordinates, ignoring scale and rotation (the game's overlap tests).
    RectF parentRect() const { return {position.x, position.y, position.x + width, position.y + height}; }
    float absoluteOpacity() const;        // opacity multiplied down from the root
    bool isVisibleInTree() const;         // visible and every ancestor visible
    PointF localToAbsolute(PointF p) const;   // through every ancestor's full transform
    PointF absoluteToLocal(PointF p) const;
    // One level of the transform: scale about the top-left corner, rotate clockwise about
    // rotationCenter (a fraction of the scaled size), then move by position.
    PointF localToParent(PointF p) const;
    PointF parentToLocal(PointF p) const;

    // ---- named float properties, the targets of float animations ----
    // Base names: "Position.X", "Position.Y", "Width", "Height", "Opacity", "RotationAngle",
    // "Scale.X", "Scale.Y", "RotationCenter.X", "RotationCenter.Y", "Margins.Left"... Subclasses add theirs.
    virtual bool setFloatProperty(std::string_view prop, float value);
    virtual std::optional<float> floatProperty(std::string_view prop) const;
    virtual bool setColorProperty(std::string_view prop, AlphaColor value);
    virtual std::optional<AlphaColor> colorProperty(std::string_view prop) const;

    // ---- layout ----
    void beginUpdate() { ++updating_; }
    void endUpdate();
    bool isUpdating() const { return updating_ > 0; }
    void realign();                       // apply Align/Margins of the children now (also done before drawing)

    // ---- mouse ----
    std::function<void(Node&)> onClick;
    std::function<void(Node&)> onMouseEnter;
    std::function<void(Node&)> onMouseLeave;
    bool isMouseOver = false;

    // True for nodes that draw nothing and take no space (animations, effects, timers).
    virtual bool isVisual() const { return true; }

    // Liveness: true while `node` points at a constructed, not yet destroyed Node.
    static bool isAlive(const Node* node);
    // Bumped whenever any node gains or loses a parent: lets passes skip re-checking ancestry.
    static std::uint64_t structureVersion();
    std::uint64_t serial() const { return serial_; }  // unique for the process's lifetime

private:
    Node* parent_ = nullptr;
    std::uint64_t serial_ = 0;
    std::vector<std::unique_ptr<Node>> children_;
    int updating_ = 0;
};

// A weak reference that notices when its node is destroyed (mouse hover, callbacks kept across frames).
class NodeRef {
public:
    NodeRef() = default;
    explicit NodeRef(Node* node) : node_(node), serial_(node ? node->serial() : 0) {}
    Node* get() const;                  // nullptr once the node is gone
    void reset() { node_ = nullptr; serial_ = 0; }
private:
    Node* node_ = nullptr;
    std::uint64_t serial_ = 0;
};

}  // namespace eng
