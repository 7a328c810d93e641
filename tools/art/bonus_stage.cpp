// The bonus stage: Zorlin in his little flying machine (propeller turning), the five clouds to dodge, and
// the "Ready" and "Go" titles (painted at half size and doubled, like every window picture).
#include <algorithm>
#include <cmath>
#include "catalogue.h"
#include "hero_figure.h"
#include "pixel_font.h"

namespace art {

namespace {

Canvas flyingMachine(int frame) {
    const int w = 61, h = 50;
    Canvas c(w, h);
    // The pilot: Zorlin's figure, hands forward on the stick, placed so his head sits in the cockpit.
    heroart::Pose pilot = heroart::standingPose();
    pilot.armFront = heroart::limb(pilot.armFront.root, pilot.armFront.root + Vec{7.5f, 4.0f}, 5.0f, 4.6f, 1);
    pilot.mouth = heroart::Mouth::open;
    // Only his upper body shows above the pod's rim.
    c.draw(heroart::paintHero(pilot).crop(0, 0, heroart::frameWidth, 30), -22, 5 + (frame % 2));
    // Tail fin and the pod.
    paintPart(c, polygonMask(w, h, {{5, 30}, {9, 17}, {15, 17}, {17, 32}}), hero::cap, {1, 1});
    Mask pod = ellipseMask(w, h, {29, 36}, 25, 10);
    pod.add(roundRectMask(w, h, 8, 30, 40, 14, 6));
    Canvas body(w, h);
    shadeMask(body, pod, common::consoleGrey, {1, 3});
    Mask stripe = rectMask(w, h, 0, 35, w, 3);
    stripe.intersect(pod);
    fillMask(body, stripe, hero::cap.base);
    outline(body, common::consoleGrey.outline);
    c.draw(body, 0, 0);
    paintPart(c, circleMask(w, h, {22, 41}, 2.5f), common::diamond, {1, 1, true});  // porthole light
    // Windscreen in front of the pilot.
    Canvas glass(w, h);
    fillMask(glass, polygonMask(w, h, {{36, 27}, {41, 19}, {44, 27}}), rgb(170, 226, 255, 170));
    outline(glass, common::diamond.outline);
    c.draw(glass, 0, 0);
    // Propeller hub and blades: the blade's apparent length turns through four frames.
    const float blade[] = {8, 3, -8, -3};
    paintPart(c, capsuleMask(w, h, {54, 36 - blade[frame]}, {54, 36 + blade[frame]}, 1.3f), common::metal, {1, 1});
    paintPart(c, circleMask(w, h, {54, 36}, 2.6f), hero::cap, {1, 1, true});
    // Exhaust puff behind, bobbing with the frame.
    paintPart(c, circleMask(w, h, {3.5f, 40.0f + (frame % 2)}, 2.0f + (frame % 2) * 0.5f), common::cloud, {1, 1});
    return c;
}

Canvas cloud(int w, int h, std::uint64_t seed, bool storm) {
    Canvas c(w, h);
    const Ramp ramp = storm ? Ramp{rgb(40, 40, 60), rgb(96, 100, 124), rgb(134, 138, 160), rgb(170, 174, 194), rgb(210, 212, 226)}
                            : common::cloud;
    Rng rng(seed);
    Mask puff = roundRectMask(w, h, 3, h * 0.55f, w - 6.0f, h * 0.45f - 3, h * 0.2f);
    const int bumps = 3 + w / 32;
    std::vector<std::pair<Vec, float>> clumps;
    for (int k = 0; k < bumps; ++k) {
        const float x = 6 + (w - 12.0f) * (k + 0.5f) / bumps;
        float r = h * (0.24f + 0.12f * rng.unit()) + (k == bumps / 2 ? h * 0.1f : 0);
        r = std::min({r, x - 2.0f, w - 2.0f - x});  // round ends, never cut by the picture's edge
        clumps.push_back({{x, h - 3 - r - 1.5f}, r});
        puff.add(circleMask(w, h, clumps.back().first, r));
    }
    Canvas layer(w, h);
    shadeMask(layer, puff, ramp, {2, 3});
    for (const auto& [centre, r] : clumps) clumpLight(layer, puff, centre, r, ramp.light);
    outline(layer, ramp.outline);
    c.draw(layer, 0, 0);
    if (storm) {  // a grumpy face and a small bolt
        const int ex = w / 2, ey = h / 2 + 2;
        for (int dx : {-8, 4}) {
            fillMask(c, rectMask(w, h, ex + dx, ey, 4, 4), rgb(255, 255, 255));
            fillMask(c, rectMask(w, h, ex + dx + (dx < 0 ? 2 : 0), ey + 1, 2, 3), common::ink);
            line(c, ex + dx - (dx < 0 ? 1 : 0), ey - 2 - (dx < 0 ? 1 : 0), ex + dx + 4, ey - 2 - (dx < 0 ? 0 : 1), common::ink);
        }
        line(c, ex - 4, ey + 8, ex + 3, ey + 8, ramp.outline);
        paintPart(c, polygonMask(w, h, {{w * 0.7f, h - 8.0f}, {w * 0.7f + 6, h - 8.0f}, {w * 0.7f + 2, h - 3.0f},
                                        {w * 0.7f + 5, h - 3.0f}, {w * 0.7f - 1, h + 4.0f}, {w * 0.7f + 1, h - 2.0f},
                                        {w * 0.7f - 2, h - 2.0f}}),
                  common::gold, {0, 1});
    }
    return c;
}

// A title: gradient letters with a lit top edge, a dark outline and a drop shadow; painted at half size.
Canvas title(int w, int h, const std::string& text, int scale, const Ramp& ramp) {
    const int hw = w / 2, hh = h / 2;
    Canvas half(hw, hh);
    const int x = (hw - textWidth(text, scale)) / 2, y = (hh - glyphHeight * scale) / 2;
    const Mask letters = textMask(hw, hh, x, y, text, scale);
    Canvas shadow(hw, hh);
    fillMask(shadow, textMask(hw, hh, x + 3, y + 3, text, scale), rgb(0, 0, 0, 120));
    half.draw(shadow, 0, 0);
    Canvas face(hw, hh);
    bandedGradient(face, letters, {ramp.highlight, ramp.light, ramp.base, ramp.base, ramp.dark}, y, y + glyphHeight * scale);
    outline(face, ramp.outline);
    outline(face, rgb(255, 255, 255));
    half.draw(face, 0, 0);
    return half.scaled(2);
}

}  // namespace

std::vector<Picture> paintBonusStage() {
    std::vector<Canvas> machine;
    for (int i = 0; i < 4; ++i) machine.push_back(flyingMachine(i));
    return {sheetPicture("joueurbonus", machine),
            stillPicture("cloud1", cloud(48, 32, 1, false)),
            stillPicture("cloud2", cloud(64, 40, 2, false)),
            stillPicture("cloud3", cloud(80, 48, 3, false)),
            stillPicture("cloud4", cloud(96, 56, 4, true)),
            stillPicture("cloud5", cloud(112, 60, 5, false)),
            stillPicture("ready", title(460, 132, "READY", 7, common::gold)),
            stillPicture("go", title(460, 132, "GO!", 8, makeRamp(rgb(80, 200, 80))))};
}

}  // namespace art
