// A picture in memory: straight-alpha RGBA pixels, shared between images and sprite sheets.
// The renderer caches one texture per bitmap and re-uploads it when the version changes.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>
#include "geometry.h"

namespace eng {

class Bitmap {
public:
    Bitmap() = default;
    Bitmap(int width, int height, AlphaColor fill = colors::Null);
    // A copy is a new picture with its own identity; a move hands the identity over and gives the
    // moved-from object a fresh one, so two live bitmaps never share a texture-cache key.
    Bitmap(const Bitmap& other);
    Bitmap(Bitmap&& other) noexcept;
    Bitmap& operator=(const Bitmap& other) { assign(other); return *this; }
    Bitmap& operator=(Bitmap&& other) noexcept;

    int width() const { return width_; }
    int height() const { return height_; }
    bool isEmpty() const { return width_ == 0 || height_ == 0; }

    // Pixels as 0xAARRGGBB, row-major, straight (not premultiplied) alpha.
    AlphaColor pixel(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }
    void setPixel(int x, int y, AlphaColor c) { pixels_[static_cast<size_t>(y) * width_ + x] = c; ++version_; }
    const std::vector<AlphaColor>& pixels() const { return pixels_; }
    std::vector<AlphaColor>& mutablePixels() { ++version_; return pixels_; }

    // Copies a region; parts outside the source come out transparent.
    Bitmap copyRect(int x, int y, int w, int h) const;
    void assign(const Bitmap& other);  // replace content, keep identity (texture cache follows)
    void clear() { assign(Bitmap()); }

    // Identity for texture caches: unique per Bitmap object, version bumps on every change.
    std::uint64_t id() const { return id_; }
    std::uint64_t version() const { return version_; }

    // PNG decoding and encoding live in the SDL backend (png.cpp). Throw eng::ResourceError on failure.
    static Bitmap loadPng(const std::string& path);
    static Bitmap decodePng(const std::vector<std::uint8_t>& bytes, const std::string& nameForErrors);
    void savePng(const std::string& path) const;

private:
    int width_ = 0, height_ = 0;
    std::vector<AlphaColor> pixels_;
    std::uint64_t id_ = nextId();
    std::uint64_t version_ = 1;
    static std::uint64_t nextId();
};

using BitmapPtr = std::shared_ptr<Bitmap>;

}  // namespace eng
