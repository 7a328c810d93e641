// 2D affine transforms for drawing: a node's own transform and their composition down the tree.
// Same convention as Node::localToParent: scale, then rotate about the centre, then move.
#pragma once
#include <algorithm>
#include <cmath>
#include <numbers>
#include "geometry.h"
#include "node.h"

namespace eng {

// x' = a x + c y + tx ;  y' = b x + d y + ty
struct Affine {
    float a = 1, b = 0, c = 0, d = 1, tx = 0, ty = 0;

    PointF apply(PointF p) const { return {a * p.x + c * p.y + tx, b * p.x + d * p.y + ty}; }
    // The transform that applies `inner` first, then this one.
    Affine operator*(const Affine& inner) const {
        return {a * inner.a + c * inner.b, b * inner.a + d * inner.b, a * inner.c + c * inner.d,
                b * inner.c + d * inner.d, a * inner.tx + c * inner.ty + tx, b * inner.tx + d * inner.ty + ty};
    }
    bool axisAligned() const { return std::fabs(b) < 1e-6f && std::fabs(c) < 1e-6f; }
    // How many output pixels one unit covers (the geometric mean of both axes).
    float pixelsPerUnit() const { return std::sqrt(std::fabs(a * d - b * c)); }
    bool invertible() const { return std::fabs(a * d - b * c) > 1e-12f; }
    Affine inverse() const {
        const float det = a * d - b * c;
        const float ia = d / det, ib = -b / det, ic = -c / det, id = a / det;
        return {ia, ib, ic, id, -(ia * tx + ic * ty), -(ib * tx + id * ty)};
    }
    static Affine translation(float x, float y) { return {1, 0, 0, 1, x, y}; }
};

inline Affine localTransform(const Node& n) {
    if (n.rotationAngle == 0) return {n.scale.x, 0, 0, n.scale.y, n.position.x, n.position.y};
    const double radians = n.rotationAngle * std::numbers::pi / 180.0;
    const float cosA = static_cast<float>(std::cos(radians)), sinA = static_cast<float>(std::sin(radians));
    const float cx = n.rotationCenter.x * n.width * n.scale.x, cy = n.rotationCenter.y * n.height * n.scale.y;
    return {cosA * n.scale.x, sinA * n.scale.x, -sinA * n.scale.y, cosA * n.scale.y,
            n.position.x + cx - (cosA * cx - sinA * cy), n.position.y + cy - (sinA * cx + cosA * cy)};
}

// The axis-aligned box holding a transformed rectangle.
inline RectF transformedBounds(const Affine& m, const RectF& r) {
    const PointF p[4] = {m.apply({r.left, r.top}), m.apply({r.right, r.top}), m.apply({r.right, r.bottom}),
                         m.apply({r.left, r.bottom})};
    RectF out{p[0].x, p[0].y, p[0].x, p[0].y};
    for (const PointF& q : p) {
        out.left = std::min(out.left, q.x);
        out.top = std::min(out.top, q.y);
        out.right = std::max(out.right, q.x);
        out.bottom = std::max(out.bottom, q.y);
    }
    return out;
}

inline RectF intersection(const RectF& x, const RectF& y) {
    return {std::max(x.left, y.left), std::max(x.top, y.top), std::min(x.right, y.right), std::min(x.bottom, y.bottom)};
}

}  // namespace eng
