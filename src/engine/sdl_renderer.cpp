// The SDL renderer's frame: clear, walk the tree in child order with transforms and opacity, cull
// what misses the output, and keep the caches bounded. Drawing only reads the scene.
#include "sdl_renderer.h"
#include <algorithm>
#include <stdexcept>

namespace eng {
namespace {

constexpr std::uint64_t maxIdleFrames = 600;  // about ten seconds of frames before an unused texture goes

}  // namespace

SdlRenderer::SdlRenderer(sdl::SurfacePtr surface, sdl::RendererPtr renderer)
    : surface_(std::move(surface)), renderer_(std::move(renderer)), textures_(renderer_.get()) {
    SDL_RendererInfo info{};
    software_ = SDL_GetRendererInfo(renderer_.get(), &info) == 0 && (info.flags & SDL_RENDERER_SOFTWARE) != 0;
}

SdlRenderer::~SdlRenderer() = default;

std::unique_ptr<SdlRenderer> SdlRenderer::forWindow(SDL_Window* window, bool vsync) {
    const Uint32 accelerated = SDL_RENDERER_ACCELERATED | SDL_RENDERER_TARGETTEXTURE | (vsync ? SDL_RENDERER_PRESENTVSYNC : 0);
    sdl::RendererPtr renderer(SDL_CreateRenderer(window, -1, accelerated));
    if (!renderer) renderer.reset(SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE));
    if (!renderer) throw std::runtime_error(std::string("Cannot create a renderer: ") + SDL_GetError());
    return std::unique_ptr<SdlRenderer>(new SdlRenderer(nullptr, std::move(renderer)));
}

std::unique_ptr<SdlRenderer> SdlRenderer::offscreen(int width, int height) {
    sdl::SurfacePtr surface = sdl::makeArgbSurface(std::max(width, 1), std::max(height, 1));
    if (!surface) throw std::runtime_error(std::string("Cannot create the offscreen surface: ") + SDL_GetError());
    sdl::RendererPtr renderer(SDL_CreateSoftwareRenderer(surface.get()));
    if (!renderer) throw std::runtime_error(std::string("Cannot create the software renderer: ") + SDL_GetError());
    return std::unique_ptr<SdlRenderer>(new SdlRenderer(std::move(surface), std::move(renderer)));
}

void SdlRenderer::resizeOffscreen(int width, int height) {
    if (!surface_ || (surface_->w == width && surface_->h == height)) return;
    auto replacement = offscreen(width, height);
    // Textures belong to the old renderer: drop them before it goes.
    effectResults_.clear();
    keptTargets_.clear();
    textures_.clear();
    renderer_ = std::move(replacement->renderer_);
    surface_ = std::move(replacement->surface_);
    textures_ = TextureCache(renderer_.get());
}

SizeF SdlRenderer::outputSize() const {
    int w = 0, h = 0;
    SDL_GetRendererOutputSize(renderer_.get(), &w, &h);
    return {static_cast<float>(w), static_cast<float>(h)};
}

void SdlRenderer::draw(const Node& root, AlphaColor background) {
    const SizeF size = outputSize();
    SDL_SetRenderTarget(renderer_.get(), nullptr);
    targets_.assign(1, Target{nullptr, static_cast<int>(size.width), static_cast<int>(size.height), {0, 0, size.width, size.height}});
    setClip(targets_.back().clip);
    SDL_SetRenderDrawBlendMode(renderer_.get(), SDL_BLENDMODE_NONE);
    SDL_SetRenderDrawColor(renderer_.get(), (background >> 16) & 0xFF, (background >> 8) & 0xFF, background & 0xFF, 0xFF);
    SDL_RenderClear(renderer_.get());
    drawNode(root, Affine{}, 1.f);
    dropIdleTextures();
}

void SdlRenderer::present() {
    SDL_RenderPresent(renderer_.get());
}

void SdlRenderer::drawNode(const Node& node, const Affine& parent, float parentOpacity) {
    if (!node.visible || !node.isVisual()) return;
    const float opacity = parentOpacity * node.opacity;
    if (opacity <= 0.002f) return;  // every descendant multiplies by it: nothing would show
    const Affine m = parent * localTransform(node);
    if (node.renderOffscreen) return drawOffscreen(node, m, opacity);
    if (drawWithEffects(node, m, opacity)) return;
    drawSubtree(node, m, opacity);
}

void SdlRenderer::drawSubtree(const Node& node, const Affine& m, float opacity, size_t childEnd) {
    const RectF box = transformedBounds(m, node.boundsRect());
    if (box.intersects(clip())) drawOwnContent(node, m, opacity);
    const size_t end = std::min(childEnd, node.childCount());
    if (end == 0) return;
    if (!node.clipChildren) {
        for (size_t i = 0; i < end; ++i) drawNode(*node.child(i), m, opacity);
        return;
    }
    const RectF inner = intersection(clip(), box);
    if (inner.empty()) return;
    const RectF saved = clip();
    setClip(inner);
    for (size_t i = 0; i < end; ++i) drawNode(*node.child(i), m, opacity);
    setClip(saved);
}

void SdlRenderer::drawOwnContent(const Node& node, const Affine& m, float opacity) {
    if (const auto* image = dynamic_cast<const Image*>(&node)) drawImage(*image, m, opacity);
    else if (const auto* rect = dynamic_cast<const Rectangle*>(&node)) drawRectangle(*rect, m, opacity);
    else if (const auto* label = dynamic_cast<const Label*>(&node)) drawLabel(*label, m, opacity);
}

void SdlRenderer::dropIdleTextures() {
    textures_.endFrame(maxIdleFrames);
    const auto idle = [&](const auto& entry) { return frame_ - entry.second.lastUsedFrame > maxIdleFrames; };
    std::erase_if(keptTargets_, idle);
    std::erase_if(effectResults_, idle);
    ++frame_;
}

void SdlRenderer::forgetCachedTextures() {
    textures_.clear();
    keptTargets_.clear();
    effectResults_.clear();
}

Bitmap SdlRenderer::readOutput() {
    const SizeF size = outputSize();
    const int w = static_cast<int>(size.width), h = static_cast<int>(size.height);
    SDL_SetRenderTarget(renderer_.get(), nullptr);
    Bitmap shot(w, h);
    auto& pixels = shot.mutablePixels();
    if (SDL_RenderReadPixels(renderer_.get(), nullptr, SDL_PIXELFORMAT_ARGB8888, pixels.data(), w * 4) != 0)
        throw std::runtime_error(std::string("Cannot read the screen: ") + SDL_GetError());
    for (AlphaColor& p : pixels) p |= 0xFF000000u;  // the screen has no transparency
    return shot;
}

void SdlRenderer::savePng(const std::string& path) {
    readOutput().savePng(path);
}

}  // namespace eng
