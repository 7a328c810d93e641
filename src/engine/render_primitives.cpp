// The SDL renderer's drawing operations: filled and textured quads under any affine transform
// (plain copies when axis-aligned, SDL_RenderGeometry otherwise), pictures cut in pieces, tiling and wrap modes.
#include <cmath>
#include "sdl_renderer.h"

namespace eng {
namespace {

Uint8 toByte(float v) { return static_cast<Uint8>(std::clamp(v, 0.f, 255.f) + 0.5f); }
Uint8 red(AlphaColor c) { return (c >> 16) & 0xFF; }
Uint8 green(AlphaColor c) { return (c >> 8) & 0xFF; }
Uint8 blue(AlphaColor c) { return c & 0xFF; }

constexpr int quadIndices[6] = {0, 1, 2, 0, 2, 3};

// The four corners of a local rectangle, clockwise from the top left.
void corners(const Affine& m, const RectF& r, SDL_Vertex (&v)[4]) {
    const PointF p[4] = {m.apply({r.left, r.top}), m.apply({r.right, r.top}), m.apply({r.right, r.bottom}),
                         m.apply({r.left, r.bottom})};
    for (int i = 0; i < 4; ++i) v[i].position = {p[i].x, p[i].y};
}

}  // namespace

void SdlRenderer::noteCoverage(const RectF& drawn, bool opaque) {
    Target& target = targets_.back();
    if (!opaque || target.texture == nullptr || target.coveredOpaque) return;
    const RectF full{0, 0, static_cast<float>(target.width), static_cast<float>(target.height)};
    if (clip() == full && drawn.left <= 0 && drawn.top <= 0 && drawn.right >= full.right && drawn.bottom >= full.bottom)
        target.coveredOpaque = true;
}

RectF SdlRenderer::visibleLocalArea(const Affine& m, const RectF& area) const {
    if (!m.axisAligned() || !m.invertible()) return area;
    return intersection(area, transformedBounds(m.inverse(), clip()));
}

void SdlRenderer::fillRect(const Affine& m, const RectF& local, AlphaColor color, float opacity) {
    const Uint8 alpha = toByte(static_cast<float>(color >> 24) * opacity);
    if (alpha == 0 || local.empty()) return;
    SDL_Renderer* r = renderer_.get();
    SDL_SetRenderDrawBlendMode(r, alpha == 255 ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);
    SDL_SetRenderDrawColor(r, red(color), green(color), blue(color), alpha);
    if (m.axisAligned()) {
        const RectF box = transformedBounds(m, local);
        const SDL_FRect dest{box.left, box.top, box.width(), box.height()};
        SDL_RenderFillRectF(r, &dest);
        noteCoverage(box, alpha == 255);
        return;
    }
    SDL_Vertex v[4];
    corners(m, local, v);
    for (SDL_Vertex& vertex : v) vertex.color = {red(color), green(color), blue(color), alpha};
    SDL_SetRenderDrawBlendMode(r, SDL_BLENDMODE_BLEND);
    SDL_RenderGeometry(r, nullptr, v, 4, quadIndices, 6);
}

// SDL 2.26's software triangle filler maps texture coordinate 1 to the last texel instead of past it, so a
// rotated picture loses one texel. Drawing from a twin texture with the last column and row repeated, with
// coordinates divided by the original size, puts every texel back where it belongs.
SDL_Texture* SdlRenderer::geometryTexture(const TexturedPicture::Piece& piece) {
    if (!software_) return nullptr;
    if (piece.padded) return piece.padded.get();
    const int w = piece.area.w, h = piece.area.h;
    sdl::TexturePtr padded(SDL_CreateTexture(renderer_.get(), SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, w + 1, h + 1));
    if (!padded) return nullptr;
    SDL_Texture* source = piece.texture.get();
    SDL_SetTextureBlendMode(source, SDL_BLENDMODE_NONE);
    SDL_SetTextureAlphaMod(source, 255);
    SDL_SetTextureColorMod(source, 255, 255, 255);
    pushTarget(padded.get(), w + 1, h + 1);
    const SDL_Rect parts[][2] = {{{0, 0, w, h}, {0, 0, w, h}},
                                 {{w - 1, 0, 1, h}, {w, 0, 1, h}},
                                 {{0, h - 1, w, 1}, {0, h, w, 1}},
                                 {{w - 1, h - 1, 1, 1}, {w, h, 1, 1}}};
    for (const auto& part : parts) SDL_RenderCopy(renderer_.get(), source, &part[0], &part[1]);
    popTarget();
    SDL_SetTextureBlendMode(source, SDL_BLENDMODE_BLEND);
    SDL_SetTextureBlendMode(padded.get(), SDL_BLENDMODE_BLEND);
    piece.padded = std::move(padded);
    return piece.padded.get();
}

void SdlRenderer::copyTexture(const Affine& m, const RectF& local, SDL_Texture* texture, const SDL_Rect& source,
                              float opacity, AlphaColor tint, SDL_Texture* padded) {
    const Uint8 alpha = toByte(static_cast<float>(tint >> 24) * opacity);
    if (alpha == 0 || local.empty() || source.w <= 0 || source.h <= 0) return;
    SDL_Renderer* r = renderer_.get();
    if (m.axisAligned()) {
        SDL_SetTextureAlphaMod(texture, alpha);
        SDL_SetTextureColorMod(texture, red(tint), green(tint), blue(tint));
        const RectF box = transformedBounds(m, local);
        const SDL_FRect dest{box.left, box.top, box.width(), box.height()};
        // A negative scale mirrors the picture.
        const int flip = (m.a < 0 ? SDL_FLIP_HORIZONTAL : 0) | (m.d < 0 ? SDL_FLIP_VERTICAL : 0);
        if (flip == 0) SDL_RenderCopyF(r, texture, &source, &dest);
        else SDL_RenderCopyExF(r, texture, &source, &dest, 0, nullptr, static_cast<SDL_RendererFlip>(flip));
        return;
    }
    int texW = 0, texH = 0;
    SDL_QueryTexture(texture, nullptr, nullptr, &texW, &texH);
    if (padded) texture = padded;  // same coordinates: the twin is one texel larger (see geometryTexture)
    // Geometry takes its tint from the vertices alone.
    SDL_SetTextureAlphaMod(texture, 255);
    SDL_SetTextureColorMod(texture, 255, 255, 255);
    SDL_Vertex v[4];
    corners(m, local, v);
    const float u0 = static_cast<float>(source.x) / texW, u1 = static_cast<float>(source.x + source.w) / texW;
    const float v0 = static_cast<float>(source.y) / texH, v1 = static_cast<float>(source.y + source.h) / texH;
    const SDL_FPoint uv[4] = {{u0, v0}, {u1, v0}, {u1, v1}, {u0, v1}};
    for (int i = 0; i < 4; ++i) {
        v[i].tex_coord = uv[i];
        v[i].color = {red(tint), green(tint), blue(tint), alpha};
    }
    SDL_RenderGeometry(r, texture, v, 4, quadIndices, 6);
}

void SdlRenderer::drawPicture(const Affine& m, const RectF& local, const TexturedPicture& picture, const RectF& source,
                              float opacity, AlphaColor tint) {
    if (source.empty() || local.empty()) return;
    const float sx = local.width() / source.width(), sy = local.height() / source.height();
    for (const TexturedPicture::Piece& piece : picture.pieces) {
        const RectF area{static_cast<float>(piece.area.x), static_cast<float>(piece.area.y),
                         static_cast<float>(piece.area.x + piece.area.w), static_cast<float>(piece.area.y + piece.area.h)};
        const RectF part = intersection(source, area);
        if (part.empty()) continue;
        const RectF dest{local.left + (part.left - source.left) * sx, local.top + (part.top - source.top) * sy,
                         local.left + (part.right - source.left) * sx, local.top + (part.bottom - source.top) * sy};
        const SDL_Rect src{static_cast<int>(std::lround(part.left - area.left)), static_cast<int>(std::lround(part.top - area.top)),
                           static_cast<int>(std::lround(part.width())), static_cast<int>(std::lround(part.height()))};
        // Fully opaque pictures need no blending: a plain copy is several times cheaper in software.
        const bool plainCopy = picture.opaque && opacity >= 1.f && (tint >> 24) == 0xFF;
        SDL_SetTextureBlendMode(piece.texture.get(), plainCopy ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);
        copyTexture(m, dest, piece.texture.get(), src, opacity, tint, m.axisAligned() ? nullptr : geometryTexture(piece));
        if (m.axisAligned()) noteCoverage(transformedBounds(m, dest), picture.opaque && opacity >= 1.f && (tint >> 24) == 0xFF);
    }
}

void SdlRenderer::drawTiled(const Affine& m, const RectF& area, const TexturedPicture& picture, const RectF& tile, float opacity) {
    const float tw = tile.width(), th = tile.height();
    if (tw <= 0 || th <= 0) return;
    const RectF visible = visibleLocalArea(m, area);
    if (visible.empty()) return;
    // Start at the first tile that reaches the visible part; tiles are laid from the area's top left.
    const float firstX = area.left + std::floor((visible.left - area.left) / tw) * tw;
    const float firstY = area.top + std::floor((visible.top - area.top) / th) * th;
    for (float y = firstY; y < visible.bottom; y += th)
        for (float x = firstX; x < visible.right; x += tw) {
            const float w = std::min(tw, area.right - x), h = std::min(th, area.bottom - y);
            drawPicture(m, RectF{x, y, x + w, y + h}, picture, RectF{tile.left, tile.top, tile.left + w, tile.top + h}, opacity);
        }
}

void SdlRenderer::drawWrapped(const Affine& m, const RectF& bounds, const TexturedPicture& picture, RectF source,
                              WrapMode wrap, float opacity) {
    source = intersection(source, RectF{0, 0, static_cast<float>(picture.width), static_cast<float>(picture.height)});
    if (source.empty() || bounds.empty()) return;
    switch (wrap) {
    case WrapMode::Stretch:
        return drawPicture(m, bounds, picture, source, opacity);
    case WrapMode::Fit: {
        const float k = std::min(bounds.width() / source.width(), bounds.height() / source.height());
        const float w = source.width() * k, h = source.height() * k;
        const float left = bounds.left + (bounds.width() - w) / 2, top = bounds.top + (bounds.height() - h) / 2;
        return drawPicture(m, RectF{left, top, left + w, top + h}, picture, source, opacity);
    }
    case WrapMode::Original: {
        // Natural size from the top left, cut at the node's edges.
        const float w = std::min(source.width(), bounds.width()), h = std::min(source.height(), bounds.height());
        return drawPicture(m, RectF{bounds.left, bounds.top, bounds.left + w, bounds.top + h}, picture,
                           RectF{source.left, source.top, source.left + w, source.top + h}, opacity);
    }
    case WrapMode::Tile:
        return drawTiled(m, bounds, picture, source, opacity);
    }
}

}  // namespace eng
