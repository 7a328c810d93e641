// The world map: the land in its sea, the seven zone pictures laid over it, the padlock of locked zones and
// the back-to-menu button. Painted at half size and doubled, at the map frame's reference sizes.
#include <cmath>
#include <numbers>
#include "catalogue.h"

namespace art {

namespace {

constexpr float pi = std::numbers::pi_v<float>;

// A wobbly round island: a polygon whose radius wanders with a few sine waves.
Mask blobMask(int w, int h, Vec centre, float rx, float ry, std::uint64_t seed) {
    Rng rng(seed);
    const float p1 = rng.unit() * 6.28f, p2 = rng.unit() * 6.28f;
    std::vector<Vec> pts;
    for (int k = 0; k < 48; ++k) {
        const float a = 2 * pi * k / 48;
        const float wobble = 1 + 0.07f * std::sin(3 * a + p1) + 0.05f * std::sin(5 * a + p2);
        pts.push_back(centre + Vec{std::cos(a) * rx * wobble, std::sin(a) * ry * wobble});
    }
    return polygonMask(w, h, pts);
}

const Ramp grass = forest::leaf;
const Ramp sand = hills::sand;

void island(Canvas& c, const Ramp& top, std::uint64_t seed) {
    const int w = c.width(), h = c.height();
    paintPart(c, blobMask(w, h, {w * 0.5f, h * 0.72f}, w * 0.46f, h * 0.24f, seed), top, {1, 3});
}

Canvas mapBackground() {
    return doubled(1920, 1080, [](Canvas& c) {
        const int w = c.width(), h = c.height();
        bandedGradient(c, rectMask(w, h, 0, 0, w, h), {rgb(40, 110, 180), rgb(46, 124, 194), rgb(54, 138, 206), rgb(62, 150, 214)}, 0, h);
        Rng rng(8);
        for (int k = 0; k < 140; ++k) {  // wave marks on the sea
            const int x = rng.range(0, w - 8), y = rng.range(0, h - 4);
            line(c, x, y, x + 3, y - 1, rgb(120, 190, 236)), line(c, x + 3, y - 1, x + 6, y, rgb(120, 190, 236));
        }
        Mask land = blobMask(w, h, {w * 0.5f, h * 0.5f}, w * 0.485f, h * 0.47f, 3);
        Mask beach = land;
        paintPart(c, beach, sand, {2, 4});
        Mask inland = blobMask(w, h, {w * 0.5f, h * 0.49f}, w * 0.46f, h * 0.43f, 3);
        paintPart(c, inland, grass, {2, 4});
        // Grass tufts and small trees scattered over the land.
        for (int k = 0; k < 160; ++k) {
            const int x = rng.range(0, w - 1), y = rng.range(0, h - 1);
            if (!inland.at(x, y) || !inland.at(x + 8, y + 8) || !inland.at(x - 8, y - 8)) continue;
            if (k % 4 == 0) {
                paintPart(c, circleMask(w, h, {x + 0.5f, y - 3.0f}, 4.5f), forest::leafDark, {1, 1});
            } else {
                line(c, x - 2, y, x - 1, y - 2, grass.dark), line(c, x, y, x, y - 3, grass.dark), line(c, x + 2, y, x + 1, y - 2, grass.dark);
            }
        }
        // The trail between the zones, in playing order, as dots.
        const std::vector<Vec> zones = {{162, 276}, {456, 428}, {430, 94}, {806, 460}, {880, 282}, {794, 92}, {656, 288}};
        for (size_t i = 0; i + 1 < zones.size(); ++i) {
            const Vec a = zones[i], b = zones[i + 1];
            const int steps = static_cast<int>(std::hypot(b.x - a.x, b.y - a.y) / 7);
            for (int s = 1; s < steps; ++s) {
                const Vec p = a + (b - a) * (static_cast<float>(s) / steps);
                fillMask(c, circleMask(w, h, p, 1.3f), sand.light);
            }
        }
    });
}

Canvas zoneForest() {
    return doubled(297, 289, [](Canvas& c) {
        island(c, grass, 20);
        const int w = c.width(), h = c.height();
        const Vec trees[] = {{40, 70}, {75, 60}, {105, 74}, {58, 92}, {92, 96}};
        for (const Vec& t : trees) {
            paintPart(c, rectMask(w, h, t.x - 3, t.y, 6, 16), forest::bark, {1, 1});
            Mask crown = circleMask(w, h, t + Vec{0, -8}, 17);
            crown.add(circleMask(w, h, t + Vec{-10, 0}, 11));
            crown.add(circleMask(w, h, t + Vec{10, 0}, 11));
            Canvas layer(w, h);
            shadeMask(layer, crown, forest::leaf, {2, 3});
            clumpLight(layer, crown, t + Vec{0, -8}, 17, forest::leaf.light);
            outline(layer, forest::leaf.outline);
            c.draw(layer, 0, 0);
        }
    });
}

Canvas house(int w, int h, Vec base, float size, const Ramp& roof) {
    Canvas c(w, h);
    const Ramp& wall = village::wall;
    paintPart(c, rectMask(w, h, base.x - size, base.y - size * 1.2f, size * 2, size * 1.2f), wall, {1, 2});
    paintPart(c, polygonMask(w, h, {{base.x - size * 1.3f, base.y - size * 1.1f}, {base.x, base.y - size * 2.3f},
                                    {base.x + size * 1.3f, base.y - size * 1.1f}}),
              roof, {1, 2});
    fillMask(c, rectMask(w, h, base.x - size * 0.3f, base.y - size * 0.7f, size * 0.6f, size * 0.7f), forest::wood.dark);
    return c;
}

Canvas zoneVillage() {
    return doubled(369, 256, [](Canvas& c) {
        island(c, grass, 31);
        const int w = c.width(), h = c.height();
        const Ramp& terracotta = village::roof;
        c.draw(house(w, h, {60, 92}, 16, terracotta), 0, 0);
        c.draw(house(w, h, {110, 100}, 19, terracotta), 0, 0);
        c.draw(house(w, h, {88, 72}, 13, makeRamp(rgb(180, 80, 56))), 0, 0);
        // The windmill.
        paintPart(c, polygonMask(w, h, {{140, 98}, {146, 58}, {156, 58}, {162, 98}}), forest::cream, {1, 2});
        for (int k = 0; k < 4; ++k)
            paintPart(c, capsuleMask(w, h, {151, 56}, Vec{151, 56} + fromAngle(30 + k * 90.0f, 22), 2.2f), forest::wood, {1, 1});
        paintPart(c, circleMask(w, h, {151, 56}, 3), forest::wood, {1, 1});
    });
}

Canvas zoneJungle() {
    return doubled(233, 249, [](Canvas& c) {
        island(c, forest::leafDark, 10);
        const int w = c.width(), h = c.height();
        for (const Vec& t : {Vec{36, 64}, Vec{62, 54}, Vec{86, 66}}) {
            paintPart(c, taperMask(w, h, t + Vec{0, 44}, t, 3.5f, 2.5f), forest::bark, {1, 1});
            Mask fronds(w, h);
            for (int k = 0; k < 6; ++k) fronds.add(ellipseMask(w, h, t + fromAngle(k * 60.0f - 90, 11), 12, 3.5f, k * 60.0f - 90));
            paintPart(c, fronds, jungle::leaf, {1, 1});
        }
        for (const Vec& f : {Vec{30, 98}, Vec{70, 104}, Vec{95, 92}})
            paintPart(c, circleMask(w, h, f, 3.5f), jungle::flower, {1, 1, true});
    });
}

Canvas zoneMountains() {
    return doubled(249, 193, [](Canvas& c) {
        island(c, forest::stone, 12);
        const int w = c.width(), h = c.height();
        const Ramp &rock = mountains::granite, &snow = mountains::snow;
        struct Peak {
            float x, top, half;
        };
        for (const Peak& p : {Peak{40, 22, 34}, Peak{86, 10, 40}, Peak{62, 34, 30}}) {
            const float x = p.x, top = p.top, half = p.half;
            const Mask peak = polygonMask(w, h, {{x - half, 86}, {x, top}, {x + half, 86}});
            paintPart(c, peak, rock, {2, 3});
            Mask cap = peak;
            cap.intersect(polygonMask(w, h, {{x - half, top + 18}, {x - half * 0.3f, top + 24}, {x, top + 17}, {x + half * 0.35f, top + 25}, {x + half, top + 18}, {x + half, 0}, {x - half, 0}}));
            Canvas capLayer(w, h);
            shadeMask(capLayer, cap, snow, {1, 2});
            c.draw(capLayer, 0, 0);
        }
    });
}

Canvas zoneHills() {
    return doubled(193, 168, [](Canvas& c) {
        island(c, sand, 22);
        const int w = c.width(), h = c.height();
        const Ramp& ochre = hills::ochre;
        paintPart(c, roundRectMask(w, h, 14, 40, 34, 32, 3), ochre, {1, 3});
        paintPart(c, roundRectMask(w, h, 48, 30, 40, 42, 3), hills::pink, {1, 3});
        for (int x = 20; x < 80; x += 9) line(c, x, 50, x + 2, 60, ochre.dark);
    });
}

Canvas zoneCave() {
    return doubled(145, 129, [](Canvas& c) {
        island(c, forest::stone, 32);
        const int w = c.width(), h = c.height();
        const Ramp& slate = cave::slate;
        paintPart(c, ellipseMask(w, h, {36, 48}, 30, 24), slate, {2, 3});
        Mask mouth = ellipseMask(w, h, {38, 58}, 11, 12);
        mouth.subtract(rectMask(w, h, 0, 60, w, h));
        fillMask(c, mouth, rgb(14, 10, 24));
        for (const Vec& g : {Vec{18, 40}, Vec{55, 36}, Vec{60, 52}})
            paintPart(c, polygonMask(w, h, {g + Vec{-2.5f, 4}, g + Vec{0, -5}, g + Vec{2.5f, 4}}), cave::crystal, {1, 1});
        paintPart(c, circleMask(w, h, {28, 62}, 2.2f), common::fire, {0, 1, true});  // the amber lamp
    });
}

Canvas zoneCastle() {
    return doubled(161, 144, [](Canvas& c) {
        island(c, forest::stone, 21);
        const int w = c.width(), h = c.height();
        const Ramp &wall = castle::stone, &roof = castle::banner;
        paintPart(c, rectMask(w, h, 20, 40, 42, 34), wall, {1, 2});
        for (float x : {14.0f, 56.0f}) {
            paintPart(c, rectMask(w, h, x, 26, 12, 48), wall, {1, 2});
            paintPart(c, polygonMask(w, h, {{x - 3, 27}, {x + 6, 10}, {x + 15, 27}}), roof, {1, 2});
        }
        for (float x = 22; x < 60; x += 7) fillMask(c, rectMask(w, h, x, 36, 4, 4), wall.base);
        fillMask(c, roundRectMask(w, h, 35, 56, 12, 18, 5), rgb(30, 20, 40));
        paintPart(c, polygonMask(w, h, {{62, 10}, {62, 2}, {72, 5}}), common::button, {0, 1});  // banner
    });
}

Canvas padlock() {
    return doubled(129, 113, [](Canvas& c) {
        const int w = c.width(), h = c.height();
        paintPart(c, ringMask(w, h, {32, 24}, 11, 16, 180, 360), common::metal, {1, 2});
        paintPart(c, rectMask(w, h, 16, 22, 6, 6), common::metal, {1, 1});
        paintPart(c, rectMask(w, h, 42, 22, 6, 6), common::metal, {1, 1});
        paintPart(c, roundRectMask(w, h, 10, 26, 44, 28, 5), common::gold, {1, 3, true});
        fillMask(c, circleMask(w, h, {32, 36}, 3.5f), common::gold.outline);
        fillMask(c, rectMask(w, h, 30.5f, 37, 3, 9), common::gold.outline);
    });
}

Canvas menuButton() {
    return doubled(76, 76, [](Canvas& c) {
        const int w = c.width(), h = c.height();
        paintPart(c, circleMask(w, h, {19, 19}, 17), common::teal, {1, 2});
        paintPart(c, polygonMask(w, h, {{9, 19}, {19, 10}, {19, 15}, {29, 15}, {29, 23}, {19, 23}, {19, 28}}),
                  common::iconInk, {1, 1});
    });
}

}  // namespace

std::vector<Picture> paintMapScreen() {
    return {stillPicture("map", mapBackground()),         stillPicture("map_foret", zoneForest()),
            stillPicture("map_village", zoneVillage()),   stillPicture("map_jungle", zoneJungle()),
            stillPicture("map_montagnes", zoneMountains()), stillPicture("map_desert", zoneHills()),
            stillPicture("map_grotte", zoneCave()),       stillPicture("map_chateau", zoneCastle()),
            stillPicture("cadenas", padlock()),           stillPicture("bouton_menu", menuButton())};
}

}  // namespace art
