// Specials and decor of the forest: signs, doors, the exit post, leaf curtains that hide secrets, trees,
// bushes, flowers, barrels and the explosion. Leafy masses are seeded clusters of round clumps.
#include <cmath>
#include <numbers>
#include "catalogue.h"
#include "pixel_font.h"

namespace art {

namespace {

constexpr float pi = std::numbers::pi_v<float>;

// A mass of leaves: round clumps scattered over an area, shaded as one part, with leaf tips on the rim.
void leafMass(Canvas& c, const Mask& area, const Ramp& ramp, std::uint64_t seed, int clumps, float rMin, float rMax) {
    const int w = c.width(), h = c.height();
    Rng rng(seed);
    Mask leaves(w, h);
    std::vector<Vec> centres;
    for (int tries = 0; static_cast<int>(centres.size()) < clumps && tries < clumps * 50; ++tries) {
        const Vec p{rng.unit() * w, rng.unit() * h};
        if (area.at(static_cast<int>(p.x), static_cast<int>(p.y))) centres.push_back(p);
    }
    std::vector<float> radii;
    for (const Vec& p : centres) {
        radii.push_back(rMin + rng.unit() * (rMax - rMin));
        leaves.add(circleMask(w, h, p, radii.back()));
    }
    paintPart(c, leaves, ramp, {2, 3});
    // Each clump gets a lit crescent on its upper left, so the mass reads as many leaves, not a blob.
    for (size_t i = 0; i < centres.size(); ++i)
        clumpLight(c, leaves, centres[i], radii[i], i % 5 ? ramp.light : ramp.highlight);
}

Canvas board(int w, int h, float x, float y, float bw, float bh, bool arrowRight) {
    Canvas c(w, h);
    paintPart(c, rectMask(w, h, w / 2.0f - 2, y + bh - 2, 4, h - (y + bh - 2)), forest::bark, {1, 1});
    const Mask plank = arrowRight ? polygonMask(w, h, {{x, y}, {x + bw - 6, y}, {x + bw, y + bh / 2}, {x + bw - 6, y + bh}, {x, y + bh}})
                                  : roundRectMask(w, h, x, y, bw, bh, 2);
    paintPart(c, plank, forest::wood, {1, 2});
    line(c, static_cast<int>(x + 1), static_cast<int>(y + bh / 2), static_cast<int>(x + bw - 3),
         static_cast<int>(y + bh / 2), forest::wood.dark);  // the seam between two planks
    return c;
}

Canvas infoSign() {
    Canvas c = board(32, 32, 3, 4, 26, 17, false);
    for (int k = 0; k < 3; ++k) line(c, 7, 8 + k * 4, k == 2 ? 18 : 24, 8 + k * 4, forest::wood.outline);
    return c;
}

Canvas arrowSign() {
    Canvas c = board(32, 32, 2, 5, 28, 14, true);
    fillMask(c, polygonMask(32, 32, {{6, 10}, {17, 10}, {17, 7.5f}, {23, 12}, {17, 16.5f}, {17, 14}, {6, 14}}), forest::wood.outline);
    return c;
}

Canvas exitSign() {
    const int w = 48, h = 64;
    Canvas c = board(w, h, 4, 14, 40, 28, false);
    const Mask text = textMask(w, h, (w - textWidth("EXIT", 1)) / 2, 18, "EXIT", 1);
    Canvas letters(w, h);
    fillMask(letters, text, rgb(255, 240, 200));
    outline(letters, forest::wood.outline);
    c.draw(letters, 0, 0);
    paintPart(c, polygonMask(w, h, {{12, 32}, {28, 32}, {28, 29}, {36, 34.5f}, {28, 40}, {28, 37}, {12, 37}}), common::button, {1, 1});
    // Grass tuft at the post's foot.
    paintPart(c, ellipseMask(w, h, {24, 62}, 9, 3), forest::leaf, {1, 1});
    return c;
}

Canvas door() {
    const int w = 40, h = 64;
    Canvas c(w, h);
    Mask arch = rectMask(w, h, 1, 14, 38, 50);
    arch.add(ellipseMask(w, h, {20, 16}, 19, 15));
    paintPart(c, arch, forest::stone, {1, 2});
    for (int y = 20; y < 64; y += 8) line(c, 2, y, 6, y, forest::stone.dark), line(c, 33, y + 4, 37, y + 4, forest::stone.dark);
    Mask leaf = rectMask(w, h, 7, 18, 26, 46);
    leaf.add(ellipseMask(w, h, {20, 19}, 13, 11));
    Canvas wood(w, h);
    shadeMask(wood, leaf, forest::wood, {1, 2});
    for (int x = 13; x < 33; x += 6) line(wood, x, 9, x, 63, forest::wood.dark);
    fillMask(wood, rectMask(w, h, 7, 26, 26, 2), common::metal.dark);
    fillMask(wood, rectMask(w, h, 7, 50, 26, 2), common::metal.dark);
    outline(wood, forest::wood.outline);
    c.draw(wood, 0, 0);
    paintPart(c, circleMask(w, h, {27, 40}, 1.8f), common::gold, {1, 1});
    return c;
}

Canvas treeDoor() {
    const int w = 48, h = 64;
    Canvas c(w, h);
    Mask trunk = polygonMask(w, h, {{6, 0}, {42, 0}, {44, 56}, {48, 64}, {0, 64}, {4, 56}});
    Canvas bark(w, h);
    shadeMask(bark, trunk, forest::bark, {2, 3});
    for (int x = 9; x < 42; x += 7) line(bark, x, 0, x + (x % 3) - 1, 10 + (x * 7) % 14, forest::bark.dark);
    outline(bark, forest::bark.outline);
    c.draw(bark, 0, 0);
    Mask hole = rectMask(w, h, 12, 30, 24, 34);
    hole.add(ellipseMask(w, h, {24, 31}, 12, 12));
    fillMask(c, hole, rgb(36, 20, 14));
    Mask leaf = rectMask(w, h, 14, 32, 20, 32);
    leaf.add(ellipseMask(w, h, {24, 33}, 10, 10));
    paintPart(c, leaf, forest::wood, {1, 2});
    for (int x = 19; x < 34; x += 5) line(c, x, 24, x, 63, forest::wood.dark);
    paintPart(c, circleMask(w, h, {30, 47}, 1.6f), common::gold, {1, 1});
    return c;
}

Canvas leafCurtain(int w, int h, std::uint64_t seed) {
    Canvas c(w, h);
    Mask area = roundRectMask(w, h, 12, 12, w - 24.0f, h - 24.0f, 10);
    Mask core = roundRectMask(w, h, 10, 10, w - 20.0f, h - 20.0f, 6);
    fillMask(c, core, forest::leafDark.dark);  // no gaps: the curtain hides what is behind it
    leafMass(c, area, forest::leafDark, seed, w * h / 90, 6, 11);
    leafMass(c, roundRectMask(w, h, 10, 8, w - 20.0f, h - 20.0f, 8), forest::leaf, seed + 1, w * h / 260, 5, 9);
    return c;
}

Canvas brightTree() {
    const int w = 128, h = 160;
    Canvas c(w, h);
    Mask trunk = polygonMask(w, h, {{56, 70}, {72, 70}, {74, 148}, {86, 159}, {42, 159}, {54, 148}});
    trunk.add(capsuleMask(w, h, {64, 100}, {38, 72}, 3.5f));
    trunk.add(capsuleMask(w, h, {66, 92}, {92, 70}, 3.5f));
    Canvas bark(w, h);
    shadeMask(bark, trunk, forest::bark, {2, 4});
    for (int y = 80; y < 150; y += 9) line(bark, 60, y, 62, y + 5, forest::bark.dark);
    outline(bark, forest::bark.outline);
    c.draw(bark, 0, 0);
    leafMass(c, ellipseMask(w, h, {64, 56}, 54, 46), forest::leaf, 77, 46, 11, 17);
    return c;
}

Canvas bush() {
    Canvas c(64, 32);
    leafMass(c, ellipseMask(64, 32, {32, 24}, 26, 12), forest::leaf, 91, 14, 7, 10);
    return c;
}

Canvas stump() {
    const int w = 32, h = 24;
    Canvas c(w, h);
    Mask body = rectMask(w, h, 5, 6, 22, 15);
    body.add(polygonMask(w, h, {{2, 23}, {8, 15}, {24, 15}, {30, 23}}));
    paintPart(c, body, forest::bark, {1, 2});
    paintPart(c, ellipseMask(w, h, {16, 6}, 11, 3.5f), forest::wood, {1, 1});
    fillMask(c, ringMask(w, h, {16, 6}, 4.5f, 5.5f, 0, 360), forest::wood.dark);
    c.set(16, 6, forest::wood.dark);
    return c;
}

Canvas flowersFrame(int i) {
    const int w = 32, h = 16;
    Canvas c(w, h);
    const float sway = std::sin(2 * pi * i / 4) * 1.5f;
    const struct {
        float x, height;
        const Ramp* petals;
    } flowers[] = {{6, 10, &forest::flowerPink}, {16, 13, &forest::flowerYellow}, {26, 9, &forest::flowerPink}};
    for (const auto& f : flowers) {
        const Vec top{f.x + sway * f.height / 12, 15.5f - f.height};
        line(c, static_cast<int>(f.x), 15, static_cast<int>(top.x), static_cast<int>(top.y), forest::leaf.dark);
        paintPart(c, ellipseMask(w, h, {f.x + 2, 13}, 2.2f, 1.1f, -30), forest::leaf, {0, 1});
        Mask petals(w, h);
        for (int k = 0; k < 5; ++k) petals.add(circleMask(w, h, top + fromAngle(k * 72.0f - 90, 2.2f), 1.6f));
        paintPart(c, petals, *f.petals, {1, 1});
        c.set(static_cast<int>(top.x), static_cast<int>(top.y), common::gold.base);
    }
    return c;
}

Canvas barrel(bool explosive) {
    const int w = 32, h = 32;
    Canvas c(w, h);
    const Ramp staves = explosive ? makeRamp(rgb(200, 50, 40)) : forest::wood;
    Mask body = ellipseMask(w, h, {16, 18}, 12.5f, 15);
    body.intersect(rectMask(w, h, 0, 6, w, 25));
    Canvas layer(w, h);
    shadeMask(layer, body, staves, {2, 3});
    for (int x : {10, 16, 22}) {
        Mask stave = rectMask(w, h, x, 0, 1, h);
        stave.intersect(body);
        fillMask(layer, stave, staves.dark);
    }
    for (int y : {9, 27}) {
        Mask hoop = rectMask(w, h, 0, y, w, 2);
        hoop.intersect(body);
        fillMask(layer, hoop, common::metal.base);
        Mask shine = rectMask(w, h, 0, y, 10, 1);
        shine.intersect(body);
        fillMask(layer, shine, common::metal.light);
    }
    if (explosive) {  // a white warning diamond with a black dot
        fillMask(layer, polygonMask(w, h, {{16, 13}, {21, 18}, {16, 23}, {11, 18}}), rgb(255, 244, 220));
        fillMask(layer, circleMask(w, h, {16, 18}, 1.8f), common::ink);
    }
    outline(layer, staves.outline);
    c.draw(layer, 0, 0);
    if (explosive) {  // the lit fuse on the lid
        line(c, 16, 5, 18, 1, rgb(60, 50, 40));
        for (const auto& [dx, dy] : {std::pair{0, 0}, std::pair{1, 0}, std::pair{-1, 0}, std::pair{0, -1}, std::pair{0, 1}})
            c.set(19 + dx, 1 + dy, dx == 0 && dy == 0 ? rgb(255, 255, 255) : rgb(255, 190, 40));
    }
    return c;
}

Canvas explosionFrame(int i) {
    const int w = 48, h = 48;
    Canvas c(w, h);
    const Vec o{24, 25};
    Rng rng(300 + i);
    const float t = i / 8.0f;
    if (i <= 5) {  // fire: a ring of puffs that grows, white-hot at first
        const float reach = 5 + 15 * std::sqrt(t * 1.6f);
        Mask fire = circleMask(w, h, o, 4 + 7 * std::min(1.0f, t * 3));
        for (int k = 0; k < 8; ++k)
            fire.add(circleMask(w, h, o + fromAngle(k * 45.0f + i * 11, reach * (0.55f + 0.1f * (k % 3))),
                                4 + 5 * std::min(1.0f, t * 2.5f) - (k % 2)));
        const Ramp ramp = i < 2 ? Ramp{common::fire.dark, common::fire.light, common::fire.highlight, rgb(255, 255, 255), rgb(255, 255, 255)}
                                : common::fire;
        paintPart(c, fire, ramp, {2, 3});
    } else {  // smoke drifting up and thinning
        const Ramp smoke = {rgb(50, 46, 56), rgb(110, 104, 112), rgb(150, 146, 150), rgb(190, 186, 188), rgb(220, 218, 220)};
        Mask puffs(w, h);
        const float rise = (i - 5) * 3.0f, size = 7.0f - (i - 5) * 1.8f;
        for (int k = 0; k < 6; ++k)
            puffs.add(circleMask(w, h, o + fromAngle(k * 60.0f + 15, 14) + Vec{0, -rise}, size + rng.range(0, 1)));
        paintPart(c, puffs, smoke, {1, 2});
    }
    for (int k = 0; k < 6 && i >= 1 && i <= 6; ++k) {  // sparks flying out
        const Vec p = o + fromAngle(k * 60.0f + 30, 6 + i * 3.2f);
        c.set(static_cast<int>(p.x), static_cast<int>(p.y), rgb(255, 240, 150));
        c.set(static_cast<int>(p.x) + 1, static_cast<int>(p.y), rgb(255, 200, 60));
    }
    return c;
}

}  // namespace

std::vector<Picture> paintSpecials() {
    std::vector<Canvas> flowers, explosion;
    for (int i = 0; i < 4; ++i) flowers.push_back(flowersFrame(i));
    for (int i = 0; i < 9; ++i) explosion.push_back(explosionFrame(i));
    const Picture arrow = stillPicture("panneau_fleche", arrowSign());
    return {stillPicture("panneau", infoSign()),
            arrow,
            mirroredPicture(arrow, "panneau_flechegauche", 32),
            stillPicture("porte", door()),
            stillPicture("porte_arbre", treeDoor()),
            stillPicture("sortie", exitSign()),
            stillPicture("feuillage", leafCurtain(96, 96, 5)),
            stillPicture("feuillage_large", leafCurtain(160, 128, 6)),
            stillPicture("tree_bright4", brightTree()),
            stillPicture("buisson", bush()),
            stillPicture("souche", stump()),
            sheetPicture("fleurs", flowers),
            stillPicture("baril", barrel(false)),
            stillPicture("barilExplose", barrel(true)),
            sheetPicture("explosion", explosion)};
}

}  // namespace art
