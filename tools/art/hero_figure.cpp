// Paints Zorlin from his parts: limbs as capsules, a shirt with a pixel heart, a big head under a red cap,
// expressive eyes, white sneakers and the sword with its swoosh. Back parts are dimmed for depth.
#include "hero_figure.h"
#include <cmath>
#include <numbers>

namespace art::heroart {

namespace {

constexpr int W = frameWidth, H = frameHeight;
constexpr float thigh = 5.6f, shin = 5.6f, upperArm = 5.0f, forearm = 4.6f;

Ramp dimmed(const Ramp& r) {
    return {r.outline, darken(r.dark, 0.15f), darken(r.base, 0.18f), darken(r.light, 0.18f), darken(r.highlight, 0.2f)};
}

float length(Vec v) { return std::hypot(v.x, v.y); }
Vec unit(Vec v) {
    const float l = length(v);
    return l > 0 ? v * (1 / l) : Vec{1, 0};
}
float angleOf(Vec v) { return std::atan2(v.y, v.x) * 180 / std::numbers::pi_v<float>; }

// Half-plane beyond the line through `at` perpendicular to `direction`, as a mask.
Mask beyond(Vec at, Vec direction) {
    const Vec d = unit(direction) * 200, side = rotated(unit(direction), 90) * 200;
    return polygonMask(W, H, {at + side, at + side + d, at - side + d, at - side});
}

void paintArm(Canvas& c, const Limb& arm, bool back) {
    const Ramp skin = back ? dimmed(hero::skin) : hero::skin, shirt = back ? dimmed(hero::shirt) : hero::shirt;
    Mask skinMask = capsuleMask(W, H, arm.root, arm.joint, 1.5f);
    skinMask.add(capsuleMask(W, H, arm.joint, arm.end, 1.4f));
    skinMask.add(circleMask(W, H, arm.end, 2.1f));
    paintPart(c, skinMask, skin, {1, 1});
    const Vec sleeveEnd = arm.root + (arm.joint - arm.root) * 0.55f;
    paintPart(c, taperMask(W, H, arm.root, sleeveEnd, 2.9f, 2.4f), shirt, {1, 1});
}

void paintLeg(Canvas& c, const Limb& leg, float footAngle, bool back) {
    const Ramp trousers = back ? dimmed(hero::trousers) : hero::trousers;
    const Ramp shoe = back ? dimmed(hero::shoe) : hero::shoe;
    Mask legMask = capsuleMask(W, H, leg.root, leg.joint, 2.7f);
    legMask.add(taperMask(W, H, leg.joint, leg.end, 2.6f, 2.4f));
    paintPart(c, legMask, trousers, {1, 1});
    // Sneaker: a rounded toe ahead of the ankle, a red sole stripe under it.
    const Vec toe = leg.end + rotated({2.2f, 1.0f}, footAngle);
    Mask shoeMask = ellipseMask(W, H, toe, 4.1f, 2.3f, footAngle);
    shoeMask.add(circleMask(W, H, leg.end + rotated({-0.8f, 0.6f}, footAngle), 2.2f));
    Canvas layer(W, H);
    shadeMask(layer, shoeMask, shoe, {1, 1});
    Mask sole = shoeMask;
    sole.intersect(beyond(toe + rotated({0, 1.3f}, footAngle), rotated({0, 1}, footAngle)));
    fillMask(layer, sole, back ? dimmed(hero::sole).base : hero::sole.base);
    outline(layer, hero::shoe.outline);
    c.draw(layer, 0, 0);
}

void paintHeartStamp(Canvas& c, int x, int y) {
    fillMask(c, pixelMask(W, H, x, y, {"XX.XX", "XXXXX", ".XXX.", "..X.."}), hero::heart);
    c.set(x, y, lighten(hero::heart, 0.5f));
}

void paintTorso(Canvas& c, const Pose& p) {
    const Vec axis = unit(p.hip - p.neck);
    Mask trousers = capsuleMask(W, H, p.hip - axis * 1.0f, p.hip + axis * 0.5f, 6.0f);
    paintPart(c, trousers, hero::trousers, {1, 1});
    Mask shirt = taperMask(W, H, p.neck + axis * 2.5f, p.hip - axis * 2.0f, 5.6f, 6.4f);
    shirt.subtract(beyond(p.hip + axis * 0.5f, axis));
    paintPart(c, shirt, hero::shirt, {1, 2});
    if (p.view == View::back) return;
    const Vec chest = p.neck + axis * 4.5f + (p.view == View::front ? Vec{-2, 0} : Vec{2.0f, 0});
    paintHeartStamp(c, static_cast<int>(std::floor(chest.x)), static_cast<int>(std::floor(chest.y)));
}

// Where a point of the head lies, with the head's tilt applied.
struct HeadFrame {
    Vec centre;
    float tilt;
    Vec at(float dx, float dy) const { return centre + rotated({dx, dy}, tilt); }
};

void paintEye(Canvas& c, int x, int y, int width, Eyes eyes, bool lookRight) {
    const Color ink = hero::pupil;
    switch (eyes) {
    case Eyes::closed:
        for (int i = 0; i < width + 1; ++i) c.set(x + i, y + (i == 0 || i == width ? 2 : 3), ink);
        return;
    case Eyes::hurt:
        for (int i = 0; i < 3; ++i) c.set(x + i, y + 1 + i, ink), c.set(x + 2 - i, y + 1 + i, ink);
        return;
    default:
        break;
    }
    for (int j = 0; j < 5; ++j)
        for (int i = 0; i < width; ++i) c.set(x + i, y + j, hero::eyeWhite);
    const int pupilWidth = eyes == Eyes::wide ? 1 : std::min(2, width);
    const int px = lookRight ? x + width - pupilWidth : x;
    const int pTop = eyes == Eyes::wide ? y + 2 : y + 1;
    const int pHeight = eyes == Eyes::wide ? 2 : 4;
    for (int j = 0; j < pHeight; ++j)
        for (int i = 0; i < pupilWidth; ++i) c.set(px + i, pTop + j, ink);
    if (eyes != Eyes::wide && pupilWidth == 2) c.set(px, pTop, hero::eyeWhite);
    // Upper lash: a dark line over the eye, slanted down towards the nose when focused.
    for (int i = -1; i <= width; ++i) c.set(x + i, y - 1 + (eyes == Eyes::focused && i >= width - 1 ? 1 : 0), ink);
}

void paintMouth(Canvas& c, int x, int y, Mouth mouth) {
    const Color m = hero::mouth;
    switch (mouth) {
    case Mouth::smile:
        c.set(x, y, m), c.set(x + 1, y + 1, m), c.set(x + 2, y + 1, m), c.set(x + 3, y, m);
        break;
    case Mouth::open:
        for (int j = 0; j < 3; ++j)
            for (int i = 0; i < 3; ++i) c.set(x + i, y + j, j == 2 && i > 0 ? rgb(236, 110, 120) : m);
        break;
    case Mouth::grit:
        for (int i = 0; i < 4; ++i) c.set(x + i, y, m), c.set(x + i, y + 1, rgb(255, 255, 255)), c.set(x + i, y + 2, m);
        break;
    case Mouth::small:
        c.set(x + 1, y, m), c.set(x + 2, y, m);
        break;
    }
}

Mask capDome(const HeadFrame& h) {
    Mask dome = ellipseMask(W, H, h.at(-0.5f, -4.2f), 10.2f, 7.6f, h.tilt);
    dome.subtract(beyond(h.at(0, -2.3f), rotated({0, 1}, h.tilt)));
    return dome;
}

void paintCapEmblem(Canvas& c, Vec at) {
    fillMask(c, circleMask(W, H, at, 1.9f), rgb(255, 255, 255));
    c.set(static_cast<int>(at.x), static_cast<int>(at.y), hero::cap.base);
}

void paintSideHead(Canvas& c, const Pose& p) {
    const HeadFrame h{p.head, p.headTilt};
    Mask tufts = polygonMask(W, H, {h.at(-7, -3), h.at(-12.5f, 0), h.at(-8.5f, 2.5f)});
    tufts.add(polygonMask(W, H, {h.at(-8.5f, 2), h.at(-11.5f, 6), h.at(-5, 6)}));
    paintPart(c, tufts, hero::hair, {1, 1});

    Mask skull = ellipseMask(W, H, h.at(0, 0), 9.0f, 8.4f, h.tilt);
    skull.add(circleMask(W, H, h.at(8.9f, 2.0f), 1.7f));  // nose
    paintPart(c, skull, hero::skin, {1, 2});
    // The back of the head is hair down to the nape; the face is the front half.
    Mask hair = ellipseMask(W, H, h.at(0, 0), 9.0f, 8.4f, h.tilt);
    hair.subtract(beyond(h.at(-2.5f, 0), rotated({1, 0}, h.tilt)));
    hair.subtract(beyond(h.at(0, 6.0f), rotated({0.35f, 1}, h.tilt)));
    Canvas hairLayer(W, H);
    shadeMask(hairLayer, hair, hero::hair, {1, 1});
    c.draw(hairLayer, 0, 0);
    paintPart(c, circleMask(W, H, h.at(-3.2f, 2.2f), 2.1f), hero::skin, {1, 1});  // ear
    c.set(static_cast<int>(h.at(-3.2f, 2.2f).x), static_cast<int>(h.at(-3.2f, 2.2f).y), hero::skin.dark);
    // Blush under the eyes.
    c.set(static_cast<int>(h.at(3.2f, 5.0f).x), static_cast<int>(h.at(3.2f, 5.0f).y), rgb(246, 150, 130));

    const Vec eyeNear = h.at(1.6f, -1.6f), eyeFar = h.at(6.4f, -1.6f);
    paintEye(c, static_cast<int>(eyeNear.x), static_cast<int>(eyeNear.y), 3, p.eyes, true);
    paintEye(c, static_cast<int>(eyeFar.x), static_cast<int>(eyeFar.y), 2, p.eyes, true);
    const Vec mouth = h.at(4.6f, 4.6f);
    paintMouth(c, static_cast<int>(mouth.x), static_cast<int>(mouth.y), p.mouth);

    paintPart(c, capDome(h), hero::cap, {1, 2});
    paintCapEmblem(c, h.at(1.5f, -6.5f));
    Mask brim = taperMask(W, H, h.at(3.0f, -2.9f), h.at(13.8f, -2.2f), 1.7f, 1.1f);
    paintPart(c, brim, hero::cap, {1, 1});
}

void paintBackHead(Canvas& c, const Pose& p) {
    const HeadFrame h{p.head, p.headTilt};
    paintPart(c, circleMask(W, H, h.at(-9, 1.5f), 2.1f), hero::skin, {1, 1});
    paintPart(c, circleMask(W, H, h.at(9, 1.5f), 2.1f), hero::skin, {1, 1});
    Mask hair = ellipseMask(W, H, h.at(0, 0.5f), 9.0f, 8.6f, h.tilt);
    hair.add(polygonMask(W, H, {h.at(-5, 5), h.at(-3, 10), h.at(0, 6)}));
    hair.add(polygonMask(W, H, {h.at(0, 6), h.at(3, 10), h.at(5, 5)}));
    paintPart(c, hair, hero::hair, {1, 2});
    paintPart(c, capDome(h), hero::cap, {1, 2});
    // The strap opening at the back of the cap.
    Mask strap = ellipseMask(W, H, h.at(0, -2.6f), 3.0f, 2.0f, h.tilt);
    strap.intersect(capDome(h));
    fillMask(c, strap, hero::hair.dark);
}

void paintFrontHead(Canvas& c, const Pose& p) {
    const HeadFrame h{p.head, p.headTilt};
    paintPart(c, circleMask(W, H, h.at(-9, 1.5f), 2.1f), hero::skin, {1, 1});
    paintPart(c, circleMask(W, H, h.at(9, 1.5f), 2.1f), hero::skin, {1, 1});
    paintPart(c, ellipseMask(W, H, h.at(0, 0), 9.0f, 8.4f, h.tilt), hero::skin, {1, 2});
    const Vec left = h.at(-4.5f, -1.6f), right = h.at(2.5f, -1.6f);
    paintEye(c, static_cast<int>(left.x), static_cast<int>(left.y), 3, p.eyes, true);
    paintEye(c, static_cast<int>(right.x), static_cast<int>(right.y), 3, p.eyes, false);
    const Vec mouth = h.at(-1.5f, 4.6f);
    paintMouth(c, static_cast<int>(mouth.x), static_cast<int>(mouth.y), p.mouth);
    paintPart(c, capDome(h), hero::cap, {1, 2});
    paintCapEmblem(c, h.at(0, -6.5f));
    paintPart(c, ellipseMask(W, H, h.at(0, -2.4f), 11.0f, 1.9f, h.tilt), hero::cap, {1, 1});
}

void paintSword(Canvas& c, Vec hand, float angle) {
    const Vec d = fromAngle(angle, 1), across = rotated(d, 90);
    paintPart(c, taperMask(W, H, hand + d * 3.6f, hand + d * 24.0f, 1.7f, 0.7f), hero::blade, {1, 1});
    paintPart(c, capsuleMask(W, H, hand - d * 3.0f, hand + d * 2.0f, 1.1f), hero::hilt, {1, 1});
    paintPart(c, capsuleMask(W, H, hand + d * 2.8f - across * 3.4f, hand + d * 2.8f + across * 3.4f, 1.1f),
              hero::guard, {1, 1});
}

// A crescent that thickens from fromDeg (its tail) to toDeg (the blade's edge); negative spans swing backwards.
void paintSwoosh(Canvas& c, const Swoosh& s) {
    Canvas layer(W, H);
    const float span = s.toDeg - s.fromDeg;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const Vec rel{x + 0.5f - s.centre.x, y + 0.5f - s.centre.y};
            const float d = length(rel);
            if (d > s.radius || d < s.radius - s.thickness - 1) continue;
            float a = angleOf(rel) - s.fromDeg;
            while (span >= 0 ? a < 0 : a > 0) a += span >= 0 ? 360 : -360;
            while (span >= 0 ? a >= 360 : a <= -360) a -= span >= 0 ? 360 : -360;
            const float u = a / span;
            if (u < 0 || u > 1) continue;
            const float band = s.thickness * std::pow(u, 0.6f);
            if (d < s.radius - band) continue;
            layer.set(x, y, d > s.radius - 1.5f ? rgb(255, 255, 255, 235) : rgb(170, 220, 255, 170));
        }
    c.draw(layer, 0, 0);
}

}  // namespace

