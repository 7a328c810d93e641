// PNG decoding (libpng, straight into the bitmap's pixels) and encoding (SDL_image), in 0xAARRGGBB
// straight alpha. Failures raise ResourceNotFound / ResourceError naming the file.
#include <SDL_image.h>
#include <png.h>
#include <bit>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>
#include "bitmap.h"
#include "errors.h"
#include "sdl_handles.h"

namespace eng {
namespace {

// Frees libpng's decoder state whichever way the decoding ends.
struct PngImageGuard {
    png_image& image;
    ~PngImageGuard() { png_image_free(&image); }
};

// The slow road, for 16-bit files: SDL_image keeps their high bytes, where libpng's quick reader would
// take the samples as linear light and brighten them.
Bitmap decodeThroughSurface(const std::vector<std::uint8_t>& bytes, const std::string& nameForErrors) {
    static std::mutex sdlImageInUse;   // SDL_image sets itself up on first use; pictures may decode on threads
    const std::lock_guard lock(sdlImageInUse);
    SDL_RWops* source = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    const sdl::SurfacePtr decoded(IMG_LoadTyped_RW(source, 1, "PNG"));
    if (!decoded) throw ResourceError("Cannot decode picture " + nameForErrors + ": " + IMG_GetError());
    const sdl::SurfacePtr argb(SDL_ConvertSurfaceFormat(decoded.get(), SDL_PIXELFORMAT_ARGB8888, 0));
    if (!argb) throw ResourceError("Cannot convert picture " + nameForErrors + ": " + SDL_GetError());
    Bitmap out(argb->w, argb->h);
    auto& pixels = out.mutablePixels();
    for (int y = 0; y < argb->h; ++y)   // surface rows may be padded
        std::memcpy(&pixels[static_cast<size_t>(y) * argb->w], static_cast<const Uint8*>(argb->pixels) + y * argb->pitch,
                    static_cast<size_t>(argb->w) * 4);
    return out;
}

}  // namespace

// Level pictures are large (a 141 x 49-tile plane is 28 MB of pixels): libpng writes each row
// straight into the bitmap, with no intermediate surface or conversion. BGRA bytes in memory are
// the 0xAARRGGBB words of a little-endian machine.
Bitmap Bitmap::decodePng(const std::vector<std::uint8_t>& bytes, const std::string& nameForErrors) {
    static_assert(std::endian::native == std::endian::little, "pixels are decoded as BGRA bytes");
    if (bytes.empty()) throw ResourceError("Picture " + nameForErrors + " is empty");
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    const PngImageGuard guard{image};
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()))
        throw ResourceError("Cannot decode picture " + nameForErrors + ": " + image.message);
    if (image.format & PNG_FORMAT_FLAG_LINEAR) return decodeThroughSurface(bytes, nameForErrors);
    image.format = PNG_FORMAT_BGRA;
    constexpr std::uint32_t largestSide = 1u << 15;   // refuses absurd headers before allocating
    if (image.width == 0 || image.height == 0 || image.width > largestSide || image.height > largestSide)
        throw ResourceError("Cannot decode picture " + nameForErrors + ": size " + std::to_string(image.width) +
                            " x " + std::to_string(image.height) + " is out of range");
    Bitmap out(static_cast<int>(image.width), static_cast<int>(image.height));
    if (!png_image_finish_read(&image, nullptr, out.mutablePixels().data(), 0, nullptr))
        throw ResourceError("Cannot decode picture " + nameForErrors + ": " + image.message);
    return out;
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
