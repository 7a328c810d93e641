// The SDL_Renderer backend of eng::Renderer: one class split by concern over several files
// (traversal, targets, primitives, node kinds, text, effects). Internal to src/engine.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>
#include "controls.h"
#include "render_transform.h"
#include "renderer.h"
#include "sdl_handles.h"
#include "text_render.h"
#include "texture_cache.h"

namespace eng {

struct ActiveEffects;  // the enabled effects of a node (render_effects.cpp)

class SdlRenderer final : public Renderer {
public:
    // A renderer for a window: accelerated with vsync when possible, else software.
    static std::unique_ptr<SdlRenderer> forWindow(SDL_Window* window, bool vsync);
    // A software renderer drawing into a surface of the given size (headless runs, screenshots).
    static std::unique_ptr<SdlRenderer> offscreen(int width, int height);
    ~SdlRenderer() override;

    void draw(const Node& root, AlphaColor background) override;
    void present() override;
    SizeF outputSize() const override;
    void savePng(const std::string& path) override;
    SizeF measureText(const Label& label) override;
    void forgetCachedTextures() override;

    Bitmap readOutput();                 // what the output holds now, fully opaque
    void resizeOffscreen(int width, int height);  // headless only: a new surface (textures are dropped)
    bool drawsToSurface() const { return surface_ != nullptr; }

private:
    SdlRenderer(sdl::SurfacePtr surface, sdl::RendererPtr renderer);

    struct Target {
        SDL_Texture* texture = nullptr;  // nullptr = the output
        int width = 0, height = 0;
        RectF clip;
        bool coveredOpaque = false;      // something opaque was drawn over the whole target
    };
    struct KeptTexture {
        sdl::TexturePtr texture;
        int width = 0, height = 0;
        std::uint64_t lastUsedFrame = 0;
    };
    struct EffectResult {
        std::uint64_t signature = 0;
        TexturedPicture picture;
        RectF placement;                 // where the picture goes relative to the node's box
        std::uint64_t lastUsedFrame = 0;
    };

    // ---- sdl_renderer.cpp: the frame and the walk down the tree ----
    void drawNode(const Node& node, const Affine& parent, float parentOpacity);
    // The node's content and its children [0, childEnd) (all of them by default).
    void drawSubtree(const Node& node, const Affine& m, float opacity, size_t childEnd = SIZE_MAX);
    void drawOwnContent(const Node& node, const Affine& m, float opacity);
    void dropIdleTextures();

    // ---- render_targets.cpp: target textures, the clip, offscreen layers ----
    SDL_Texture* keptTarget(const void* owner, int slot, int width, int height);
    void pushTarget(SDL_Texture* texture, int width, int height);
    void popTarget();
    void setClip(const RectF& clip);
    const RectF& clip() const { return targets_.back().clip; }
    std::vector<AlphaColor> readTarget(int width, int height);
    void drawOffscreen(const Node& node, const Affine& m, float opacity);
    void drawLayer(const Node& node, const Affine& m, float opacity, size_t layerChildren);

    // ---- render_primitives.cpp: the drawing operations everything else is made of ----
    void fillRect(const Affine& m, const RectF& local, AlphaColor color, float opacity);
    // `padded`, when given, is the texture's padded twin used for rotated copies (geometryTexture).
    void copyTexture(const Affine& m, const RectF& local, SDL_Texture* texture, const SDL_Rect& source, float opacity,
                     AlphaColor tint = colors::White, SDL_Texture* padded = nullptr);
    SDL_Texture* geometryTexture(const TexturedPicture::Piece& piece);
    void drawPicture(const Affine& m, const RectF& local, const TexturedPicture& picture, const RectF& source,
                     float opacity, AlphaColor tint = colors::White);
    void drawTiled(const Affine& m, const RectF& area, const TexturedPicture& picture, const RectF& tile, float opacity);
    void drawWrapped(const Affine& m, const RectF& bounds, const TexturedPicture& picture, RectF source, WrapMode wrap,
                     float opacity);
    void noteCoverage(const RectF& drawn, bool opaque);
    RectF visibleLocalArea(const Affine& m, const RectF& area) const;

    // ---- render_nodes.cpp, render_label.cpp: the visual node kinds ----
    void drawImage(const Image& image, const Affine& m, float opacity);
    void drawRectangle(const Rectangle& rect, const Affine& m, float opacity);
    void drawLabel(const Label& label, const Affine& m, float opacity);

    // ---- render_effects.cpp: enabled effect children ----
    bool drawWithEffects(const Node& node, const Affine& m, float opacity);  // false: draw plainly
    bool drawPixelated(const Node& node, const Affine& m, float opacity, float blockCount);
    bool drawImageWithEffects(const Image& image, const Affine& m, float opacity, const ActiveEffects& fx);
    void drawSubtreeWithEffects(const Node& node, const Affine& m, float opacity, const ActiveEffects& fx);

    // Destroyed bottom-up: every texture goes before the renderer, the renderer before its surface.
    sdl::SurfacePtr surface_;
    sdl::RendererPtr renderer_;
    FontLibrary fonts_;
    TextureCache textures_;
    std::unordered_map<std::uint64_t, KeptTexture> keptTargets_;   // by (owner, slot)
    std::unordered_map<const Node*, EffectResult> effectResults_;
    std::vector<Target> targets_;        // [0] = the output
    std::uint64_t frame_ = 0;
    bool software_ = false;              // SDL's software renderer (its rotated copies need padded textures)
};

}  // namespace eng