Vec bendJoint(Vec root, Vec end, float first, float second, float bendSign) {
    const Vec toEnd = end - root;
    const float reach = std::clamp(length(toEnd), 0.01f, first + second - 0.01f);
    const float cosA = (first * first + reach * reach - second * second) / (2 * first * reach);
    const float a = std::acos(std::clamp(cosA, -1.0f, 1.0f)) * 180 / std::numbers::pi_v<float>;
    return root + fromAngle(angleOf(toEnd) + bendSign * a, first);
}

Limb limb(Vec root, Vec end, float first, float second, float bendSign) {
    return {root, bendJoint(root, end, first, second, bendSign), end};
}

Pose standingPose() {
    Pose p;
    const Vec shoulderF = p.neck + Vec{1.0f, 2.8f}, shoulderB = p.neck + Vec{-3.0f, 2.8f};
    p.armFront = limb(shoulderF, shoulderF + Vec{1.5f, 8.8f}, upperArm, forearm, 1);
    p.armBack = limb(shoulderB, shoulderB + Vec{-1.0f, 8.8f}, upperArm, forearm, 1);
    p.legFront = limb(p.hip + Vec{2.0f, 0}, {p.hip.x + 2.5f, 43.2f}, thigh, shin, -1);
    p.legBack = limb(p.hip + Vec{-2.5f, 0}, {p.hip.x - 3.0f, 43.2f}, thigh, shin, -1);
    return p;
}

