// Effects in the SDL renderer: an image's effects are computed on its picture (cached per picture version),
// any other node's on its subtree drawn to a texture (cached until the subtree changes); pixelation shrinks.
#include <bit>
#include <cmath>
#include <functional>
#include <string>
#include <numbers>
#include "effects.h"
#include "pixel_effects.h"
#include "render_signature.h"
#include "sdl_renderer.h"

namespace eng {

struct ActiveEffects {
    const GlowEffect* glow = nullptr;
    const InnerGlowEffect* innerGlow = nullptr;
    const ShadowEffect* shadow = nullptr;
    const FillRGBEffect* fill = nullptr;
    bool monochrome = false;
    const PixelateEffect* pixelate = nullptr;

    bool any() const { return glow || innerGlow || shadow || fill || monochrome || pixelate; }

    // The recipe with sizes converted to pixels of the picture being processed.
    EffectRecipe recipe(float pixelsPerUnit) const {
        EffectRecipe r;
        // A softness of 1 spreads the glow over about eight units.
        const auto radius = [&](float softness) { return (2.f + 6.f * softness) * pixelsPerUnit; };
        if (glow) r.glow = GlowRecipe{glow->glowColor, radius(glow->softness), glow->opacity};
        if (innerGlow) r.innerGlow = GlowRecipe{innerGlow->glowColor, radius(innerGlow->softness), innerGlow->opacity};
        if (shadow) {
            const double angle = shadow->direction * std::numbers::pi / 180.0;
            r.shadow = ShadowRecipe{shadow->shadowColor, static_cast<float>(std::cos(angle) * shadow->distance * pixelsPerUnit),
                                    static_cast<float>(std::sin(angle) * shadow->distance * pixelsPerUnit),
                                    radius(shadow->softness) * 0.5f, shadow->opacity};
        }
        if (fill) r.fillColor = fill->color;
        r.monochrome = monochrome;
        return r;
    }
};

namespace {

ActiveEffects enabledEffects(const Node& node) {
    ActiveEffects fx;
    for (const auto& child : node.children()) {
        const Node* c = child.get();
        if (!c->enabled || c->isVisual()) continue;
        if (!fx.glow) fx.glow = dynamic_cast<const GlowEffect*>(c);
        if (!fx.innerGlow) fx.innerGlow = dynamic_cast<const InnerGlowEffect*>(c);
        if (!fx.shadow) fx.shadow = dynamic_cast<const ShadowEffect*>(c);
        if (!fx.fill) fx.fill = dynamic_cast<const FillRGBEffect*>(c);
        if (!fx.pixelate) fx.pixelate = dynamic_cast<const PixelateEffect*>(c);
        fx.monochrome = fx.monochrome || dynamic_cast<const MonochromeEffect*>(c) != nullptr;
    }
    return fx;
}

bool hasVisualChildren(const Node& node) {
    for (const auto& child : node.children())
        if (child->isVisual() && child->visible) return true;
    return false;
}

constexpr int maxEnlarge = 8;

Bitmap enlarged(const Bitmap& picture, int factor) {
    if (factor <= 1) return picture;
    Bitmap out(picture.width() * factor, picture.height() * factor);
    auto& pixels = out.mutablePixels();
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) pixels[static_cast<size_t>(y) * out.width() + x] = picture.pixel(x / factor, y / factor);
    return out;
}

RectF pixelAligned(const RectF& r) {
    return {std::floor(r.left), std::floor(r.top), std::ceil(r.right), std::ceil(r.bottom)};
}

}  // namespace

bool SdlRenderer::drawWithEffects(const Node& node, const Affine& m, float opacity) {
    if (node.childCount() == 0) return false;
    const ActiveEffects fx = enabledEffects(node);
    if (!fx.any()) return false;
    if (fx.pixelate && drawPixelated(node, m, opacity, fx.pixelate->blockCount)) return true;
    if (fx.recipe(1.f).empty()) return false;  // ripple or a pixelation too fine to show
    if (const auto* image = dynamic_cast<const Image*>(&node); image && drawImageWithEffects(*image, m, opacity, fx)) return true;
    drawSubtreeWithEffects(node, m, opacity, fx);
    return true;
}

