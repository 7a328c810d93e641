// Textures the renderer keeps between frames: one per bitmap (re-uploaded when its version changes)
// and one per derived picture (text, shapes, effects) under a key; unused ones are dropped after a while.
#pragma once
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>
#include "bitmap.h"
#include "sdl_handles.h"

namespace eng {

// A picture as one or more textures: pictures larger than the renderer's limit are cut into tiles.
struct TexturedPicture {
    struct Piece {
        sdl::TexturePtr texture;
        SDL_Rect area;  // where the piece sits in the picture, in picture pixels
        // Software renderer only: a copy one texel wider and taller (last column and row repeated),
        // made on first rotated use; see SdlRenderer::geometryTexture.
        mutable sdl::TexturePtr padded;
    };
    std::vector<Piece> pieces;
    int width = 0, height = 0;
    bool opaque = false;          // every pixel fully opaque (lets a copy skip blending)
    std::uint64_t version = 0;
    std::uint64_t lastUsedFrame = 0;
};

class TextureCache {
public:
    explicit TextureCache(SDL_Renderer* renderer);

    // The picture's textures, uploaded now if new or changed since the last upload.
    const TexturedPicture& bitmap(const Bitmap& picture);
    // A derived picture under `key`; `make` is called only when the key is not cached.
    template <class MakeBitmap>
    const TexturedPicture& derived(const std::string& key, MakeBitmap&& make) {
        auto found = derived_.find(key);
        if (found == derived_.end()) found = derived_.emplace(key, upload(make(), 0)).first;
        found->second.lastUsedFrame = frame_;
        return found->second;
    }
    // Drop every texture unused for `maxIdleFrames` frames, then count the next frame.
    void endFrame(std::uint64_t maxIdleFrames);
    void clear();
    // A picture owned by the caller (results that are replaced in place rather than keyed).
    TexturedPicture makePicture(const Bitmap& picture) const { return upload(picture, 0); }
    size_t size() const { return bitmaps_.size() + derived_.size(); }

private:
    TexturedPicture upload(const Bitmap& picture, std::uint64_t version) const;

    SDL_Renderer* renderer_;
    int maxTextureWidth_ = 0, maxTextureHeight_ = 0;  // 0 = no limit
    std::uint64_t frame_ = 0;
    std::unordered_map<std::uint64_t, TexturedPicture> bitmaps_;  // by Bitmap::id()
    std::unordered_map<std::string, TexturedPicture> derived_;
};

}  // namespace eng
