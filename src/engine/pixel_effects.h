// Effects computed on pixels: glow, inner glow, shadow, colour fill and monochrome.
// Pure functions on bitmaps, so the renderer can cache their results per picture version.
#pragma once
#include <optional>
#include <string>
#include <vector>
#include "bitmap.h"

namespace eng {

struct GlowRecipe {
    AlphaColor color = colors::White;
    float radiusPx = 1;   // blur radius in output pixels
    float opacity = 1;
};

struct ShadowRecipe {
    AlphaColor color = colors::Black;
    float dx = 0, dy = 0;  // offset in output pixels
    float radiusPx = 1;
    float opacity = 1;
};

// What to do to a picture; several effects combine: shadow and glow under, fill or monochrome on the
// picture itself, inner glow over it.
struct EffectRecipe {
    std::optional<GlowRecipe> glow, innerGlow;
    std::optional<ShadowRecipe> shadow;
    std::optional<AlphaColor> fillColor;
    bool monochrome = false;

    bool empty() const { return !glow && !innerGlow && !shadow && !fillColor && !monochrome; }
    int margin() const;       // pixels the result extends past the picture on every side
    std::string key() const;  // identifies the recipe in caches
};

// The picture with the effects applied, grown by margin() on every side.
Bitmap applyEffects(const Bitmap& source, const EffectRecipe& recipe);

// Two box-blur passes over a plane of coverage values (an approximation of a gaussian).
void blurPlane(std::vector<float>& plane, int width, int height, int radius);

// Pixels drawn onto a transparent target come out with premultiplied colour; turn them back to straight alpha.
void unpremultiply(std::vector<AlphaColor>& pixels);

}  // namespace eng
