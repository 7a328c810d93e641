// The scene tree: ownership and order of children, reparenting, opacity and visibility down the
// tree, transforms both ways, alignment with margins, named properties and weak references.
#include <gtest/gtest.h>
#include "engine/controls.h"
#include "engine/effects.h"
#include "engine/node.h"

namespace {

using eng::Layout;
using eng::Node;

std::vector<std::string> childNames(const Node& n) {
    std::vector<std::string> names;
    for (const auto& c : n.children()) names.push_back(c->name);
    return names;
}

class TreeTest : public ::testing::Test {
protected:
    Layout root;
    Node* a = named(root.add<Layout>(), "a");
    Node* b = named(root.add<Layout>(), "b");
    Node* c = named(root.add<Layout>(), "c");
    static Node* named(Node* n, const char* name) { n->name = name; return n; }
    using Names = std::vector<std::string>;
};

TEST_F(TreeTest, ChildrenKeepTheirOrderAndFrontMost) {
    EXPECT_EQ(childNames(root), (Names{"a", "b", "c"}));
    a->bringToFront();
    EXPECT_EQ(childNames(root), (Names{"b", "c", "a"}));
    c->sendToBack();
    EXPECT_EQ(childNames(root), (Names{"c", "b", "a"}));
    EXPECT_EQ(b->indexInParent(), 1);
    EXPECT_EQ(root.findChild("a"), a);
    EXPECT_EQ(root.findChild("zz"), nullptr);
}

TEST_F(TreeTest, ReparentMovesTheSubtreeToTheTopOfTheNewParent) {
    Node* grandChild = named(a->add<Layout>(), "g");
    named(c->add<Layout>(), "c1");
    a->setParent(c);
    EXPECT_EQ(childNames(root), (Names{"b", "c"}));
    EXPECT_EQ(childNames(*c), (Names{"c1", "a"}));
    EXPECT_EQ(a->parent(), c);
    EXPECT_EQ(grandChild->root(), &root);
}

TEST_F(TreeTest, ReparentIntoItsOwnSubtreeIsRefused) {
    Node* inner = a->add<Layout>();
    a->setParent(inner);
    EXPECT_EQ(a->parent(), &root);
    a->setParent(a);
    EXPECT_EQ(a->parent(), &root);
}

TEST_F(TreeTest, RemovingAndDetaching) {
    const eng::NodeRef weakB(b);
    root.removeChild(b);
    EXPECT_EQ(weakB.get(), nullptr);
    EXPECT_EQ(childNames(root), (Names{"a", "c"}));
    std::unique_ptr<Node> owned = c->detach();
    EXPECT_EQ(owned.get(), c);
    EXPECT_EQ(c->parent(), nullptr);
    EXPECT_EQ(childNames(root), (Names{"a"}));
    root.insertChild(0, std::move(owned));
    EXPECT_EQ(childNames(root), (Names{"c", "a"}));
    root.deleteChildren();
    EXPECT_EQ(root.childCount(), 0u);
}

TEST_F(TreeTest, NodeRefForgetsADestroyedNodeEvenWhenTheAddressIsReused) {
    const eng::NodeRef weakA(a);
    EXPECT_EQ(weakA.get(), a);
    root.removeChild(a);
    root.add<Layout>();  // may land on the same address
    EXPECT_EQ(weakA.get(), nullptr);
}

TEST_F(TreeTest, OpacityMultipliesAndVisibilityInheritsDownTheTree) {
    root.opacity = 0.5f;
    a->opacity = 0.5f;
    Node* leaf = a->add<Layout>();
    leaf->opacity = 0.8f;
    EXPECT_FLOAT_EQ(leaf->absoluteOpacity(), 0.2f);
    EXPECT_TRUE(leaf->isVisibleInTree());
    a->visible = false;
    EXPECT_FALSE(leaf->isVisibleInTree());
}

TEST(NodeTransform, PositionScaleAndRotationAboutTheCentre) {
    Layout root;
    auto* box = root.add<Layout>();
    box->position = {100, 50};
    box->width = 20;
    box->height = 10;
    box->rotationAngle = 90;  // clockwise about (10, 5): the top-left corner swings to the top-right
    const eng::PointF corner = box->localToAbsolute({0, 0});
    EXPECT_NEAR(corner.x, 115, 1e-4);
    EXPECT_NEAR(corner.y, 45, 1e-4);

    box->rotationAngle = 0;
    box->scale = {2, 3};
    root.position = {10, 20};
    const eng::PointF p = box->localToAbsolute({5, 5});
    EXPECT_NEAR(p.x, 10 + 100 + 10, 1e-4);
    EXPECT_NEAR(p.y, 20 + 50 + 15, 1e-4);
}

TEST(NodeTransform, AbsoluteToLocalUndoesLocalToAbsolute) {
    Layout root;
    root.scale = {2.5f, 2.5f};
    auto* mid = root.add<Layout>();
    mid->position = {-40, 12};
    mid->width = 300;
    mid->height = 200;
    mid->rotationAngle = 30;
    mid->rotationCenter = {0.2f, 0.7f};
    auto* leaf = mid->add<Layout>();
    leaf->position = {7, 9};
    leaf->width = 40;
    leaf->height = 16;
    leaf->scale = {0.5f, 1.5f};
    leaf->rotationAngle = -75;
    for (eng::PointF q : {eng::PointF{0, 0}, eng::PointF{13, -4}, eng::PointF{40, 16}}) {
        const eng::PointF back = leaf->absoluteToLocal(leaf->localToAbsolute(q));
        EXPECT_NEAR(back.x, q.x, 1e-3);
        EXPECT_NEAR(back.y, q.y, 1e-3);
    }
}

// ---- alignment ----

TEST(NodeAlign, EdgesDockInOrderAndClientTakesTheRest) {
    Layout parent;
    parent.width = 200;
    parent.height = 100;
    auto* top = parent.add<Layout>();
    top->align = eng::Align::Top;
    top->height = 20;
    top->margins = {5, 5, 5, 5};
    auto* bottom = parent.add<Layout>();
    bottom->align = eng::Align::Bottom;
    bottom->height = 10;
    auto* left = parent.add<Layout>();
    left->align = eng::Align::Left;
    left->width = 30;
    auto* right = parent.add<Layout>();
    right->align = eng::Align::Right;
    right->width = 15;
    auto* client = parent.add<Layout>();
    client->align = eng::Align::Client;
    client->margins = {1, 2, 3, 4};
    parent.realign();
    EXPECT_EQ(top->parentRect(), (eng::RectF{5, 5, 195, 25}));
    EXPECT_EQ(bottom->parentRect(), (eng::RectF{0, 90, 200, 100}));
    EXPECT_EQ(left->parentRect(), (eng::RectF{0, 30, 30, 90}));
    EXPECT_EQ(right->parentRect(), (eng::RectF{185, 30, 200, 90}));
    EXPECT_EQ(client->parentRect(), (eng::RectF{31, 32, 182, 86}));
}

struct CentreCase {
    eng::Align align;
    eng::RectF expected;
};

TEST(NodeAlign, CentredKindsAndContents) {
    const CentreCase cases[] = {
        {eng::Align::Center, {80, 40, 120, 60}},
        {eng::Align::VertCenter, {0, 40, 200, 60}},   // full width, centred vertically
        {eng::Align::HorzCenter, {80, 0, 120, 100}},  // full height, centred horizontally
        {eng::Align::Contents, {0, 0, 200, 100}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.align));
        Layout parent;
        parent.width = 200;
        parent.height = 100;
        auto* child = parent.add<Layout>();
        child->width = 40;
        child->height = 20;
        child->align = c.align;
        parent.realign();
        EXPECT_EQ(child->parentRect(), c.expected);
    }
}