bool SdlRenderer::drawImageWithEffects(const Image& image, const Affine& m, float opacity, const ActiveEffects& fx) {
    const bool stretched = image.wrapMode == WrapMode::Stretch || image.wrapMode == WrapMode::Fit;
    if (!image.bitmap || image.bitmap->isEmpty() || !stretched || hasVisualChildren(image)) return false;
    const Bitmap& sheet = *image.bitmap;
    const RectF source = image.hasFrame ? image.frame : RectF{0, 0, static_cast<float>(sheet.width()), static_cast<float>(sheet.height())};
    if (source.empty() || image.width <= 0 || image.height <= 0) return true;
    // A small picture shown large is enlarged first (by a whole factor, nearest) so the glow and the
    // shadow are computed at about the size they show; effect sizes are in node units.
    const float screenPxPerSourcePx = image.width * m.pixelsPerUnit() / source.width();
    const int enlarge = std::clamp(static_cast<int>(std::ceil(screenPxPerSourcePx - 0.01f)), 1, maxEnlarge);
    const EffectRecipe recipe = fx.recipe(enlarge * source.width() / image.width);
    const std::string key = "fx:" + std::to_string(sheet.id()) + ':' + std::to_string(sheet.version()) + ':' +
                            std::to_string(source.left) + ',' + std::to_string(source.top) + ',' + std::to_string(source.right) +
                            ',' + std::to_string(source.bottom) + 'x' + std::to_string(enlarge) + ':' + recipe.key();
    const TexturedPicture& processed = textures_.derived(key, [&] {
        const Bitmap frame = sheet.copyRect(static_cast<int>(source.left), static_cast<int>(source.top),
                                            static_cast<int>(source.width()), static_cast<int>(source.height()));
        return applyEffects(enlarged(frame, enlarge), recipe);
    });
    // Where the unprocessed picture would go, grown by the margin the effects added.
    RectF dest = image.boundsRect();
    if (image.wrapMode == WrapMode::Fit) {
        const float k = std::min(image.width / source.width(), image.height / source.height());
        const float w = source.width() * k, h = source.height() * k;
        dest = {(image.width - w) / 2, (image.height - h) / 2, (image.width + w) / 2, (image.height + h) / 2};
    }
    const float mx = static_cast<float>(recipe.margin()) * dest.width() / (source.width() * enlarge);
    const float my = static_cast<float>(recipe.margin()) * dest.height() / (source.height() * enlarge);
    const RectF grown{dest.left - mx, dest.top - my, dest.right + mx, dest.bottom + my};
    if (!transformedBounds(m, grown).intersects(clip())) return true;
    drawPicture(m, grown, processed, RectF{0, 0, static_cast<float>(processed.width), static_cast<float>(processed.height)}, opacity);
    return true;
}

void SdlRenderer::drawSubtreeWithEffects(const Node& node, const Affine& m, float opacity, const ActiveEffects& fx) {
    const EffectRecipe recipe = fx.recipe(m.pixelsPerUnit());
    const float margin = static_cast<float>(recipe.margin());
    RectF box = transformedBounds(m, node.boundsRect());
    box = {box.left - margin, box.top - margin, box.right + margin, box.bottom + margin};
    const RectF drawn = pixelAligned(intersection(box, clip()));
    if (drawn.empty()) return;
    const int w = static_cast<int>(drawn.width()), h = static_cast<int>(drawn.height());
    const Affine inTexture = Affine::translation(-drawn.left, -drawn.top) * m;
    // Same subtree, same placement inside the texture, same effects: the cached result still holds.
    std::uint64_t signature = subtreeSignature(node);
    for (const float v : {inTexture.a, inTexture.b, inTexture.c, inTexture.d, inTexture.tx, inTexture.ty, static_cast<float>(w), static_cast<float>(h)})
        signature = signature * 31 + std::bit_cast<std::uint32_t>(v);
    signature ^= std::hash<std::string>{}(recipe.key());
    EffectResult& result = effectResults_[&node];
    result.lastUsedFrame = frame_;
    if (result.signature != signature || result.picture.pieces.empty()) {
        SDL_Texture* canvas = keptTarget(&node, 1, w, h);
        if (!canvas) return drawSubtree(node, m, opacity);
        pushTarget(canvas, w, h);
        drawSubtree(node, inTexture, 1.f);
        std::vector<AlphaColor> pixels = readTarget(w, h);
        popTarget();
        unpremultiply(pixels);
        Bitmap content(w, h);
        content.mutablePixels() = std::move(pixels);
        const Bitmap processed = applyEffects(content, recipe);
        result.picture = textures_.makePicture(processed);
        result.signature = signature;
        const float grow = static_cast<float>(recipe.margin());
        result.placement = {-grow, -grow, static_cast<float>(w) + grow, static_cast<float>(h) + grow};
    }
    const RectF placed{drawn.left + result.placement.left, drawn.top + result.placement.top, drawn.left + result.placement.right,
                       drawn.top + result.placement.bottom};
    drawPicture(Affine{}, placed, result.picture,
                RectF{0, 0, static_cast<float>(result.picture.width), static_cast<float>(result.picture.height)}, opacity);
}

bool SdlRenderer::drawPixelated(const Node& node, const Affine& m, float opacity, float blockCount) {
    const RectF whole = transformedBounds(m, node.boundsRect());
    const RectF drawn = pixelAligned(intersection(whole, clip()));
    if (drawn.empty()) return true;
    const int w = static_cast<int>(drawn.width()), h = static_cast<int>(drawn.height());
    // blockCount blocks across the node's whole width; the visible part gets its share.
    const int smallW = std::max(1, static_cast<int>(std::ceil(blockCount * drawn.width() / std::max(whole.width(), 1.f))));
    if (smallW >= w) return false;
    const int smallH = std::max(1, static_cast<int>(std::lround(static_cast<float>(h) * smallW / w)));
    SDL_Texture* full = keptTarget(&node, 2, w, h);
    SDL_Texture* blocks = keptTarget(&node, 3, smallW, smallH);
    if (!full || !blocks) return false;
    pushTarget(full, w, h);
    drawSubtree(node, Affine::translation(-drawn.left, -drawn.top) * m, 1.f);
    popTarget();
    pushTarget(blocks, smallW, smallH);
    SDL_SetTextureBlendMode(full, SDL_BLENDMODE_NONE);
    copyTexture(Affine{}, RectF{0, 0, static_cast<float>(smallW), static_cast<float>(smallH)}, full, SDL_Rect{0, 0, w, h}, 1.f);
    popTarget();
    SDL_SetTextureBlendMode(blocks, SDL_BLENDMODE_BLEND);
    copyTexture(Affine{}, drawn, blocks, SDL_Rect{0, 0, smallW, smallH}, opacity);
    return true;
}

}  // namespace eng
