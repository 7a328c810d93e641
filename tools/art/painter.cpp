// The painter's canvas, masks, shapes, shading, outlines and sheet helpers.
// Pixel centres are sampled everywhere so shapes come out crisp: no anti-aliasing, no dithering.
#include "painter.h"
#include <cmath>
#include <numbers>

namespace art {

namespace {
constexpr float degToRad = std::numbers::pi_v<float> / 180.0f;

// Calls visit(x, y, px, py) for every pixel of the w × h grid inside the clamped box, px/py the pixel centre.
template <typename Visit>
void forBox(int w, int h, float x0, float y0, float x1, float y1, Visit visit) {
    const int left = std::max(0, static_cast<int>(std::floor(x0)));
    const int top = std::max(0, static_cast<int>(std::floor(y0)));
    const int right = std::min(w - 1, static_cast<int>(std::ceil(x1)));
    const int bottom = std::min(h - 1, static_cast<int>(std::ceil(y1)));
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x) visit(x, y, x + 0.5f, y + 0.5f);
}

float segmentT(Vec p, Vec a, Vec b) {
    const Vec ab = b - a;
    const float len2 = ab.x * ab.x + ab.y * ab.y;
    if (len2 <= 0) return 0;
    return std::clamp(((p.x - a.x) * ab.x + (p.y - a.y) * ab.y) / len2, 0.0f, 1.0f);
}

float distance(Vec a, Vec b) { return std::hypot(a.x - b.x, a.y - b.y); }
}  // namespace

Vec rotated(Vec v, float degrees) {
    const float r = degrees * degToRad;
    return {v.x * std::cos(r) - v.y * std::sin(r), v.x * std::sin(r) + v.y * std::cos(r)};
}

Vec fromAngle(float degrees, float length) { return rotated({length, 0}, degrees); }

// ---- Canvas ----

Canvas::Canvas(int width, int height, Color fill)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, fill) {}

void Canvas::blend(int x, int y, Color c) {
    if (!inside(x, y)) return;
    const int sa = alpha(c);
    if (sa == 0) return;
    Color& d = pixels_[index(x, y)];
    const int da = alpha(d);
    if (sa == 255 || da == 0) {
        d = c;
        return;
    }
    // Straight-alpha source-over.
    const float s = sa / 255.0f, dd = da / 255.0f * (1 - s), out = s + dd;
    auto channel = [&](int sc, int dc) { return static_cast<int>((sc * s + dc * dd) / out + 0.5f); };
    d = rgb(channel(red(c), red(d)), channel(green(c), green(d)), channel(blue(c), blue(d)),
            static_cast<int>(out * 255 + 0.5f));
}

void Canvas::draw(const Canvas& src, int dx, int dy) {
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x) blend(dx + x, dy + y, src.at(x, y));
}

void Canvas::drawScaled(const Canvas& src, int dx, int dy, int k) {
    for (int y = 0; y < src.height() * k; ++y)
        for (int x = 0; x < src.width() * k; ++x) blend(dx + x, dy + y, src.at(x / k, y / k));
}

Canvas Canvas::mirrored(int axisWidth) const {
    Canvas out(width_, height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) out.set(axisWidth - 1 - x, y, at(x, y));
    return out;
}

Canvas Canvas::crop(int x, int y, int w, int h) const {
    Canvas out(w, h);
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) out.set(i, j, at(x + i, y + j));
    return out;
}

Canvas Canvas::scaled(int k) const {
    Canvas out(width_ * k, height_ * k);
    out.drawScaled(*this, 0, 0, k);
    return out;
}

Canvas Canvas::withOpacity(float opacity) const {
    Canvas out = *this;
    for (Color& c : out.pixels_) c = withAlpha(c, static_cast<int>(alpha(c) * opacity + 0.5f));
    return out;
}

// ---- Mask ----

void Mask::add(const Mask& o) {
    for (size_t i = 0; i < bits_.size() && i < o.bits_.size(); ++i) bits_[i] |= o.bits_[i];
}
void Mask::subtract(const Mask& o) {
    for (size_t i = 0; i < bits_.size() && i < o.bits_.size(); ++i)
        if (o.bits_[i]) bits_[i] = 0;
}
void Mask::intersect(const Mask& o) {
    for (size_t i = 0; i < bits_.size(); ++i) bits_[i] = i < o.bits_.size() && bits_[i] && o.bits_[i];
}
bool Mask::empty() const {
    return std::none_of(bits_.begin(), bits_.end(), [](std::uint8_t b) { return b != 0; });
}

// ---- shapes ----

Mask ellipseMask(int w, int h, Vec c, float rx, float ry, float rotationDegrees) {
    Mask m(w, h);
    const float reach = std::max(rx, ry) + 1;
    forBox(w, h, c.x - reach, c.y - reach, c.x + reach, c.y + reach, [&](int x, int y, float px, float py) {
        const Vec local = rotated({px - c.x, py - c.y}, -rotationDegrees);
        if ((local.x * local.x) / (rx * rx) + (local.y * local.y) / (ry * ry) <= 1.0f) m.set(x, y);
    });
    return m;
}

