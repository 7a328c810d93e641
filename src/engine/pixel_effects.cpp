// Glow, inner glow, shadow, colour fill and monochrome computed on straight-alpha pixels.
// Blurs are separable running-sum box blurs, so their cost does not grow with the radius.
#include "pixel_effects.h"
#include <algorithm>
#include <cmath>
#include <sstream>

namespace eng {
namespace {

float channel(AlphaColor c, int shift) { return static_cast<float>((c >> shift) & 0xFF) / 255.f; }

AlphaColor packColor(float a, float r, float g, float b) {
    const auto to8 = [](float v) { return static_cast<AlphaColor>(std::clamp(v, 0.f, 1.f) * 255.f + 0.5f); };
    return (to8(a) << 24) | (to8(r) << 16) | (to8(g) << 8) | to8(b);
}

// "Source over destination" with straight alpha.
AlphaColor over(AlphaColor src, AlphaColor dst) {
    const float sa = channel(src, 24), da = channel(dst, 24);
    const float outA = sa + da * (1 - sa);
    if (outA <= 0) return 0;
    const auto mix = [&](int shift) { return (channel(src, shift) * sa + channel(dst, shift) * da * (1 - sa)) / outA; };
    return packColor(outA, mix(16), mix(8), mix(0));
}

void blurLine(const float* in, float* out, int count, int stride, int radius) {
    // Running sum over a window of 2r+1 samples; outside the line counts as empty.
    const float scale = 1.f / static_cast<float>(2 * radius + 1);
    float sum = 0;
    for (int i = 0; i <= radius && i < count; ++i) sum += in[i * stride];
    for (int i = 0; i < count; ++i) {
        out[i * stride] = sum * scale;
        const int add = i + radius + 1, drop = i - radius;
        if (add < count) sum += in[add * stride];
        if (drop >= 0) sum -= in[drop * stride];
    }
}

void boxBlur(std::vector<float>& plane, int width, int height, int radius) {
    std::vector<float> tmp(plane.size());
    for (int y = 0; y < height; ++y) blurLine(&plane[static_cast<size_t>(y) * width], &tmp[static_cast<size_t>(y) * width], width, 1, radius);
    for (int x = 0; x < width; ++x) blurLine(&tmp[x], &plane[x], height, width, radius);
}

// The picture's alpha, placed `margin` pixels in from the edges of a larger plane, shifted by (dx, dy).
std::vector<float> alphaPlane(const Bitmap& src, int margin, int dx, int dy) {
    const int w = src.width() + 2 * margin, h = src.height() + 2 * margin;
    std::vector<float> plane(static_cast<size_t>(w) * h, 0.f);
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x) {
            const int px = x + margin + dx, py = y + margin + dy;
            if (px >= 0 && py >= 0 && px < w && py < h) plane[static_cast<size_t>(py) * w + px] = channel(src.pixel(x, y), 24);
        }
    return plane;
}

AlphaColor tinted(AlphaColor color, float coverage) {
    return packColor(channel(color, 24) * std::clamp(coverage, 0.f, 1.f), channel(color, 16), channel(color, 8), channel(color, 0));
}

AlphaColor recoloured(AlphaColor pixel, const EffectRecipe& recipe) {
    if (recipe.fillColor) {
        const AlphaColor f = *recipe.fillColor;
        return packColor(channel(pixel, 24) * channel(f, 24), channel(f, 16), channel(f, 8), channel(f, 0));
    }
    if (recipe.monochrome) {
        const float grey = 0.299f * channel(pixel, 16) + 0.587f * channel(pixel, 8) + 0.114f * channel(pixel, 0);
        return packColor(channel(pixel, 24), grey, grey, grey);
    }
    return pixel;
}

int blurRadius(float radiusPx) { return std::max(1, static_cast<int>(std::lround(radiusPx / 2))); }

}  // namespace

void blurPlane(std::vector<float>& plane, int width, int height, int radius) {
    if (radius <= 0 || width <= 0 || height <= 0) return;
    boxBlur(plane, width, height, radius);
    boxBlur(plane, width, height, radius);
}

