// Pictures in memory: construction, copies with their own identity, and region copies.
// Identity (id) and version let the renderer's texture cache follow every change.
#include "bitmap.h"
#include <algorithm>
#include <atomic>
#include <utility>
#ifdef __linux__
#include <sys/mman.h>
#endif

namespace eng {
namespace {

// Large pictures (a level plane is tens of megabytes) ask the kernel for huge pages before their first
// touch: filling them then costs a few dozen page faults instead of thousands.
void reserveLargePicture(std::vector<AlphaColor>& pixels, size_t count) {
    pixels.reserve(count);
#ifdef __linux__
    constexpr std::uintptr_t hugePage = std::uintptr_t{2} << 20;
    const auto begin = reinterpret_cast<std::uintptr_t>(pixels.data());
    const auto end = begin + count * sizeof(AlphaColor);
    const auto alignedBegin = (begin + hugePage - 1) & ~(hugePage - 1);
    if (alignedBegin + hugePage <= end)   // a hint only: without huge pages the fill just faults more
        madvise(reinterpret_cast<void*>(alignedBegin), (end - alignedBegin) & ~(hugePage - 1), MADV_HUGEPAGE);
#endif
}

}  // namespace

std::uint64_t Bitmap::nextId() {
    static std::atomic<std::uint64_t> counter{0};
    return ++counter;
}

Bitmap::Bitmap(int width, int height, AlphaColor fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0)) {
    if (width_ == 0 || height_ == 0) {
        width_ = height_ = 0;
        return;
    }
    const size_t count = static_cast<size_t>(width_) * height_;
    constexpr size_t largePicture = size_t{4} << 20;   // pixels, 16 MB
    if (count >= largePicture) reserveLargePicture(pixels_, count);
    pixels_.assign(count, fill);
}

Bitmap::Bitmap(const Bitmap& other)
    : width_(other.width_), height_(other.height_), pixels_(other.pixels_) {}

Bitmap::Bitmap(Bitmap&& other) noexcept
    : width_(std::exchange(other.width_, 0)), height_(std::exchange(other.height_, 0)),
      pixels_(std::move(other.pixels_)), id_(std::exchange(other.id_, nextId())),
      version_(other.version_) {
    other.pixels_.clear();
}

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept {
    if (this == &other) return *this;
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
    pixels_ = std::move(other.pixels_);
    other.pixels_.clear();
    ++other.version_;
    ++version_;
    return *this;
}

Bitmap Bitmap::copyRect(int x, int y, int w, int h) const {
    Bitmap out(w, h, colors::Null);
    if (out.isEmpty()) return out;
    // Only the overlap of the requested rectangle with this picture carries pixels.
    const int fromX = std::max(x, 0), toX = std::min(x + w, width_);
    const int fromY = std::max(y, 0), toY = std::min(y + h, height_);
    for (int sy = fromY; sy < toY; ++sy) {
        if (fromX >= toX) break;
        const AlphaColor* src = &pixels_[static_cast<size_t>(sy) * width_ + fromX];
        AlphaColor* dst = &out.pixels_[static_cast<size_t>(sy - y) * w + (fromX - x)];
        std::copy(src, src + (toX - fromX), dst);
    }
    return out;
}

void Bitmap::assign(const Bitmap& other) {
    if (this == &other) return;
    width_ = other.width_;
    height_ = other.height_;
    pixels_ = other.pixels_;
    ++version_;
}

}  // namespace eng