Mask circleMask(int w, int h, Vec c, float r) { return ellipseMask(w, h, c, r, r); }

Mask rectMask(int w, int h, float x, float y, float rw, float rh) {
    Mask m(w, h);
    forBox(w, h, x, y, x + rw, y + rh, [&](int px, int py, float cx, float cy) {
        if (cx >= x && cx < x + rw && cy >= y && cy < y + rh) m.set(px, py);
    });
    return m;
}

Mask roundRectMask(int w, int h, float x, float y, float rw, float rh, float radius) {
    Mask m(w, h);
    forBox(w, h, x, y, x + rw, y + rh, [&](int px, int py, float cx, float cy) {
        if (cx < x || cx >= x + rw || cy < y || cy >= y + rh) return;
        const float qx = std::max({x + radius - cx, cx - (x + rw - radius), 0.0f});
        const float qy = std::max({y + radius - cy, cy - (y + rh - radius), 0.0f});
        if (qx * qx + qy * qy <= radius * radius) m.set(px, py);
    });
    return m;
}

Mask polygonMask(int w, int h, const std::vector<Vec>& pts) {
    Mask m(w, h);
    if (pts.size() < 3) return m;
    float x0 = pts[0].x, x1 = x0, y0 = pts[0].y, y1 = y0;
    for (const Vec& p : pts) {
        x0 = std::min(x0, p.x), x1 = std::max(x1, p.x), y0 = std::min(y0, p.y), y1 = std::max(y1, p.y);
    }
    forBox(w, h, x0, y0, x1, y1, [&](int x, int y, float px, float py) {
        bool in = false;  // even-odd crossing test
        for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
            const Vec a = pts[i], b = pts[j];
            if ((a.y > py) != (b.y > py) && px < (b.x - a.x) * (py - a.y) / (b.y - a.y) + a.x) in = !in;
        }
        if (in) m.set(x, y);
    });
    return m;
}

Mask capsuleMask(int w, int h, Vec a, Vec b, float radius) { return taperMask(w, h, a, b, radius, radius); }

Mask taperMask(int w, int h, Vec a, Vec b, float ra, float rb) {
    Mask m(w, h);
    const float reach = std::max(ra, rb) + 1;
    forBox(w, h, std::min(a.x, b.x) - reach, std::min(a.y, b.y) - reach, std::max(a.x, b.x) + reach,
           std::max(a.y, b.y) + reach, [&](int x, int y, float px, float py) {
               const float t = segmentT({px, py}, a, b);
               const Vec q = a + (b - a) * t;
               if (distance({px, py}, q) <= ra + (rb - ra) * t) m.set(x, y);
           });
    return m;
}

Mask ringMask(int w, int h, Vec c, float rInner, float rOuter, float fromDeg, float toDeg) {
    Mask m(w, h);
    forBox(w, h, c.x - rOuter - 1, c.y - rOuter - 1, c.x + rOuter + 1, c.y + rOuter + 1,
           [&](int x, int y, float px, float py) {
               const float d = distance({px, py}, c);
               if (d < rInner || d > rOuter) return;
               float angle = std::atan2(py - c.y, px - c.x) / degToRad;  // clockwise on screen
               while (angle < fromDeg) angle += 360;
               while (angle >= fromDeg + 360) angle -= 360;
               if (angle <= toDeg) m.set(x, y);
           });
    return m;
}

Mask pixelMask(int w, int h, int x, int y, const std::vector<std::string>& rows, int scale) {
    Mask m(w, h);
    for (size_t j = 0; j < rows.size(); ++j)
        for (size_t i = 0; i < rows[j].size(); ++i)
            if (rows[j][i] != '.' && rows[j][i] != ' ')
                for (int sy = 0; sy < scale; ++sy)
                    for (int sx = 0; sx < scale; ++sx)
                        m.set(x + static_cast<int>(i) * scale + sx, y + static_cast<int>(j) * scale + sy);
    return m;
}

// ---- fills, shading, outlines ----

void fillMask(Canvas& c, const Mask& m, Color colour) {
    for (int y = 0; y < m.height(); ++y)
        for (int x = 0; x < m.width(); ++x)
            if (m.at(x, y)) c.blend(x, y, colour);
}

