// Paints rectangles with gradient fills, rounded corners and outlines into pictures.
// Four samples per pixel smooth the corners; colours use straight alpha like every bitmap.
#include "shape_raster.h"
#include <algorithm>
#include <cmath>
#include <sstream>

namespace eng {
namespace {

float channel(AlphaColor c, int shift) { return static_cast<float>((c >> shift) & 0xFF); }

AlphaColor lerpColor(AlphaColor from, AlphaColor to, float t) {
    AlphaColor out = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const float v = channel(from, shift) + (channel(to, shift) - channel(from, shift)) * t;
        out |= static_cast<AlphaColor>(std::clamp(v + 0.5f, 0.f, 255.f)) << shift;
    }
    return out;
}

AlphaColor colorAtOffset(const std::vector<GradientStop>& stops, float t) {
    if (t <= stops.front().offset) return stops.front().color;
    for (size_t i = 1; i < stops.size(); ++i)
        if (t <= stops[i].offset) {
            const float span = stops[i].offset - stops[i - 1].offset;
            return lerpColor(stops[i - 1].color, stops[i].color, span > 0 ? (t - stops[i - 1].offset) / span : 1.f);
        }
    return stops.back().color;
}

// Inside a rectangle with elliptic corners of radii (rx, ry)?
bool insideRounded(float x, float y, float left, float top, float right, float bottom, float rx, float ry) {
    if (x < left || x >= right || y < top || y >= bottom) return false;
    if (rx <= 0 || ry <= 0) return true;
    const float cx = std::clamp(x, left + rx, right - rx), cy = std::clamp(y, top + ry, bottom - ry);
    const float dx = (x - cx) / rx, dy = (y - cy) / ry;
    return dx * dx + dy * dy <= 1.f;
}

struct Sample { float a = 0, r = 0, g = 0, b = 0; };

void accumulate(Sample& s, AlphaColor c) {
    const float a = channel(c, 24) / 255.f;
    s.a += a;
    s.r += channel(c, 16) * a;
    s.g += channel(c, 8) * a;
    s.b += channel(c, 0) * a;
}

AlphaColor resolve(const Sample& s, int count) {
    if (s.a <= 0) return 0;
    const auto c = [&](float v) { return static_cast<AlphaColor>(std::clamp(v / s.a + 0.5f, 0.f, 255.f)); };
    const AlphaColor a = static_cast<AlphaColor>(std::clamp(s.a / count * 255.f + 0.5f, 0.f, 255.f));
    return (a << 24) | (c(s.r) << 16) | (c(s.g) << 8) | c(s.b);
}

}  // namespace

std::string ShapeStyle::key() const {
    std::ostringstream out;
    out << static_cast<int>(fill.kind) << ',' << fill.color << ',' << fill.gradientStart.x << ',' << fill.gradientStart.y
        << ',' << fill.gradientStop.x << ',' << fill.gradientStop.y;
    for (const GradientStop& s : fill.stops) out << ';' << s.color << '@' << s.offset;
    out << '|' << strokeColor << ',' << strokeThickness << ',' << xRadius << ',' << yRadius;
    return out.str();
}

AlphaColor fillColorAt(const Fill& fill, float u, float v) {
    if (fill.kind == FillKind::Solid || fill.stops.empty()) return fill.kind == FillKind::None ? 0 : fill.color;
    const auto byOffset = [](const GradientStop& x, const GradientStop& y) { return x.offset < y.offset; };
    if (!std::is_sorted(fill.stops.begin(), fill.stops.end(), byOffset)) {
        Fill sorted = fill;
        std::stable_sort(sorted.stops.begin(), sorted.stops.end(), byOffset);
        return fillColorAt(sorted, u, v);
    }
    const std::vector<GradientStop>& stops = fill.stops;
    float t = 0;
    if (fill.kind == FillKind::RadialGradient) {
        const float dx = (u - 0.5f) * 2, dy = (v - 0.5f) * 2;
        t = std::sqrt(dx * dx + dy * dy);
    } else {
        const float ex = fill.gradientStop.x - fill.gradientStart.x, ey = fill.gradientStop.y - fill.gradientStart.y;
        const float len2 = ex * ex + ey * ey;
        t = len2 > 0 ? ((u - fill.gradientStart.x) * ex + (v - fill.gradientStart.y) * ey) / len2 : 0;
    }
    return colorAtOffset(stops, std::clamp(t, 0.f, 1.f));
}

Bitmap rasterizeShape(const ShapeStyle& style, float width, float height, int pixelWidth, int pixelHeight) {
    Bitmap out(pixelWidth, pixelHeight, colors::Null);
    if (out.isEmpty() || width <= 0 || height <= 0) return out;
    const float rx = std::min(style.xRadius, width / 2), ry = std::min(style.yRadius, height / 2);
    const float t = std::min({style.strokeThickness, width / 2, height / 2});
    const float unitsPerPxX = width / pixelWidth, unitsPerPxY = height / pixelHeight;
    Fill fill = style.fill;  // sorted once here rather than at every sample
    std::stable_sort(fill.stops.begin(), fill.stops.end(), [](const GradientStop& x, const GradientStop& y) { return x.offset < y.offset; });
    const bool gradient = style.fill.kind == FillKind::LinearGradient || style.fill.kind == FillKind::RadialGradient;
    auto& pixels = out.mutablePixels();
    constexpr float offsets[2] = {0.25f, 0.75f};
    for (int py = 0; py < pixelHeight; ++py)
        for (int px = 0; px < pixelWidth; ++px) {
            Sample sum;
            for (float oy : offsets)
                for (float ox : offsets) {
                    const float x = (px + ox) * unitsPerPxX, y = (py + oy) * unitsPerPxY;
                    if (!insideRounded(x, y, 0, 0, width, height, rx, ry)) continue;
                    const bool inFill = t <= 0 || insideRounded(x, y, t, t, width - t, height - t, std::max(rx - t, 0.f), std::max(ry - t, 0.f));
                    if (!inFill) accumulate(sum, style.strokeColor);
                    else accumulate(sum, gradient ? fillColorAt(fill, x / width, y / height)
                                                  : (style.fill.kind == FillKind::Solid ? style.fill.color : 0));
                }
            pixels[static_cast<size_t>(py) * pixelWidth + px] = resolve(sum, 4);
        }
    return out;
}

}  // namespace eng
