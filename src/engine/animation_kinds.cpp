// What each kind of animation does with its eased progress: a float or colour property of the
// parent, a frame of a sprite sheet on the parent image, a point along a path.
#include <algorithm>
#include <cmath>
#include <numbers>
#include "animation.h"
#include "controls.h"

namespace eng {

// ---- float ----

void FloatAnimation::onStart() {
    if (!startFromCurrent || !parent()) return;
    if (auto current = parent()->floatProperty(propertyName)) startValue = *current;
}

void FloatAnimation::apply(float t) {
    if (parent()) parent()->setFloatProperty(propertyName, startValue + (stopValue - startValue) * t);
}

// ---- colour ----

namespace {

// Channel by channel (alpha, red, green, blue); overshooting curves are held to the channel's range.
AlphaColor lerpColor(AlphaColor from, AlphaColor to, float t) {
    AlphaColor result = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const float a = static_cast<float>((from >> shift) & 0xFF), b = static_cast<float>((to >> shift) & 0xFF);
        const float channel = std::clamp(std::round(a + (b - a) * t), 0.f, 255.f);
        result |= static_cast<AlphaColor>(channel) << shift;
    }
    return result;
}

}  // namespace

void ColorAnimation::apply(float t) {
    if (parent()) parent()->setColorProperty(propertyName, lerpColor(startValue, stopValue, t));
}

// ---- sprite sheet ----

void BitmapListAnimation::apply(float t) {
    auto* image = dynamic_cast<Image*>(parent());
    if (!image || !animationBitmap || animationCount < 1) return;
    const int rows = std::max(animationRowCount, 1);
    const int perRow = (animationCount + rows - 1) / rows;
    const float progress = std::clamp(t, 0.f, 1.f);
    frame_ = std::min(animationCount - 1, static_cast<int>(std::floor(progress * animationCount)));
    const float cellWidth = static_cast<float>(animationBitmap->width()) / perRow;
    const float cellHeight = static_cast<float>(animationBitmap->height()) / rows;
    const float left = static_cast<float>(frame_ % perRow) * cellWidth;
    const float top = static_cast<float>(frame_ / perRow) * cellHeight;
    image->showFrame(animationBitmap, {left, top, left + cellWidth, top + cellHeight});
}

// ---- path ----

void PathAnimation::onStart() {
    if (parent()) origin_ = parent()->position;
}

void PathAnimation::apply(float t) {
    Node* target = parent();
    if (!target || path.empty()) return;
    float total = 0;
    for (size_t i = 1; i < path.size(); ++i)
        total += std::hypot(path[i].x - path[i - 1].x, path[i].y - path[i - 1].y);
    // Walk the segments until the one holding the travelled distance.
    float remaining = std::clamp(t, 0.f, 1.f) * total;
    PointF at = path.front();
    float headingDegrees = target->rotationAngle;
    for (size_t i = 1; i < path.size(); ++i) {
        const PointF a = path[i - 1], b = path[i];
        const float length = std::hypot(b.x - a.x, b.y - a.y);
        if (length <= 0) continue;
        headingDegrees = static_cast<float>(std::atan2(b.y - a.y, b.x - a.x) * 180 / std::numbers::pi);
        const float part = std::min(remaining / length, 1.f);
        at = {a.x + (b.x - a.x) * part, a.y + (b.y - a.y) * part};
        if (remaining <= length) break;
        remaining -= length;
    }
    target->position = {origin_.x + at.x, origin_.y + at.y};
    if (rotate) target->rotationAngle = headingDegrees;
}

}  // namespace eng