Pose shifted(Pose p, Vec by) {
    for (Vec* v : {&p.head, &p.neck, &p.hip, &p.armFront.root, &p.armFront.joint, &p.armFront.end, &p.armBack.root,
                   &p.armBack.joint, &p.armBack.end, &p.legFront.root, &p.legFront.joint, &p.legFront.end,
                   &p.legBack.root, &p.legBack.joint, &p.legBack.end, &p.swoosh.centre})
        *v = *v + by;
    return p;
}

Canvas paintHero(const Pose& p) {
    Canvas c(W, H);
    const bool back = p.view == View::back;
    // From the back the sword arm is the far one; from the side and the front the back arm is behind the body.
    if (!back) paintArm(c, p.armBack, true);
    paintLeg(c, p.legBack, p.footAngleBack, p.view == View::side);
    paintLeg(c, p.legFront, p.footAngleFront, false);
    paintTorso(c, p);
    if (back) {
        paintArm(c, p.armBack, false);
        paintArm(c, p.armFront, false);
        paintBackHead(c, p);
        return c;
    }
    if (p.view == View::front) paintFrontHead(c, p);
    else paintSideHead(c, p);
    if (p.sword) paintSword(c, p.armFront.end, p.swordAngle);
    paintArm(c, p.armFront, false);
    if (p.swoosh.on) paintSwoosh(c, p.swoosh);
    return c;
}

}  // namespace art::heroart