TEST(NodeAlign, BeginUpdateDefersRealignUntilTheLastEndUpdate) {
    Layout parent;
    auto* child = parent.add<Layout>();
    child->align = eng::Align::Client;
    parent.beginUpdate();
    parent.beginUpdate();
    parent.width = 50;
    parent.height = 60;
    parent.realign();
    EXPECT_EQ(child->width, 0);
    parent.endUpdate();
    EXPECT_EQ(child->width, 0);
    parent.endUpdate();
    EXPECT_EQ(child->parentRect(), (eng::RectF{0, 0, 50, 60}));
}

TEST(NodeAlign, NestedAlignmentFollowsTheResizedParent) {
    Layout root;
    root.width = 300;
    root.height = 200;
    auto* panel = root.add<Layout>();
    panel->align = eng::Align::Client;
    auto* centred = panel->add<Layout>();
    centred->align = eng::Align::Center;
    centred->width = 100;
    centred->height = 50;
    root.realign();
    EXPECT_EQ(centred->position, (eng::PointF{100, 75}));
}

// ---- named properties ----

TEST(NodeProperties, EveryBaseNameReadsAndWritesItsField) {
    const char* names[] = {"Position.X", "Position.Y", "Width", "Height", "Opacity", "RotationAngle",
                           "Scale.X", "Scale.Y", "RotationCenter.X", "RotationCenter.Y",
                           "Margins.Left", "Margins.Top", "Margins.Right", "Margins.Bottom"};
    Layout n;
    float value = 1.5f;
    for (const char* name : names) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(n.setFloatProperty(name, value));
        EXPECT_EQ(n.floatProperty(name), value);
        value += 1;
    }
    // Each name reached its own field.
    EXPECT_EQ(n.position, (eng::PointF{1.5f, 2.5f}));
    EXPECT_EQ(n.width, 3.5f);
    EXPECT_EQ(n.rotationAngle, 6.5f);
    EXPECT_EQ(n.rotationCenter, (eng::PointF{9.5f, 10.5f}));
    EXPECT_EQ(n.margins, (eng::Margins{11.5f, 12.5f, 13.5f, 14.5f}));
}

