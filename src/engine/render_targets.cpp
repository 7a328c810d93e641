// Target textures for the SDL renderer: the stack of targets with their clips, reading a target back,
// and offscreen layers (a subtree drawn at its own unscaled size, then scaled once).
#include <cmath>
#include "effects.h"
#include "sdl_renderer.h"

namespace eng {
namespace {

constexpr int maxTargetSide = 4096;

SDL_Rect pixelRect(const RectF& r) {
    const int left = static_cast<int>(std::floor(r.left)), top = static_cast<int>(std::floor(r.top));
    return {left, top, static_cast<int>(std::ceil(r.right)) - left, static_cast<int>(std::ceil(r.bottom)) - top};
}

// Blocks across of the node's enabled pixelation, 0 without one.
float pixelateBlockCount(const Node& node) {
    for (const auto& child : node.children())
        if (const auto* pixelate = dynamic_cast<const PixelateEffect*>(child.get()); pixelate && pixelate->enabled)
            return std::max(pixelate->blockCount, 1.f);
    return 0;
}

}  // namespace

SDL_Texture* SdlRenderer::keptTarget(const void* owner, int slot, int width, int height) {
    const std::uint64_t key = reinterpret_cast<std::uintptr_t>(owner) * 4 + static_cast<std::uint64_t>(slot);
    KeptTexture& kept = keptTargets_[key];
    if (!kept.texture || kept.width != width || kept.height != height) {
        kept.texture.reset(SDL_CreateTexture(renderer_.get(), SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, width, height));
        kept.width = width;
        kept.height = height;
    }
    kept.lastUsedFrame = frame_;
    return kept.texture.get();
}

void SdlRenderer::setClip(const RectF& clip) {
    targets_.back().clip = clip;
    const SDL_Rect r = pixelRect(clip);
    SDL_RenderSetClipRect(renderer_.get(), &r);
}

void SdlRenderer::pushTarget(SDL_Texture* texture, int width, int height) {
    SDL_SetRenderTarget(renderer_.get(), texture);
    targets_.push_back(Target{texture, width, height, {0, 0, static_cast<float>(width), static_cast<float>(height)}});
    setClip(targets_.back().clip);
    SDL_SetRenderDrawColor(renderer_.get(), 0, 0, 0, 0);
    SDL_RenderClear(renderer_.get());
}

void SdlRenderer::popTarget() {
    targets_.pop_back();
    SDL_SetRenderTarget(renderer_.get(), targets_.back().texture);
    setClip(targets_.back().clip);
}

std::vector<AlphaColor> SdlRenderer::readTarget(int width, int height) {
    std::vector<AlphaColor> pixels(static_cast<size_t>(width) * height);
    if (SDL_RenderReadPixels(renderer_.get(), nullptr, SDL_PIXELFORMAT_ARGB8888, pixels.data(), width * 4) != 0)
        std::fill(pixels.begin(), pixels.end(), 0);
    return pixels;
}

void SdlRenderer::drawOffscreen(const Node& node, const Affine& m, float opacity) {
    // Children marked windowResolution (and all after them) skip the layer: drawn after its copy, at full size.
    size_t layerChildren = 0;
    while (layerChildren < node.childCount() && !node.child(layerChildren)->windowResolution) ++layerChildren;
    drawLayer(node, m, opacity, layerChildren);
    if (layerChildren == node.childCount()) return;
    const RectF saved = clip();
    if (node.clipChildren) setClip(intersection(saved, transformedBounds(m, node.boundsRect())));
    for (size_t i = layerChildren; i < node.childCount(); ++i) drawNode(*node.child(i), m, opacity);
    setClip(saved);
}

void SdlRenderer::drawLayer(const Node& node, const Affine& m, float opacity, size_t layerChildren) {
    // Only the part of the layer that can reach the screen is drawn.
    const RectF area = visibleLocalArea(m, node.boundsRect());
    if (area.empty()) return;
    const RectF snapped{std::floor(area.left), std::floor(area.top), std::ceil(area.right), std::ceil(area.bottom)};
    const int w = std::min(static_cast<int>(snapped.width()), maxTargetSide);
    const int h = std::min(static_cast<int>(snapped.height()), maxTargetSide);
    if (w <= 0 || h <= 0) return;
    SDL_Texture* layer = keptTarget(&node, 0, w, h);
    if (!layer) return drawSubtree(node, m, opacity, layerChildren);  // no target support: straight to the output
    pushTarget(layer, w, h);
    drawSubtree(node, Affine::translation(-snapped.left, -snapped.top), 1.f, layerChildren);
    const bool opaque = targets_.back().coveredOpaque;
    popTarget();
    SDL_Rect source{0, 0, w, h};
    // A pixelation on the layer shrinks the finished layer to its blocks; the one scaled copy enlarges them.
    if (const float blocks = pixelateBlockCount(node); blocks > 0 && node.width > 0) {
        const int blocksW = std::max(1, static_cast<int>(std::ceil(blocks * static_cast<float>(w) / node.width)));
        const int blocksH = std::max(1, static_cast<int>(std::lround(static_cast<float>(h) * blocksW / w)));
        SDL_Texture* small = blocksW < w ? keptTarget(&node, 3, blocksW, blocksH) : nullptr;
        if (small) {
            pushTarget(small, blocksW, blocksH);
            SDL_SetTextureBlendMode(layer, SDL_BLENDMODE_NONE);
            copyTexture(Affine{}, RectF{0, 0, static_cast<float>(blocksW), static_cast<float>(blocksH)}, layer, source, 1.f);
            popTarget();
            layer = small;
            source = {0, 0, blocksW, blocksH};
        }
    }
    // A layer covered by opaque pixels is copied without blending: much cheaper when scaled up.
    SDL_SetTextureBlendMode(layer, opaque && opacity >= 1.f ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);
    const RectF placed{snapped.left, snapped.top, snapped.left + static_cast<float>(w), snapped.top + static_cast<float>(h)};
    copyTexture(m, placed, layer, source, opacity);
    noteCoverage(transformedBounds(m, placed), opaque && opacity >= 1.f && m.axisAligned());
}

}  // namespace eng