void shadeMask(Canvas& c, const Mask& m, const Ramp& ramp, Shading s) {
    int bx0 = m.width(), by0 = m.height(), bx1 = -1, by1 = -1;
    for (int y = 0; y < m.height(); ++y)
        for (int x = 0; x < m.width(); ++x) {
            if (!m.at(x, y)) continue;
            bx0 = std::min(bx0, x), by0 = std::min(by0, y), bx1 = std::max(bx1, x), by1 = std::max(by1, y);
            // Bottom shadow beats top light beats side shadow beats left light: round parts read as lit
            // from the upper left, and thin parts keep one lit row.
            const int ld = s.lightDepth, sd = s.shadowDepth;
            Color tone = ramp.base;
            if (sd > 0 && !m.at(x, y + sd)) tone = ramp.dark;
            else if (ld > 0 && !m.at(x, y - ld)) tone = ramp.light;
            else if (sd > 0 && (!m.at(x + sd, y) || !m.at(x + sd, y + sd))) tone = ramp.dark;
            else if (ld > 0 && (!m.at(x - ld, y) || !m.at(x - ld, y - ld))) tone = ramp.light;
            c.set(x, y, tone);
        }
    if (s.highlight && bx1 >= 0) {
        const int hx = bx0 + (bx1 - bx0 + 1) * 3 / 10, hy = by0 + (by1 - by0 + 1) * 1 / 4;
        for (const auto& [dx, dy] : {std::pair{0, 0}, std::pair{1, 0}, std::pair{0, 1}})
            if (m.at(hx + dx, hy + dy)) c.set(hx + dx, hy + dy, ramp.highlight);
    }
}

void bandedGradient(Canvas& c, const Mask& m, const std::vector<Color>& bands, int y0, int y1) {
    const int n = static_cast<int>(bands.size());
    for (int y = 0; y < m.height(); ++y) {
        const float t = y1 > y0 ? (y - y0) / static_cast<float>(y1 - y0) : 0;
        const Color band = bands[std::clamp(static_cast<int>(t * n), 0, n - 1)];
        for (int x = 0; x < m.width(); ++x)
            if (m.at(x, y)) c.blend(x, y, band);
    }
}

void gradientMask(Canvas& c, const Mask& m, Color top, Color bottom, int y0, int y1) {
    for (int y = 0; y < m.height(); ++y) {
        const float t = y1 > y0 ? std::clamp((y - y0) / static_cast<float>(y1 - y0), 0.0f, 1.0f) : 0;
        const Color colour = mix(top, bottom, t);
        for (int x = 0; x < m.width(); ++x)
            if (m.at(x, y)) c.blend(x, y, colour);
    }
}

void clumpLight(Canvas& c, const Mask& within, Vec centre, float radius, Color colour) {
    Mask crescent = circleMask(within.width(), within.height(), centre, radius - 1);
    crescent.subtract(circleMask(within.width(), within.height(), centre + Vec{radius * 0.22f, radius * 0.28f}, radius * 0.92f));
    crescent.intersect(within);
    fillMask(c, crescent, colour);
}

void outline(Canvas& c, Color fixed, float darkenBy, int threshold) {
    const Canvas before = c;
    auto solid = [&](int x, int y) { return alpha(before.at(x, y)) >= threshold; };
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) {
            if (solid(x, y)) continue;
            constexpr int dx[] = {0, -1, 1, 0}, dy[] = {1, 0, 0, -1};
            for (int k = 0; k < 4; ++k) {
                if (!solid(x + dx[k], y + dy[k])) continue;
                c.set(x, y, fixed ? fixed : withAlpha(darken(before.at(x + dx[k], y + dy[k]), darkenBy), 255));
                break;
            }
        }
}

void innerShadowEdge(Canvas& c, float factor) {
    const Canvas before = c;
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
            if (before.opaqueAt(x, y) && (!before.opaqueAt(x + 1, y) || !before.opaqueAt(x, y + 1)))
                c.set(x, y, darken(before.at(x, y), 1 - factor));
}

void paintPart(Canvas& target, const Mask& m, const Ramp& ramp, Shading s, bool withOutline) {
    Canvas layer(target.width(), target.height());
    shadeMask(layer, m, ramp, s);
    if (withOutline) outline(layer, ramp.outline);
    target.draw(layer, 0, 0);
}

void line(Canvas& c, int x0, int y0, int x1, int y1, Color colour) {
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0), sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        c.blend(x0, y0, colour);
        if (x0 == x1 && y0 == y1) break;
        const int e2 = 2 * err;
        if (e2 >= dy) err += dy, x0 += sx;
        if (e2 <= dx) err += dx, y0 += sy;
    }
}

// ---- sheets ----

Canvas joinFrames(const std::vector<Canvas>& frames) {
    if (frames.empty()) return {};
    Canvas sheet(frames[0].width() * static_cast<int>(frames.size()), frames[0].height());
    for (size_t i = 0; i < frames.size(); ++i) sheet.draw(frames[i], static_cast<int>(i) * frames[0].width(), 0);
    return sheet;
}

Canvas mirrorFrames(const Canvas& sheet, int frameWidth, int frameCount, int axisWidth) {
    std::vector<Canvas> frames;
    for (int i = 0; i < frameCount; ++i)
        frames.push_back(sheet.crop(i * frameWidth, 0, frameWidth, sheet.height()).mirrored(axisWidth));
    return joinFrames(frames);
}

// ---- random ----

std::uint32_t Rng::next() {
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    return static_cast<std::uint32_t>((state_ * 0x2545F4914F6CDD1Dull) >> 32);
}

int Rng::range(int lo, int hi) { return lo + static_cast<int>(next() % static_cast<std::uint32_t>(hi - lo + 1)); }

float Rng::unit() { return (next() >> 8) / 16777216.0f; }

}  // namespace art
