// Zorlin's animations: each sheet is a list of poses built from a small rig (hip, lean, hands, ankles),
// painted by the hero figure; left-facing sheets are mirrors. Also the jump and landing dust.
#include <cmath>
#include <numbers>
#include "catalogue.h"
#include "hero_figure.h"

namespace art {

namespace {

using namespace heroart;
constexpr float pi = std::numbers::pi_v<float>;
constexpr float ground = 43.6f;  // ankle height of a planted foot: the sneaker's outline lands on row 47

// What an animation frame chooses; everything else follows from it.
struct Rig {
    Vec hip{49, 33.5f};
    float lean = 0;       // degrees, positive leans forward (right)
    float headTilt = 0;   // extra head rotation on top of the lean
    float torso = 12.5f, neckToHead = 8.5f;  // squashed when crouching
    Vec handFront{0.5f, 9.3f}, handBack{-0.5f, 9.3f};  // relative to each shoulder
    float elbowFront = 1, elbowBack = 1;               // bend side
    Vec ankleFront{51.5f, ground}, ankleBack{46.0f, ground};
    float kneeFront = -1, kneeBack = -1;
    float footFront = 0, footBack = 0;
    Eyes eyes = Eyes::open;
    Mouth mouth = Mouth::smile;
    bool sword = false;
    float swordAngle = 0;
    Swoosh swoosh;
    View view = View::side;
};

Pose build(const Rig& r) {
    Pose p;
    p.view = r.view;
    p.hip = r.hip;
    p.neck = r.hip + rotated({0.5f, -r.torso}, r.lean);
    p.head = p.neck + rotated({0.5f, -r.neckToHead}, r.lean);
    p.headTilt = r.lean + r.headTilt;
    const bool front = r.view != View::side;  // seen from the front or the back: shoulders apart
    const Vec shoulderF = p.neck + rotated(front ? Vec{5.5f, 2.8f} : Vec{-0.5f, 2.8f}, r.lean);
    const Vec shoulderB = p.neck + rotated(front ? Vec{-5.5f, 2.8f} : Vec{-3.0f, 2.8f}, r.lean);
    p.armFront = limb(shoulderF, shoulderF + r.handFront, 5.0f, 4.6f, r.elbowFront);
    p.armBack = limb(shoulderB, shoulderB + r.handBack, 5.0f, 4.6f, r.elbowBack);
    const float hipSpread = front || r.view == View::back ? 3.0f : 2.0f;
    p.legFront = limb(r.hip + rotated({hipSpread, 0}, r.lean * 0.3f), r.ankleFront, 5.6f, 5.6f, r.kneeFront);
    p.legBack = limb(r.hip + rotated({-hipSpread - 0.5f, 0}, r.lean * 0.3f), r.ankleBack, 5.6f, 5.6f, r.kneeBack);
    p.footAngleFront = r.footFront;
    p.footAngleBack = r.footBack;
    p.eyes = r.eyes;
    p.mouth = r.mouth;
    p.sword = r.sword;
    p.swordAngle = r.swordAngle;
    p.swoosh = r.swoosh;
    return p;
}

Picture sheet(const std::string& name, const std::vector<Rig>& rigs) {
    std::vector<Canvas> frames;
    for (const Rig& r : rigs) frames.push_back(paintHero(build(r)));
    return sheetPicture(name, frames);
}

float phase(int i, int n) { return 2 * pi * i / n; }

std::vector<Rig> idleRigs() {
    std::vector<Rig> rigs;
    for (int i = 0; i < 8; ++i) {
        Rig r;
        const float breath = std::round(0.5f - 0.5f * std::cos(phase(i, 8)));  // 0 or 1 unit down
        r.hip.y += breath * 0.6f;
        r.lean = breath * 1.5f;
        r.handFront = {0.5f, 9.3f - breath * 0.5f};
        r.handBack = {-0.5f, 9.3f - breath * 0.5f};
        if (i == 6) r.eyes = Eyes::closed;
        rigs.push_back(r);
    }
    return rigs;
}

// A gait: stride and lift of the feet, bob of the hip, lean and arm swing.
std::vector<Rig> gaitRigs(float stride, float lift, float bob, float lean, float armSwing, bool running) {
    std::vector<Rig> rigs;
    for (int i = 0; i < 8; ++i) {
        const float a = phase(i, 8);
        Rig r;
        r.lean = lean;
        r.hip = {49.0f, 33.5f - bob * std::abs(std::cos(a)) + (running ? 0.8f : 0)};
        auto foot = [&](float ph) {
            const float x = 49.0f + (running ? 1.5f : 0.5f) + stride * std::sin(ph);
            return Vec{x, ground - lift * std::max(0.0f, std::cos(ph))};
        };
        r.ankleFront = foot(a);
        r.ankleBack = foot(a + pi);
        r.footFront = std::cos(a) > 0 ? -15.0f * std::cos(a) : 0;
        r.footBack = std::cos(a + pi) > 0 ? -15.0f * std::cos(a + pi) : 0;
        if (running) {
            r.handFront = {-armSwing * std::sin(a) + 2.5f, 6.0f};
            r.handBack = {armSwing * std::sin(a) + 1.0f, 6.0f};
            r.elbowFront = r.elbowBack = 1;
            r.eyes = Eyes::focused;
            r.mouth = Mouth::open;
        } else {
            r.handFront = {-armSwing * std::sin(a) + 1.0f, 8.6f};
            r.handBack = {armSwing * std::sin(a) - 0.5f, 8.6f};
        }
        rigs.push_back(r);
    }
    return rigs;
}

std::vector<Rig> jumpRigs(bool falling) {
    std::vector<Rig> rigs;
    for (int i = 0; i < 3; ++i) {
        Rig r;
        if (!falling) {
            const float tuck = static_cast<float>(i);
            r.hip = {49, 31.5f};
            r.lean = 4;
            r.ankleFront = {54.0f + tuck, 40.0f - tuck * 1.5f};
            r.ankleBack = {45.0f, 43.5f - tuck};
            r.footFront = -10;
            r.footBack = 30;
            r.handFront = {8.5f, -5.0f + tuck};  // reaching up ahead of the face
            r.handBack = {-6.0f, -8.0f + tuck};   // thrown up behind the head
            r.elbowFront = -1, r.elbowBack = -1;
            r.mouth = Mouth::open;
        } else {
            const float flail = (i == 1) ? 1.5f : 0.0f;
            r.hip = {49, 32.0f};
            r.lean = -3;
            r.ankleFront = {53.5f, 43.0f};
            r.ankleBack = {45.5f, 42.0f};
            r.footFront = 20, r.footBack = 25;
            r.handFront = {8.5f, -2.0f - flail};
            r.handBack = {-7.0f, -6.0f + flail};
            r.elbowFront = -1, r.elbowBack = 1;
            r.eyes = Eyes::wide;
            r.mouth = Mouth::small;
        }
        rigs.push_back(r);
    }
    return rigs;
}

std::vector<Rig> crouchRigs() {
    std::vector<Rig> rigs;
    for (int i = 0; i < 6; ++i) {
        Rig r;
        const float breath = std::round(0.5f - 0.5f * std::cos(phase(i, 6)));
        // Squatting low: the box top drops to 17, so the cap must stay under row 15.
        r.hip = {46.5f, 42.0f};
        r.torso = 8.0f - breath * 0.5f;
        r.neckToHead = 7.5f;
        r.lean = 25;
        r.headTilt = -25;
        r.ankleFront = {53.0f, ground};
        r.ankleBack = {44.0f, ground};
        r.handFront = {5.0f, 5.0f};
        r.handBack = {4.0f, 5.0f};
        r.elbowFront = 1;
        rigs.push_back(r);
    }
    return rigs;
}

std::vector<Rig> hitRigs() {
    std::vector<Rig> rigs;
    const float recoil[] = {0.6f, 1.0f, 0.7f, 0.3f};
    for (float k : recoil) {
        Rig r;
        r.hip = {48.5f - 1.5f * k, 33.5f};
        r.lean = -14 * k;
        r.headTilt = -6 * k;
        r.ankleFront = {53.0f, ground - 2.5f * k};
        r.ankleBack = {45.0f, ground};
        r.footFront = -20 * k;
        // The body recoils backwards and the arms fly forwards, clear of the face.
        r.handFront = {7.5f, 2.0f - 3.0f * k};
        r.handBack = {5.5f, -1.0f - 3.0f * k};
        r.elbowFront = 1;
        r.eyes = Eyes::hurt;
        r.mouth = Mouth::open;
        rigs.push_back(r);
    }
    return rigs;
}

Rig swordRig(Vec hand, float angle, float lean, float step) {
    Rig r;
    r.sword = true;
    r.swordAngle = angle;
    r.handFront = hand;
    r.elbowFront = hand.y < 0 ? -1 : 1;
    r.lean = lean;
    r.hip.x += step * 0.5f;
    r.ankleFront = {51.5f + step, ground};
    r.ankleBack = {46.0f - step * 0.5f, ground};
    r.handBack = {-4.0f, 6.5f};
    r.eyes = Eyes::focused;
    r.mouth = Mouth::grit;
    return r;
}

Swoosh arc(Vec centre, float radius, float thickness, float from, float to) {
    return {true, centre, radius, thickness, from, to};
}

std::vector<Rig> attack1Rigs() {  // overhead slash
    std::vector<Rig> rigs = {
        swordRig({-3.0f, -7.5f}, -140, -4, 0),
        swordRig({2.0f, -9.0f}, -85, 0, 1),
        swordRig({8.5f, -2.0f}, -15, 8, 3),
        swordRig({8.0f, 4.5f}, 35, 10, 3),
        swordRig({5.0f, 6.5f}, 55, 5, 2),
    };
    rigs[2].swoosh = arc({54, 24}, 27, 6, -110, -5);
    rigs[3].swoosh = arc({54, 24}, 27, 5, -80, 40);
    rigs[2].mouth = rigs[3].mouth = Mouth::open;
    return rigs;
}

std::vector<Rig> attack2Rigs() {  // forward thrust
    std::vector<Rig> rigs = {
        swordRig({-1.0f, 5.0f}, -8, -2, 0),  swordRig({-4.0f, 4.0f}, -5, -5, 0),
        swordRig({9.0f, 3.5f}, 0, 10, 4),    swordRig({10.5f, 3.0f}, 0, 12, 5),
        swordRig({8.0f, 3.5f}, 2, 8, 4),     swordRig({2.0f, 5.0f}, 10, 2, 1),
    };
    rigs[2].swoosh = arc({62, 120}, 93, 3, -93, -79);
    rigs[3].swoosh = arc({62, 120}, 93, 4, -92, -76);
    rigs[3].mouth = Mouth::open;
    return rigs;
}

std::vector<Rig> attackAirRigs() {  // a spinning slash with the knees tucked
    std::vector<Rig> rigs;
    const float angles[] = {-120, -40, 30, 100, 160};
    for (int i = 0; i < 5; ++i) {
        Rig r = swordRig(fromAngle(angles[i], 8.5f), angles[i] + 10, 6, 0);
        r.hip = {49, 31.5f};
        r.ankleFront = {55.0f, 39.5f};
        r.ankleBack = {46.0f, 41.5f};
        r.footFront = -10, r.footBack = 20;
        r.elbowFront = 1;
        if (i >= 1 && i <= 3) r.swoosh = arc({52, 24}, 28, 6, angles[i] - 110, angles[i] + 5);
        rigs.push_back(r);
    }
    return rigs;
}

std::vector<Rig> deathRigs() {
    std::vector<Rig> rigs;
    struct Step {
        float lean, hipX, hipY, legsFlat;
    };
    const Step steps[] = {{-12, 48, 33.5f, 0}, {-35, 46, 35.5f, 0.2f}, {-62, 48, 37, 0.6f},
                          {-88, 53, 36.5f, 1}, {-84, 53, 35.5f, 1}, {-90, 53, 36.5f, 1}};
    for (const Step& s : steps) {
        Rig r;
        r.lean = s.lean;
        r.hip = {s.hipX, s.hipY};
        const Vec flat{s.hipX + 11.0f, s.hipY + 0.5f};
        r.ankleFront = Vec{51.5f, ground} * (1 - s.legsFlat) + flat * s.legsFlat;
        r.ankleBack = Vec{46.0f, ground} * (1 - s.legsFlat) + (flat + Vec{-1, 1.5f}) * s.legsFlat;
        r.footFront = r.footBack = -80 * s.legsFlat;
        r.handFront = rotated({4.0f, -6.0f}, s.lean * 0.5f);
        r.handBack = rotated({-5.0f, -5.0f}, s.lean * 0.5f);
        r.eyes = s.legsFlat >= 1 ? Eyes::closed : Eyes::hurt;
        r.mouth = s.legsFlat >= 1 ? Mouth::small : Mouth::open;
        rigs.push_back(r);
    }
    return rigs;
}

Rig planeJumpRig(View view) {
    Rig r;
    r.view = view;
    r.hip = {49.5f, 32};
    r.handFront = {6.5f, -7.0f};
    r.handBack = {-6.5f, -7.0f};
    r.elbowFront = -1, r.elbowBack = 1;
    r.ankleFront = {53.5f, 40.5f};
    r.ankleBack = {45.5f, 43.0f};
    r.kneeFront = view == View::back ? -1 : 1;
    r.eyes = Eyes::wide;
    r.mouth = Mouth::open;
    return r;
}

// Dust puffs: round clouds that grow, drift outwards and shrink away.
Canvas dustFrame(const std::vector<Vec>& centres, float radius) {
    Canvas c(frameWidth, frameHeight);
    const Ramp dust = {rgb(120, 100, 84), rgb(196, 180, 160), rgb(232, 222, 204), rgb(250, 246, 236), rgb(255, 255, 255)};
    Mask m(frameWidth, frameHeight);
    for (const Vec& v : centres) m.add(circleMask(frameWidth, frameHeight, v, radius));
    if (m.empty()) return c;
    paintPart(c, m, dust, {1, 1});
    return c;
}

Picture dust(const std::string& name, int frames, bool landing) {
    std::vector<Canvas> out;
    for (int i = 0; i < frames; ++i) {
        const float t = (i + 1.0f) / frames;
        const float spread = landing ? 6 + 16 * t : 4 + 8 * t;
        const float rise = landing ? 1.5f * t : 5 * t;
        const float radius = (landing ? 3.2f : 3.0f) * std::sin(pi * std::min(1.0f, t * 0.9f + 0.1f)) + 0.8f;
        const float y = 45.0f - rise;
        std::vector<Vec> puffs = {{49.5f - spread, y}, {49.5f + spread, y}};
        if (landing) puffs.push_back({49.5f - spread * 0.55f, y + 0.5f}), puffs.push_back({49.5f + spread * 0.55f, y + 0.5f});
        else puffs.push_back({49.5f, y + 1.5f - 2 * t});
        out.push_back(dustFrame(puffs, radius));
    }
    return sheetPicture(name, out);
}

}  // namespace

std::vector<Picture> paintHero() {
    const std::vector<std::pair<std::string, Picture>> faced = {
        {"idle", sheet("idle", idleRigs())},
        {"walk", sheet("walk", gaitRigs(5.5f, 2.6f, 0.8f, 3, 3.5f, false))},
        {"run", sheet("run", gaitRigs(8.5f, 4.5f, 1.4f, 12, 5.0f, true))},
        {"jump", sheet("jump", jumpRigs(false))},
        {"jump_fall", sheet("jump_fall", jumpRigs(true))},
        {"hit", sheet("hit", hitRigs())},
        {"crouch", sheet("crouch", crouchRigs())},
        {"attaque1", sheet("attaque1", attack1Rigs())},
        {"attaque2", sheet("attaque2", attack2Rigs())},
        {"attaqueair", sheet("attaqueair", attackAirRigs())},
        {"death", sheet("death", deathRigs())},
    };
    std::vector<Picture> out;
    for (const auto& [name, right] : faced) {
        out.push_back(right);
        out.push_back(mirroredPicture(right, name + "gauche", mirrorAxis));
    }
    out.push_back(sheet("jump_back", {planeJumpRig(View::back)}));
    out.push_back(sheet("jump_front", {planeJumpRig(View::front)}));
    out.push_back(dust("dust_jump", 5, false));
    out.push_back(dust("dust_land", 6, true));
    return out;
}

}  // namespace art
