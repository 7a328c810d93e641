// Uploads bitmaps to textures once per version and keeps them while they are drawn.
// Big pictures are cut into pieces no larger than the renderer accepts.
#include "texture_cache.h"
#include <algorithm>

namespace eng {

TextureCache::TextureCache(SDL_Renderer* renderer) : renderer_(renderer) {
    SDL_RendererInfo info{};
    if (SDL_GetRendererInfo(renderer, &info) == 0) {
        maxTextureWidth_ = info.max_texture_width;
        maxTextureHeight_ = info.max_texture_height;
    }
}

TexturedPicture TextureCache::upload(const Bitmap& picture, std::uint64_t version) const {
    TexturedPicture out;
    out.width = picture.width();
    out.height = picture.height();
    out.version = version;
    out.lastUsedFrame = frame_;
    if (picture.isEmpty()) return out;
    const auto& pixels = picture.pixels();
    out.opaque = std::all_of(pixels.begin(), pixels.end(), [](AlphaColor c) { return (c >> 24) == 0xFF; });
    const int pieceW = maxTextureWidth_ > 0 ? maxTextureWidth_ : out.width;
    const int pieceH = maxTextureHeight_ > 0 ? maxTextureHeight_ : out.height;
    for (int y = 0; y < out.height; y += pieceH)
        for (int x = 0; x < out.width; x += pieceW) {
            const SDL_Rect area{x, y, std::min(pieceW, out.width - x), std::min(pieceH, out.height - y)};
            sdl::TexturePtr texture(SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, area.w, area.h));
            if (!texture) continue;
            SDL_UpdateTexture(texture.get(), nullptr, &pixels[static_cast<size_t>(y) * out.width + x], out.width * 4);
            SDL_SetTextureBlendMode(texture.get(), SDL_BLENDMODE_BLEND);
            out.pieces.push_back({std::move(texture), area, nullptr});
        }
    return out;
}

const TexturedPicture& TextureCache::bitmap(const Bitmap& picture) {
    auto found = bitmaps_.find(picture.id());
    if (found == bitmaps_.end()) found = bitmaps_.emplace(picture.id(), upload(picture, picture.version())).first;
    else if (found->second.version != picture.version()) found->second = upload(picture, picture.version());
    found->second.lastUsedFrame = frame_;
    return found->second;
}

void TextureCache::endFrame(std::uint64_t maxIdleFrames) {
    const auto stale = [&](const auto& entry) { return frame_ - entry.second.lastUsedFrame > maxIdleFrames; };
    std::erase_if(bitmaps_, stale);
    std::erase_if(derived_, stale);
    ++frame_;
}

void TextureCache::clear() {
    bitmaps_.clear();
    derived_.clear();
}

}  // namespace eng
