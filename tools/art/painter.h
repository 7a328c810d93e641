// The art tools' painter: an RGBA canvas, coverage masks built from shapes, shading from the upper left,
// silhouette outlines, mirroring and sheet assembly. Every sprite is composed from these parts.
#pragma once
#include <cstdint>
#include <string>
#include <vector>
#include "palette.h"

namespace art {

struct Vec {
    float x = 0, y = 0;
};
inline Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
inline Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
inline Vec operator*(Vec a, float k) { return {a.x * k, a.y * k}; }
Vec rotated(Vec v, float degrees);      // clockwise on screen (y grows downwards)
Vec fromAngle(float degrees, float length);  // 0° points right, 90° points down

// Straight-alpha 0xAARRGGBB pixels; reads outside the canvas give transparent, writes outside are dropped.
class Canvas {
public:
    Canvas() = default;
    Canvas(int width, int height, Color fill = 0);
    int width() const { return width_; }
    int height() const { return height_; }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    Color at(int x, int y) const { return inside(x, y) ? pixels_[index(x, y)] : 0; }
    void set(int x, int y, Color c) {
        if (inside(x, y)) pixels_[index(x, y)] = c;
    }
    void blend(int x, int y, Color c);  // source-over
    bool opaqueAt(int x, int y) const { return alpha(at(x, y)) != 0; }
    const std::vector<Color>& pixels() const { return pixels_; }

    void draw(const Canvas& src, int dx, int dy);            // composite src over this at (dx, dy)
    void drawScaled(const Canvas& src, int dx, int dy, int k);  // nearest-neighbour ×k
    Canvas mirrored(int axisWidth) const;  // x' = axisWidth - 1 - x, same canvas size
    Canvas crop(int x, int y, int w, int h) const;
    Canvas scaled(int k) const;
    Canvas withOpacity(float opacity) const;

private:
    size_t index(int x, int y) const { return static_cast<size_t>(y) * width_ + x; }
    int width_ = 0, height_ = 0;
    std::vector<Color> pixels_;
};

// Which pixels a shape covers (pixel centres are sampled, so edges come out crisp without dithering).
class Mask {
public:
    Mask(int width, int height) : width_(width), height_(height), bits_(static_cast<size_t>(width) * height, 0) {}
    int width() const { return width_; }
    int height() const { return height_; }
    bool at(int x, int y) const {
        return x >= 0 && y >= 0 && x < width_ && y < height_ && bits_[static_cast<size_t>(y) * width_ + x];
    }
    void set(int x, int y, bool on = true) {
        if (x >= 0 && y >= 0 && x < width_ && y < height_) bits_[static_cast<size_t>(y) * width_ + x] = on;
    }
    void add(const Mask& other);       // union
    void subtract(const Mask& other);  // difference
    void intersect(const Mask& other);
    bool empty() const;

private:
    int width_, height_;
    std::vector<std::uint8_t> bits_;
};

// Shapes rasterised into a mask of the given size.
Mask ellipseMask(int w, int h, Vec centre, float rx, float ry, float rotationDegrees = 0);
Mask circleMask(int w, int h, Vec centre, float r);
Mask rectMask(int w, int h, float x, float y, float rw, float rh);
Mask roundRectMask(int w, int h, float x, float y, float rw, float rh, float radius);
Mask polygonMask(int w, int h, const std::vector<Vec>& points);
Mask capsuleMask(int w, int h, Vec a, Vec b, float radius);       // a thick segment with round ends
Mask taperMask(int w, int h, Vec a, Vec b, float ra, float rb);   // segment whose radius goes ra → rb
Mask ringMask(int w, int h, Vec centre, float rInner, float rOuter, float fromDeg, float toDeg);
Mask pixelMask(int w, int h, int x, int y, const std::vector<std::string>& rows, int scale = 1);  // '.' empty

// Fills.
void fillMask(Canvas& c, const Mask& m, Color colour);
// Shade a mask with a ramp: lit band on the upper-left edges, shadow band on the lower-right edges.
struct Shading {
    int lightDepth = 1;   // how far in from the upper-left edge the light tone reaches
    int shadowDepth = 2;  // how far in from the lower-right edge the shadow tone reaches
    bool highlight = false;  // a highlight dot pair just inside the upper-left edge
};
void shadeMask(Canvas& c, const Mask& m, const Ramp& ramp, Shading s = {});
void gradientMask(Canvas& c, const Mask& m, Color top, Color bottom, int y0, int y1);  // vertical, banded
void bandedGradient(Canvas& c, const Mask& m, const std::vector<Color>& bands, int y0, int y1);

// The lit crescent on the upper-left side of a round clump (leaves, clouds), clipped to `within`.
void clumpLight(Canvas& c, const Mask& within, Vec centre, float radius, Color colour);

// Outlines: a one-pixel ring around every opaque pixel of the layer, coloured by darkening the neighbour
// (or with a fixed colour when given). Alpha below `threshold` counts as empty.
void outline(Canvas& c, Color fixed = 0, float darken = 0.45f, int threshold = 1);
// Darken the inner edge of a silhouette by one pixel on its lower-right side (a rim shadow).
void innerShadowEdge(Canvas& c, float factor = 0.8f);

// A part: shade the mask into its own layer, outline it, composite it over the target.
void paintPart(Canvas& target, const Mask& m, const Ramp& ramp, Shading s = {}, bool withOutline = true);

// Lines without anti-aliasing (Bresenham), one pixel wide.
void line(Canvas& c, int x0, int y0, int x1, int y1, Color colour);

// Sheets: frames side by side in one row.
Canvas joinFrames(const std::vector<Canvas>& frames);
Canvas mirrorFrames(const Canvas& sheet, int frameWidth, int frameCount, int axisWidth);

// Deterministic pseudo-random numbers (xorshift), seeded by the caller: the same seed paints the same picture.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed * 2654435761ull + 0x9E3779B97F4A7C15ull) {}
    std::uint32_t next();
    int range(int lo, int hi);  // inclusive
    float unit();               // [0, 1)

private:
    std::uint64_t state_;
};

// Window pictures are painted at half size by `paint(canvas)` and doubled to exactly w × h: chunky pixels
// that match the game's zoomed art.
template <typename Paint>
Canvas doubled(int w, int h, Paint paint) {
    Canvas half((w + 1) / 2, (h + 1) / 2);
    paint(half);
    return half.scaled(2).crop(0, 0, w, h);
}

// PNG encoding (8-bit RGBA, fixed compression: the same canvas always gives the same bytes).
std::vector<std::uint8_t> encodePng(const Canvas& c);
// Writes only when the bytes differ from the file on disk, so unchanged pictures keep their time stamps.
bool writeFileIfChanged(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace art
