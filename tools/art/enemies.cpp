// The forest's enemies and hazards: snail, slime, bee, walking mushroom, thorns and the spiky burr, plus the
// forest console (an original grey box with a red button). Right-facing sheets, mirrored for the left.
#include <cmath>
#include <numbers>
#include "catalogue.h"

namespace art {

namespace {

constexpr float pi = std::numbers::pi_v<float>;

void eye(Canvas& c, int x, int y, bool tall = true) {
    for (int j = 0; j < (tall ? 3 : 2); ++j) c.set(x, y + j, rgb(255, 255, 255)), c.set(x + 1, y + j, common::ink);
    c.set(x + 1, y, rgb(255, 255, 255));
}

Canvas snailFrame(int i) {
    const int w = 40, h = 28;
    Canvas c(w, h);
    const float stretch = std::sin(2 * pi * i / 4) * 1.5f;
    const Ramp body = {rgb(70, 62, 40), rgb(168, 170, 110), rgb(206, 210, 142), rgb(232, 236, 180), rgb(250, 252, 220)};
    // Eye stalks behind the head.
    const Vec head{31.5f + stretch, 19.0f};
    const float wobble = std::cos(2 * pi * i / 4) * 1.0f;
    for (float dx : {-1.5f, 1.5f}) {
        const Vec tip = head + Vec{dx + 1.5f + wobble, -9.0f};
        paintPart(c, capsuleMask(w, h, head + Vec{dx, -2}, tip, 0.9f), body, {1, 0});
        paintPart(c, circleMask(w, h, tip, 1.9f), {body.outline, rgb(220, 220, 220), rgb(255, 255, 255), rgb(255, 255, 255), rgb(255, 255, 255)}, {0, 1});
        c.set(static_cast<int>(tip.x + 0.6f), static_cast<int>(tip.y), common::ink);
    }
    Mask slug = capsuleMask(w, h, {5.0f, 22.6f}, {30.0f + stretch, 22.6f}, 3.4f);
    slug.add(circleMask(w, h, head, 4.6f));
    paintPart(c, slug, body, {1, 2});
    c.set(static_cast<int>(head.x + 2), static_cast<int>(head.y + 2), body.outline);  // smile
    c.set(static_cast<int>(head.x + 3), static_cast<int>(head.y + 1), body.outline);
    // The shell: a round spiral, lit from the upper left.
    const Ramp shell = {rgb(64, 28, 16), rgb(168, 84, 36), rgb(214, 124, 52), rgb(240, 170, 86), rgb(255, 226, 160)};
    const Vec centre{15.0f - stretch * 0.3f, 13.5f};
    paintPart(c, circleMask(w, h, centre, 9.6f), shell, {1, 2, true});
    fillMask(c, ringMask(w, h, centre + Vec{0.8f, 0.8f}, 5.6f, 6.6f, -200, 60), shell.dark);
    fillMask(c, ringMask(w, h, centre + Vec{1.6f, 0.2f}, 2.3f, 3.3f, 60, 330), shell.dark);
    return c;
}

Canvas slimeFrame(int i) {
    const int w = 32, h = 24;
    Canvas c(w, h);
    const float squash[] = {0, -2.5f, 2.0f, 0.5f};  // negative squashes, positive stretches up
    const float ry = 7.5f + squash[i], rx = 12.0f - squash[i] * 0.7f;
    const Ramp jelly = {rgb(16, 70, 40), rgb(54, 160, 70), rgb(110, 210, 90), rgb(170, 240, 140), rgb(235, 255, 220)};
    Mask blob = ellipseMask(w, h, {15.5f, 22.5f}, rx, ry * 2 - 1);
    blob.subtract(rectMask(w, h, 0, 23, w, 1));
    paintPart(c, blob, jelly, {1, 2, true});
    const int top = static_cast<int>(23 - (ry * 2 - 1));
    const int ey = std::max(top + 5, 12);
    eye(c, 18, ey), eye(c, 23, ey);
    c.set(20, ey + 4, jelly.outline), c.set(21, ey + 5, jelly.outline), c.set(22, ey + 5, jelly.outline),
        c.set(23, ey + 4, jelly.outline);
    return c;
}

Canvas beeFrame(int i) {
    const int w = 32, h = 32;
    Canvas c(w, h);
    const float bob = (i % 2) ? 1.0f : 0.0f;
    const Ramp wing = {rgb(90, 120, 160), rgb(180, 214, 240), rgb(220, 240, 255), rgb(245, 252, 255), rgb(255, 255, 255)};
    const float flap = (i % 2) ? 25.0f : -30.0f;
    Canvas wings(w, h);
    shadeMask(wings, ellipseMask(w, h, Vec{13, 9 + bob} + fromAngle(flap - 90, 2), 4.5f, 7.0f, flap - 20), wing, {1, 1});
    outline(wings, wing.outline);
    c.draw(wings.withOpacity(0.85f), 0, 0);
    // Striped body: yellow with dark bands, a stinger behind.
    paintPart(c, polygonMask(w, h, {{3, 17 + bob}, {8, 15 + bob}, {8, 20 + bob}}), common::metal, {0, 1});
    Mask body = ellipseMask(w, h, {14, 18 + bob}, 8.5f, 6.5f);
    Canvas layer(w, h);
    shadeMask(layer, body, common::gold, {1, 2, true});
    for (float x : {9.5f, 14.5f}) {
        Mask stripe = rectMask(w, h, x, 0, 2.5f, h);
        stripe.intersect(body);
        fillMask(layer, stripe, rgb(50, 36, 30));
    }
    outline(layer, common::gold.outline);
    c.draw(layer, 0, 0);
    paintPart(c, circleMask(w, h, {23.5f, 16 + bob}, 5.0f), {rgb(20, 16, 30), rgb(40, 32, 48), rgb(64, 54, 70), rgb(100, 90, 110), rgb(160, 150, 170)}, {1, 1});
    eye(c, 24, static_cast<int>(14 + bob));
    line(c, 24, static_cast<int>(11 + bob), 27, static_cast<int>(6 + bob), common::ink);
    c.set(28, static_cast<int>(5 + bob), common::ink), c.set(28, static_cast<int>(6 + bob), common::ink);
    // Front wing over the body.
    Canvas front(w, h);
    shadeMask(front, ellipseMask(w, h, Vec{16, 9 + bob} + fromAngle(flap - 90, 2), 4.0f, 6.5f, flap + 10), wing, {1, 1});
    outline(front, wing.outline);
    c.draw(front.withOpacity(0.8f), 0, 0);
    return c;
}

Canvas mushroomFrame(int i) {
    const int w = 32, h = 40;
    Canvas c(w, h);
    const float bob = (i % 2) ? 1.0f : 0.0f;
    const float step = std::sin(2 * pi * i / 4) * 2.5f;
    // Feet stepping, then the stem with its face, then the spotted cap.
    paintPart(c, ellipseMask(w, h, {13 - step, 36.5f}, 3.5f, 2.2f), forest::bark, {1, 1});
    paintPart(c, ellipseMask(w, h, {19 + step, 36.5f}, 3.5f, 2.2f), forest::bark, {1, 1});
    paintPart(c, roundRectMask(w, h, 8, 16 + bob, 16, 19 - bob, 5), forest::cream, {1, 2});
    const int ey = static_cast<int>(22 + bob);
    eye(c, 16, ey), eye(c, 21, ey);
    line(c, 15, ey - 2, 17, ey - 1, common::ink), line(c, 23, ey - 2, 21, ey - 1, common::ink);  // cross brows
    line(c, 17, ey + 5, 21, ey + 5, forest::cream.outline);
    Mask cap = ellipseMask(w, h, {16, 15 + bob}, 14.5f, 11.0f);
    cap.subtract(rectMask(w, h, 0, 17 + bob, w, h));
    Canvas capLayer(w, h);
    shadeMask(capLayer, cap, forest::mushroomCap, {1, 2, true});
    for (const Vec& spot : {Vec{9, 10}, Vec{17, 6}, Vec{24, 11}, Vec{15, 13}}) {
        Mask m = circleMask(w, h, spot + Vec{0, bob}, spot.y < 8 ? 2.6f : 2.0f);
        m.intersect(cap);
        fillMask(capLayer, m, rgb(255, 248, 236));
    }
    outline(capLayer, forest::mushroomCap.outline);
    c.draw(capLayer, 0, 0);
    return c;
}

Canvas thorns() {
    const int w = 64, h = 24;
    Canvas c(w, h);
    const Ramp vine = {rgb(20, 30, 16), rgb(46, 74, 30), rgb(70, 104, 40), rgb(104, 140, 56), rgb(150, 180, 90)};
    const Ramp spike = {rgb(40, 12, 16), rgb(120, 44, 40), rgb(176, 80, 60), rgb(226, 150, 120), rgb(255, 226, 200)};
    Rng rng(41);
    Mask spikes(w, h);
    for (int x = 4; x < w - 3; x += 7) {
        const float tall = 10.0f + rng.range(0, 6), lean = static_cast<float>(rng.range(-3, 3));
        spikes.add(polygonMask(w, h, {{x - 3.0f, 20}, {x + lean, 20 - tall}, {x + 3.0f, 20}}));
    }
    paintPart(c, spikes, spike, {1, 1});
    // Two bramble stems twisting around each other, with small barbs.
    Mask vines(w, h);
    for (int k = 0; k < 2; ++k)
        for (int x = 0; x < w; x += 2) {
            const float a = (x + k * 10) * 2 * 3.14159f / 32;
            vines.add(capsuleMask(w, h, {x * 1.0f, 19.0f + 2.5f * std::sin(a)},
                                  {x + 2.0f, 19.0f + 2.5f * std::sin(a + 2 * 3.14159f / 16)}, 1.2f));
        }
    Mask barbs(w, h);
    for (int x = 2; x < w - 2; x += 5)
        barbs.add(polygonMask(w, h, {{x - 1.0f, 18}, {x + 1.5f, 13.5f + (x % 3)}, {x + 1.5f, 18}}));
    paintPart(c, barbs, spike, {0, 1});
    paintPart(c, vines, vine, {1, 1});
    return c;
}

Canvas burrFrame(int i) {
    const int w = 24, h = 24;
    Canvas c(w, h);
    const Vec centre{12, 12};
    Mask spikes(w, h);
    for (int k = 0; k < 10; ++k) {
        const float a = k * 36.0f + i * 9.0f;
        spikes.add(polygonMask(w, h, {centre + fromAngle(a - 14, 6), centre + fromAngle(a, 11.2f),
                                      centre + fromAngle(a + 14, 6)}));
    }
    paintPart(c, spikes, {rgb(40, 50, 20), rgb(110, 140, 50), rgb(150, 180, 70), rgb(190, 214, 110), rgb(230, 240, 170)}, {1, 1});
    paintPart(c, circleMask(w, h, centre, 6.8f), {rgb(30, 40, 16), rgb(90, 124, 40), rgb(126, 164, 56), rgb(168, 200, 90), rgb(220, 236, 160)}, {1, 2, true});
    // Angry eyes that keep level while the burr turns.
    c.set(9, 11, rgb(255, 255, 255)), c.set(10, 11, common::ink), c.set(14, 11, rgb(255, 255, 255)), c.set(15, 11, common::ink);
    c.set(9, 10, common::ink), c.set(15, 10, common::ink);
    return c;
}

// The forest console at any size: a grey box, a cartridge in its slot and a round red button.
Canvas consoleArt(int w, int h, int blink) {
    Canvas c(w, h);
    const float u = w / 40.0f;  // drawn for 40 × 32 and scaled by u
    paintPart(c, roundRectMask(w, h, 9 * u, 2 * u, 16 * u, 10 * u, 1.5f * u), {rgb(30, 30, 40), rgb(60, 60, 74), rgb(84, 84, 100), rgb(120, 120, 136), rgb(170, 170, 190)}, {1, 1});
    paintPart(c, rectMask(w, h, 11 * u, 4 * u, 12 * u, 5 * u), common::gold, {0, 1});
    Mask box = roundRectMask(w, h, 2 * u, 9 * u, 36 * u, 21 * u, 3 * u);
    paintPart(c, box, common::consoleGrey, {static_cast<int>(u), static_cast<int>(2 * u)});
    fillMask(c, rectMask(w, h, 4 * u, 13 * u, 32 * u, 2 * u), common::consoleGrey.dark);
    fillMask(c, rectMask(w, h, 5 * u, 20 * u, 12 * u, 6 * u), rgb(64, 66, 78));  // vents
    for (int k = 0; k < 3; ++k) fillMask(c, rectMask(w, h, 6 * u, (21 + 2 * k) * u, 10 * u, u), common::consoleGrey.base);
    const Ramp button = blink == 2 ? Ramp{common::button.outline, common::button.base, common::button.light,
                                          common::button.highlight, rgb(255, 255, 255)}
                                   : common::button;
    paintPart(c, circleMask(w, h, {29 * u, 22 * u}, 4.2f * u), button, {static_cast<int>(u), static_cast<int>(u), true});
    if (blink == 1 || blink == 2) {  // a glint sweeping over the top corner
        const int gx = static_cast<int>((blink == 1 ? 8 : 30) * u), gy = static_cast<int>(10 * u);
        fillMask(c, polygonMask(w, h, {{gx - 2 * u, gy * 1.0f}, {gx * 1.0f, gy - 2 * u}, {gx + 2 * u, gy * 1.0f}, {gx * 1.0f, gy + 2 * u}}), rgb(255, 255, 255));
    }
    return c;
}

Picture sheetOf(const std::string& name, int frames, Canvas (*frame)(int)) {
    std::vector<Canvas> out;
    for (int i = 0; i < frames; ++i) out.push_back(frame(i));
    return sheetPicture(name, out);
}

}  // namespace

std::vector<Picture> paintEnemies() {
    std::vector<Picture> out;
    const std::vector<Picture> faced = {sheetOf("snail", 4, snailFrame), sheetOf("slime", 4, slimeFrame),
                                        sheetOf("bee", 4, beeFrame), sheetOf("mushroom", 4, mushroomFrame)};
    for (const Picture& right : faced) {
        out.push_back(right);
        out.push_back(mirroredPicture(right, right.name + "gauche", right.frameWidth));
    }
    out.push_back(stillPicture("thorns", thorns()));
    out.push_back(sheetOf("burr", 4, burrFrame));
    out.push_back(sheetOf("console_foret", 4, [](int i) { return consoleArt(40, 32, i); }));
    out.push_back(stillPicture("nesbonus", consoleArt(96, 72, 0).crop(0, 0, 96, 72)));
    return out;
}

}  // namespace art
