// Plain geometry and colour values shared by the scene graph, the renderer and the game.
// Everything is in float units; colours are 0xAARRGGBB like the game's own colour constants.
#pragma once
#include <cstdint>

namespace eng {

struct PointF {
    float x = 0, y = 0;
    bool operator==(const PointF&) const = default;
};

struct SizeF {
    float width = 0, height = 0;
    bool operator==(const SizeF&) const = default;
};

// Left/top/right/bottom edges (right and bottom are exclusive edges, not sizes).
struct RectF {
    float left = 0, top = 0, right = 0, bottom = 0;
    float width() const { return right - left; }
    float height() const { return bottom - top; }
    bool empty() const { return right <= left || bottom <= top; }
    bool contains(PointF p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    // Strict overlap: rectangles that only touch at an edge do not intersect.
    bool intersects(const RectF& o) const {
        return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
    }
    bool operator==(const RectF&) const = default;
};

struct Margins {
    float left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const Margins&) const = default;
};

using AlphaColor = std::uint32_t;  // 0xAARRGGBB
namespace colors {
constexpr AlphaColor Black = 0xFF000000, White = 0xFFFFFFFF, Null = 0x00000000, Red = 0xFFFF0000;
}
inline std::uint8_t alphaOf(AlphaColor c) { return static_cast<std::uint8_t>(c >> 24); }

}  // namespace eng
