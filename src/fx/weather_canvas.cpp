// Software drawing of the weather's discs, lines and fog pictures into the layer's picture.
// Everything outside the picture is clipped; colours blend over what is already there.
#include "fx/weather_canvas.h"
#include <algorithm>
#include <cmath>

void WeatherCanvas::clear() {
    auto& pixels = target_.mutablePixels();
    std::fill(pixels.begin(), pixels.end(), eng::colors::Null);
}

void WeatherCanvas::blend(int x, int y, eng::AlphaColor color, float opacity) {
    if (x < 0 || y < 0 || x >= target_.width() || y >= target_.height()) return;
    const float a = (eng::alphaOf(color) / 255.0f) * opacity;
    if (a <= 0) return;
    auto& pixels = target_.mutablePixels();
    eng::AlphaColor& dst = pixels[static_cast<size_t>(y) * target_.width() + x];
    const float da = eng::alphaOf(dst) / 255.0f;
    const float outA = a + da * (1 - a);
    auto channel = [&](int shift) {
        const float s = ((color >> shift) & 0xFF), d = ((dst >> shift) & 0xFF);
        const float v = outA > 0 ? (s * a + d * da * (1 - a)) / outA : 0;
        return static_cast<eng::AlphaColor>(std::clamp(v, 0.0f, 255.0f)) << shift;
    };
    dst = (static_cast<eng::AlphaColor>(outA * 255 + 0.5f) << 24) | channel(16) | channel(8) | channel(0);
}

void WeatherCanvas::fillEllipse(float left, float top, float right, float bottom, eng::AlphaColor color,
                                float opacity) {
    const float cx = (left + right) * 0.5f, cy = (top + bottom) * 0.5f;
    const float rx = (right - left) * 0.5f, ry = (bottom - top) * 0.5f;
    if (rx <= 0 || ry <= 0) return;
    for (int y = static_cast<int>(std::floor(top)); y < static_cast<int>(std::ceil(bottom)); ++y) {
        for (int x = static_cast<int>(std::floor(left)); x < static_cast<int>(std::ceil(right)); ++x) {
            const float dx = (x + 0.5f - cx) / rx, dy = (y + 0.5f - cy) / ry;
            if (dx * dx + dy * dy <= 1.0f) blend(x, y, color, opacity);
        }
    }
}

void WeatherCanvas::drawVerticalLine(float x, float y0, float y1, eng::AlphaColor color, float opacity) {
    const int column = static_cast<int>(std::floor(x));
    for (int y = static_cast<int>(std::floor(y0)); y < static_cast<int>(std::ceil(y1)); ++y) blend(column, y, color, opacity);
}

void WeatherCanvas::drawBitmap(const eng::Bitmap& picture, float x, float y, float opacity) {
    const int left = static_cast<int>(std::lround(x)), top = static_cast<int>(std::lround(y));
    const int fromX = std::max(0, -left), toX = std::min(picture.width(), target_.width() - left);
    const int fromY = std::max(0, -top), toY = std::min(picture.height(), target_.height() - top);
    for (int py = fromY; py < toY; ++py)
        for (int px = fromX; px < toX; ++px) blend(left + px, top + py, picture.pixel(px, py), opacity);
}
