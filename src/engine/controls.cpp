// The named colour and float properties of rectangles and labels, on top of the node's own,
// so colour and float animations can drive fills, strokes and text.
#include "controls.h"
#include "ascii.h"

namespace eng {

namespace {

// A property name that may be written in any of `names`, matched without regard to case.
template <size_t N>
bool isOneOf(std::string_view prop, const std::string_view (&names)[N]) {
    for (auto n : names)
        if (sameIgnoringCase(prop, n)) return true;
    return false;
}

constexpr std::string_view kFillColor[] = {"Fill.Color"};
constexpr std::string_view kStrokeColor[] = {"Stroke.Color"};
constexpr std::string_view kFontColor[] = {"TextSettings.FontColor", "Color", "FontColor"};
constexpr std::string_view kFontSize[] = {"Font.Size", "TextSettings.Font.Size"};

}  // namespace

static float* rectangleFloat(Rectangle& r, std::string_view prop) {
    if (sameIgnoringCase(prop, "Stroke.Thickness")) return &r.strokeThickness;
    if (sameIgnoringCase(prop, "XRadius")) return &r.xRadius;
    if (sameIgnoringCase(prop, "YRadius")) return &r.yRadius;
    return nullptr;
}

bool Rectangle::setColorProperty(std::string_view prop, AlphaColor value) {
    if (isOneOf(prop, kFillColor)) fill.color = value;
    else if (isOneOf(prop, kStrokeColor)) strokeColor = value;
    else return Node::setColorProperty(prop, value);
    return true;
}

std::optional<AlphaColor> Rectangle::colorProperty(std::string_view prop) const {
    if (isOneOf(prop, kFillColor)) return fill.color;
    if (isOneOf(prop, kStrokeColor)) return strokeColor;
    return Node::colorProperty(prop);
}

bool Rectangle::setFloatProperty(std::string_view prop, float value) {
    float* field = rectangleFloat(*this, prop);
    if (!field) return Node::setFloatProperty(prop, value);
    *field = value;
    return true;
}

std::optional<float> Rectangle::floatProperty(std::string_view prop) const {
    const float* field = rectangleFloat(const_cast<Rectangle&>(*this), prop);
    if (!field) return Node::floatProperty(prop);
    return *field;
}

bool Label::setColorProperty(std::string_view prop, AlphaColor value) {
    if (!isOneOf(prop, kFontColor)) return Node::setColorProperty(prop, value);
    color = value;
    return true;
}

std::optional<AlphaColor> Label::colorProperty(std::string_view prop) const {
    if (isOneOf(prop, kFontColor)) return color;
    return Node::colorProperty(prop);
}

bool Label::setFloatProperty(std::string_view prop, float value) {
    if (!isOneOf(prop, kFontSize)) return Node::setFloatProperty(prop, value);
    fontSize = value;
    return true;
}

std::optional<float> Label::floatProperty(std::string_view prop) const {
    if (isOneOf(prop, kFontSize)) return fontSize;
    return Node::floatProperty(prop);
}

}  // namespace eng