int EffectRecipe::margin() const {
    float m = 0;
    if (glow) m = std::max(m, glow->radiusPx);
    if (shadow) m = std::max(m, shadow->radiusPx + std::max(std::fabs(shadow->dx), std::fabs(shadow->dy)));
    return static_cast<int>(std::ceil(m)) + 1;
}

std::string EffectRecipe::key() const {
    std::ostringstream out;
    const auto glowKey = [&](const char* tag, const std::optional<GlowRecipe>& g) {
        if (g) out << tag << g->color << ',' << g->radiusPx << ',' << g->opacity << ';';
    };
    glowKey("g", glow);
    glowKey("i", innerGlow);
    if (shadow) out << 's' << shadow->color << ',' << shadow->dx << ',' << shadow->dy << ',' << shadow->radiusPx << ',' << shadow->opacity << ';';
    if (fillColor) out << 'f' << *fillColor << ';';
    if (monochrome) out << 'm';
    return out.str();
}

Bitmap applyEffects(const Bitmap& source, const EffectRecipe& recipe) {
    const int margin = recipe.margin();
    const int w = source.width() + 2 * margin, h = source.height() + 2 * margin;
    Bitmap out(w, h, colors::Null);
    if (source.isEmpty()) return out;
    auto& pixels = out.mutablePixels();
    if (recipe.shadow) {
        const ShadowRecipe& s = *recipe.shadow;
        auto plane = alphaPlane(source, margin, static_cast<int>(std::lround(s.dx)), static_cast<int>(std::lround(s.dy)));
        blurPlane(plane, w, h, blurRadius(s.radiusPx));
        for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = over(tinted(s.color, plane[i] * s.opacity), pixels[i]);
    }
    if (recipe.glow) {
        const GlowRecipe& g = *recipe.glow;
        auto plane = alphaPlane(source, margin, 0, 0);
        blurPlane(plane, w, h, blurRadius(g.radiusPx));
        // A blurred edge is faint; doubling it gives the halo a visible body.
        for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = over(tinted(g.color, plane[i] * 2 * g.opacity), pixels[i]);
    }
    // The inner glow blurs the outside (1 - alpha) inwards: strong near the edges, fading towards the middle.
    // Its plane reaches one blur width past the picture so the outside counts fully at every edge.
    const int innerRadius = recipe.innerGlow ? blurRadius(recipe.innerGlow->radiusPx) : 0;
    const int innerPad = margin + 2 * innerRadius + 1, innerW = source.width() + 2 * innerPad;
    std::vector<float> inner;
    if (recipe.innerGlow) {
        inner = alphaPlane(source, innerPad, 0, 0);
        for (float& v : inner) v = 1 - v;
        blurPlane(inner, innerW, source.height() + 2 * innerPad, innerRadius);
    }
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x) {
            const size_t i = static_cast<size_t>(y + margin) * w + (x + margin);
            AlphaColor px = recoloured(source.pixel(x, y), recipe);
            if (recipe.innerGlow) {
                const GlowRecipe& g = *recipe.innerGlow;
                const float outside = inner[static_cast<size_t>(y + innerPad) * innerW + (x + innerPad)];
                const float cover = std::clamp(outside * 2, 0.f, 1.f) * g.opacity * channel(px, 24);
                const AlphaColor glowPx = tinted(g.color, cover);
                px = over(glowPx, px);
            }
            pixels[i] = over(px, pixels[i]);
        }
    return out;
}

void unpremultiply(std::vector<AlphaColor>& pixels) {
    for (AlphaColor& p : pixels) {
        const AlphaColor a = p >> 24;
        if (a == 0) { p = 0; continue; }
        if (a == 255) continue;
        const auto un = [&](int shift) { return std::min<AlphaColor>(255, (((p >> shift) & 0xFF) * 255 + a / 2) / a); };
        p = (a << 24) | (un(16) << 16) | (un(8) << 8) | un(0);
    }
}

}  // namespace eng