TEST(NodeProperties, NamesIgnoreCaseAndUnknownNamesAreRefused) {
    Layout n;
    EXPECT_TRUE(n.setFloatProperty("position.y", 4));
    EXPECT_EQ(n.position.y, 4);
    EXPECT_TRUE(n.setFloatProperty("OPACITY", 0.25f));
    EXPECT_EQ(n.opacity, 0.25f);
    EXPECT_FALSE(n.setFloatProperty("Position.Z", 1));
    EXPECT_EQ(n.floatProperty("Nonsense"), std::nullopt);
    EXPECT_FALSE(n.setColorProperty("Fill.Color", 0xFF00FF00));
}

TEST(NodeProperties, ControlsAndEffectsAddTheirOwn) {
    eng::Rectangle rect;
    EXPECT_TRUE(rect.setColorProperty("Fill.Color", 0xFF112233));
    EXPECT_TRUE(rect.setColorProperty("Stroke.Color", 0xFF445566));
    EXPECT_TRUE(rect.setFloatProperty("Stroke.Thickness", 3));
    EXPECT_TRUE(rect.setFloatProperty("XRadius", 7));
    EXPECT_TRUE(rect.setFloatProperty("Width", 9));  // the base names still work
    EXPECT_EQ(rect.fill.color, 0xFF112233u);
    EXPECT_EQ(rect.strokeColor, 0xFF445566u);
    EXPECT_EQ(rect.strokeThickness, 3);
    EXPECT_EQ(rect.xRadius, 7);
    EXPECT_EQ(rect.width, 9);

    eng::Label label;
    EXPECT_TRUE(label.setColorProperty("TextSettings.FontColor", 0xFFABCDEF));
    EXPECT_EQ(label.colorProperty("Color"), 0xFFABCDEFu);
    EXPECT_TRUE(label.setFloatProperty("Font.Size", 22));
    EXPECT_EQ(label.fontSize, 22);

    eng::PixelateEffect pixelate;
    EXPECT_TRUE(pixelate.setFloatProperty("BlockCount", 10));
    EXPECT_EQ(pixelate.blockCount, 10);
    eng::RippleEffect ripple;
    EXPECT_TRUE(ripple.setFloatProperty("Frequency", 8));
    EXPECT_EQ(ripple.floatProperty("frequency"), 8);
    eng::FillRGBEffect fillEffect;
    EXPECT_TRUE(fillEffect.setColorProperty("Color", 0xFF808080));
    EXPECT_EQ(fillEffect.color, 0xFF808080u);
}

}  // namespace
