// PNG decoding and encoding for bitmaps through SDL_image, in 0xAARRGGBB straight alpha.
// Failures raise ResourceNotFound / ResourceError naming the file.
#include <SDL_image.h>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include "bitmap.h"
#include "errors.h"
#include "sdl_handles.h"

namespace eng {
namespace {

// Copies a surface of any format into a bitmap, row by row (surface rows may be padded).
Bitmap bitmapFromSurface(SDL_Surface* decoded, const std::string& nameForErrors) {
    const sdl::SurfacePtr argb(SDL_ConvertSurfaceFormat(decoded, SDL_PIXELFORMAT_ARGB8888, 0));
    if (!argb) throw ResourceError("Cannot convert picture " + nameForErrors + ": " + SDL_GetError());
    Bitmap out(argb->w, argb->h);
    auto& pixels = out.mutablePixels();
    for (int y = 0; y < argb->h; ++y)
        std::memcpy(&pixels[static_cast<size_t>(y) * argb->w], static_cast<const Uint8*>(argb->pixels) + y * argb->pitch,
                    static_cast<size_t>(argb->w) * 4);
    return out;
}

}  // namespace

Bitmap Bitmap::decodePng(const std::vector<std::uint8_t>& bytes, const std::string& nameForErrors) {
    if (bytes.empty()) throw ResourceError("Picture " + nameForErrors + " is empty");
    SDL_RWops* source = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    const sdl::SurfacePtr decoded(IMG_LoadTyped_RW(source, 1, "PNG"));
    if (!decoded) throw ResourceError("Cannot decode picture " + nameForErrors + ": " + IMG_GetError());
    return bitmapFromSurface(decoded.get(), nameForErrors);
}

Bitmap Bitmap::loadPng(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) throw ResourceNotFound("Picture not found: " + path);
    std::ifstream in(path, std::ios::binary);
    if (!in) throw ResourceError("Cannot read picture " + path);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return decodePng(bytes, path);
}

void Bitmap::savePng(const std::string& path) const {
    if (isEmpty()) throw ResourceError("Cannot save an empty picture to " + path);
    // SDL only reads the pixels here, the const_cast never leads to a write.
    const sdl::SurfacePtr view(SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<AlphaColor*>(pixels_.data()), width_, height_, 32, width_ * 4, SDL_PIXELFORMAT_ARGB8888));
    if (!view) throw ResourceError("Cannot save picture " + path + ": " + SDL_GetError());
    if (IMG_SavePNG(view.get(), path.c_str()) != 0)
        throw ResourceError("Cannot save picture " + path + ": " + IMG_GetError());
}

}  // namespace eng
