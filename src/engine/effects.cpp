// The named properties of the effects that animations drive: the colour fill's colour,
// the pixelation's block count and the ripple's wave.
#include "effects.h"
#include "ascii.h"

namespace eng {

bool FillRGBEffect::setColorProperty(std::string_view prop, AlphaColor value) {
    if (!sameIgnoringCase(prop, "Color")) return Effect::setColorProperty(prop, value);
    color = value;
    return true;
}

std::optional<AlphaColor> FillRGBEffect::colorProperty(std::string_view prop) const {
    if (sameIgnoringCase(prop, "Color")) return color;
    return Effect::colorProperty(prop);
}

bool PixelateEffect::setFloatProperty(std::string_view prop, float value) {
    if (!sameIgnoringCase(prop, "BlockCount")) return Effect::setFloatProperty(prop, value);
    blockCount = value;
    return true;
}

std::optional<float> PixelateEffect::floatProperty(std::string_view prop) const {
    if (sameIgnoringCase(prop, "BlockCount")) return blockCount;
    return Effect::floatProperty(prop);
}

namespace {

float* rippleField(RippleEffect& e, std::string_view prop) {
    if (sameIgnoringCase(prop, "Frequency")) return &e.frequency;
    if (sameIgnoringCase(prop, "Amplitude")) return &e.amplitude;
    if (sameIgnoringCase(prop, "Phase")) return &e.phase;
    return nullptr;
}

}  // namespace

bool RippleEffect::setFloatProperty(std::string_view prop, float value) {
    float* field = rippleField(*this, prop);
    if (!field) return Effect::setFloatProperty(prop, value);
    *field = value;
    return true;
}

std::optional<float> RippleEffect::floatProperty(std::string_view prop) const {
    const float* field = rippleField(const_cast<RippleEffect&>(*this), prop);
    if (!field) return Effect::floatProperty(prop);
    return *field;
}

}  // namespace eng
