// Pictures of the screens around the game: the title, the maker's logo, the seven consoles of Zorlin's
// collection (original designs, no real brand), the thief of the story and the shop's articles.
// Window pictures: painted at half size and doubled.
#include <cmath>
#include <numbers>
#include "catalogue.h"
#include "pixel_font.h"

namespace art {

namespace {

constexpr float pi = std::numbers::pi_v<float>;

void titleText(Canvas& c, const std::string& text, int x, int y, int scale, const Ramp& ramp) {
    const int w = c.width(), h = c.height();
    Canvas shadow(w, h);
    fillMask(shadow, textMask(w, h, x + 3, y + 3, text, scale), rgb(0, 0, 0, 120));
    c.draw(shadow, 0, 0);
    Canvas face(w, h);
    bandedGradient(face, textMask(w, h, x, y, text, scale), {ramp.highlight, ramp.light, ramp.base, ramp.base, ramp.dark}, y,
                   y + glyphHeight * scale);
    outline(face, ramp.outline);
    outline(face, rgb(255, 255, 255));
    c.draw(face, 0, 0);
}

Canvas gameTitle() {
    return doubled(545, 166, [](Canvas& c) {
        const int scale = 7, x = (c.width() - textWidth("ZORLIN", scale)) / 2, y = 14;
        titleText(c, "ZORLIN", x, y, scale, common::fire);
        // A diamond floating over the I, and a little red cap on the Z.
        const Vec gem{x + 4 * 6 * scale + 2.5f * scale, 7.5f};
        paintPart(c, polygonMask(c.width(), c.height(), {gem + Vec{-5, 0}, gem + Vec{0, -5}, gem + Vec{5, 0}, gem + Vec{0, 6}}),
                  common::diamond, {1, 1, true});
        Mask cap = ellipseMask(c.width(), c.height(), {x + 15.0f, y + 2.0f}, 14, 9);
        cap.subtract(rectMask(c.width(), c.height(), 0, y + 2.0f, c.width(), c.height()));
        cap.add(capsuleMask(c.width(), c.height(), {x + 20.0f, y + 1.0f}, {x + 38.0f, y + 2.5f}, 2.2f));
        paintPart(c, cap, hero::cap, {1, 2});
    });
}

Canvas makerLogo() {
    return doubled(500, 250, [](Canvas& c) {
        const int w = c.width(), h = c.height();
        paintPart(c, roundRectMask(w, h, 20, 20, w - 40.0f, h - 40.0f, 12), common::teal, {2, 3});
        const int scale = 4, x = (w - textWidth("PEMTRAX", scale)) / 2;
        titleText(c, "PEMTRAX", x, h / 2 - 20, scale, common::gold);
        for (int k = 0; k < 5; ++k) fillMask(c, rectMask(w, h, x + k * 14.0f, h / 2 + 22.0f, 10, 3), common::gold.light);
    });
}

// The collection: one console per zone, each an original shape and colour scheme.
enum class Shape { box, wedge, tower, slab, round, flat, cube };
struct ConsoleLook {
    Shape shape;
    Ramp body, accent;
};

Canvas console(const ConsoleLook& look) {
    return doubled(150, 128, [&look](Canvas& c) {
        const int w = c.width(), h = c.height();
        switch (look.shape) {
        case Shape::box:
            paintPart(c, roundRectMask(w, h, 22, 14, 30, 14, 2), common::metal, {1, 1});
            paintPart(c, roundRectMask(w, h, 6, 24, 63, 32, 4), look.body, {1, 3});
            paintPart(c, circleMask(w, h, {55, 42}, 6), look.accent, {1, 1, true});
            break;
        case Shape::wedge:
            paintPart(c, polygonMask(w, h, {{6, 56}, {14, 26}, {62, 20}, {70, 56}}), look.body, {1, 3});
            fillMask(c, rectMask(w, h, 14, 40, 50, 3), look.accent.base);
            paintPart(c, circleMask(w, h, {58, 32}, 3), look.accent, {0, 1, true});
            break;
        case Shape::tower:
            paintPart(c, roundRectMask(w, h, 22, 4, 32, 56, 3), look.body, {1, 3});
            for (int y = 12; y < 30; y += 7) fillMask(c, rectMask(w, h, 27, y, 22, 4), look.body.dark);
            paintPart(c, circleMask(w, h, {38, 46}, 4), look.accent, {0, 1, true});
            break;
        case Shape::slab:
            paintPart(c, roundRectMask(w, h, 4, 30, 67, 22, 3), look.body, {1, 3});
            fillMask(c, rectMask(w, h, 6, 37, 63, 3), look.accent.base);
            paintPart(c, rectMask(w, h, 26, 24, 24, 8), look.body, {1, 1});
            break;
        case Shape::round:
            paintPart(c, ellipseMask(w, h, {37, 42}, 32, 16), look.body, {1, 3});
            for (int k = 0; k < 4; ++k)
                paintPart(c, circleMask(w, h, {46.0f + 6 * (k % 2), 38.0f + 6 * (k / 2)}, 2.3f),
                          k % 2 ? look.accent : makeRamp(rgb(80, 120, 230)), {0, 1});
            break;
        case Shape::flat:
            paintPart(c, roundRectMask(w, h, 8, 28, 59, 26, 10), look.body, {1, 3});
            paintPart(c, roundRectMask(w, h, 22, 22, 31, 10, 3), look.accent, {1, 1});
            break;
        case Shape::cube:
            paintPart(c, polygonMask(w, h, {{16, 22}, {46, 14}, {62, 22}, {62, 54}, {32, 62}, {16, 54}}), look.body, {1, 3});
            paintPart(c, polygonMask(w, h, {{32, 30}, {62, 22}, {62, 54}, {32, 62}}), {look.body.outline, darken(look.body.dark, 0.2f), look.body.dark, look.body.base, look.body.light}, {0, 1});
            paintPart(c, circleMask(w, h, {47, 40}, 4), look.accent, {0, 1, true});
            break;
        }
    });
}

Canvas thiefFrame(int i) {
    const int w = 64, h = 64;
    Canvas c(w, h);
    const float bob = std::sin(2 * pi * i / 6) * 1.5f;
    const Ramp stripesDark = {rgb(10, 10, 20), rgb(30, 30, 44), rgb(46, 46, 62), rgb(70, 70, 90), rgb(110, 110, 130)};
    const Ramp sack = {rgb(70, 50, 20), rgb(170, 130, 70), rgb(210, 170, 100), rgb(236, 206, 140), rgb(255, 236, 190)};
    // The loot sack over his shoulder, legs and body, striped shirt, head with the mask, the propeller beanie.
    paintPart(c, ellipseMask(w, h, {17, 38 + bob}, 10, 11), sack, {1, 2, true});
    paintPart(c, capsuleMask(w, h, {28, 48 + bob}, {25, 58 + bob}, 3), stripesDark, {1, 1});
    paintPart(c, capsuleMask(w, h, {36, 48 + bob}, {40, 58 + bob}, 3), stripesDark, {1, 1});
    Mask body = roundRectMask(w, h, 22, 32 + bob, 20, 18, 6);
    Canvas shirt(w, h);
    shadeMask(shirt, body, forest::cream, {1, 2});
    for (float y = 35; y < 50; y += 5) {
        Mask stripe = rectMask(w, h, 0, y + bob, w, 2.5f);
        stripe.intersect(body);
        fillMask(shirt, stripe, stripesDark.base);
    }
    outline(shirt, stripesDark.outline);
    c.draw(shirt, 0, 0);
    paintPart(c, circleMask(w, h, {32, 24 + bob}, 10), hero::skin, {1, 2});
    fillMask(c, rectMask(w, h, 22, 20 + bob, 20, 5), stripesDark.dark);  // the bandit mask
    for (int dx : {-5, 3}) c.set(32 + dx, static_cast<int>(22 + bob), rgb(255, 255, 255)), c.set(33 + dx, static_cast<int>(22 + bob), rgb(255, 255, 255));
    // Laughing: the mouth opens every other frame ("AH AH AH").
    const int my = static_cast<int>(28 + bob);
    if (i % 2 == 0) fillMask(c, ellipseMask(w, h, {33, my + 1.5f}, 3, 2.2f), hero::mouth);
    else line(c, 30, my, 36, my, hero::mouth);
    Mask beanie = ellipseMask(w, h, {32, 18 + bob}, 10, 7);
    beanie.subtract(rectMask(w, h, 0, 18 + bob, w, h));
    paintPart(c, beanie, makeRamp(rgb(120, 60, 160)), {1, 2});
    paintPart(c, capsuleMask(w, h, {32, 11 + bob}, {32, 8 + bob}, 0.8f), common::metal, {0, 1});
    const float span = 9 * std::cos(2 * pi * i / 6);  // propeller blades turning
    paintPart(c, capsuleMask(w, h, {32 - span, 7 + bob}, {32 + span, 7 + bob}, 1.4f), common::button, {1, 1});
    paintPart(c, capsuleMask(w, h, {28, 36 + bob}, {19, 30 + bob}, 2.2f), hero::skin, {1, 1});  // arm holding the sack
    paintPart(c, capsuleMask(w, h, {38, 36 + bob}, {47, 30 + bob - bob}, 2.2f), hero::skin, {1, 1});  // waving arm
    return c;
}

// Shop articles, 64 × 64.
Canvas sword(const Ramp& blade) {
    return doubled(64, 64, [&blade](Canvas& c) {
        const int w = c.width(), h = c.height();
        paintPart(c, taperMask(w, h, {11, 21}, {27, 5}, 2.4f, 0.8f), blade, {1, 1});
        paintPart(c, capsuleMask(w, h, {6, 18}, {14, 26}, 1.4f), common::gold, {1, 1});
        paintPart(c, capsuleMask(w, h, {9, 23}, {4, 28}, 1.3f), hero::hilt, {1, 1});
        paintPart(c, circleMask(w, h, {3.5f, 28.5f}, 1.8f), common::gold, {0, 1, true});
    });
}

Canvas boots() {
    return doubled(64, 64, [](Canvas& c) {
        const int w = c.width(), h = c.height();
        const Ramp leather = makeRamp(rgb(200, 60, 40));
        Mask boot = roundRectMask(w, h, 8, 6, 10, 18, 3);
        boot.add(ellipseMask(w, h, {17, 23}, 10, 4.5f));
        Canvas layer(w, h);
        shadeMask(layer, boot, leather, {1, 2});
        Mask sole = rectMask(w, h, 0, 25, w, 3);
        sole.intersect(boot);
        fillMask(layer, sole, rgb(250, 250, 250));
        outline(layer, leather.outline);
        c.draw(layer, 0, 0);
        Mask wing(w, h);
        for (int k = 0; k < 3; ++k) wing.add(ellipseMask(w, h, {5.0f - k, 10.0f + k * 3}, 5 - k, 1.6f, -20));
        paintPart(c, wing, hero::shoe, {1, 1});
    });
}

Canvas potion(const Ramp& liquid, char symbol) {
    return doubled(64, 64, [&liquid, symbol](Canvas& c) {
        const int w = c.width(), h = c.height();
        const Ramp glass = {rgb(60, 80, 110), rgb(190, 210, 230), rgb(230, 240, 250), rgb(255, 255, 255), rgb(255, 255, 255)};
        Mask bottle = circleMask(w, h, {16, 20}, 10);
        bottle.add(rectMask(w, h, 13, 5, 6, 8));
        paintPart(c, bottle, glass, {1, 1});
        Mask fill = circleMask(w, h, {16, 20}, 8.5f);
        fill.subtract(rectMask(w, h, 0, 0, w, 15));
        Canvas layer(w, h);
        shadeMask(layer, fill, liquid, {1, 2, true});
        c.draw(layer, 0, 0);
        paintPart(c, rectMask(w, h, 12.5f, 3, 7, 4), forest::wood, {1, 1});
        const Color mark = rgb(255, 255, 255);
        switch (symbol) {
        case '+':
            fillMask(c, rectMask(w, h, 14, 20, 5, 1.5f), mark), fillMask(c, rectMask(w, h, 15.8f, 18, 1.5f, 5.5f), mark);
            break;
        case 'h':
            fillMask(c, pixelMask(w, h, 14, 19, {"X.X", "XXX", ".X."}), mark);
            break;
        case 's':
            line(c, 12, 23, 16, 18, mark), line(c, 16, 18, 16, 21, mark), line(c, 16, 21, 20, 17, mark);
            break;
        default:  // a snowflake
            line(c, 16, 16, 16, 24, mark), line(c, 12, 20, 20, 20, mark), line(c, 13, 17, 19, 23, mark), line(c, 19, 17, 13, 23, mark);
            break;
        }
    });
}

}  // namespace

std::vector<Picture> paintStoryScreens() {
    const ConsoleLook looks[] = {
        {Shape::box, common::consoleGrey, common::button},                      // forest
        {Shape::wedge, makeRamp(rgb(54, 54, 64)), makeRamp(rgb(40, 160, 220))},    // village
        {Shape::tower, makeRamp(rgb(226, 214, 180)), makeRamp(rgb(60, 200, 90))},  // jungle
        {Shape::slab, makeRamp(rgb(40, 40, 48)), common::gold},                    // cave
        {Shape::round, makeRamp(rgb(206, 206, 214)), makeRamp(rgb(200, 60, 160))},  // hills
        {Shape::flat, makeRamp(rgb(240, 240, 246)), makeRamp(rgb(230, 120, 40))},  // mountains
        {Shape::cube, makeRamp(rgb(88, 60, 150)), common::gold},                   // castle
    };
    std::vector<Picture> out = {stillPicture("titre", gameTitle()), stillPicture("logo", makerLogo())};
    for (int i = 0; i < 7; ++i) out.push_back(stillPicture("console" + std::to_string(i + 1), console(looks[i])));
    std::vector<Canvas> thief;
    for (int i = 0; i < 6; ++i) thief.push_back(thiefFrame(i));
    out.push_back(sheetPicture("voleur", thief));
    const Ramp bronze = {rgb(70, 36, 16), rgb(170, 96, 44), rgb(206, 134, 70), rgb(236, 178, 110), rgb(255, 224, 170)};
    out.push_back(stillPicture("article_epee1", sword(bronze)));
    out.push_back(stillPicture("article_epee2", sword(hero::blade)));
    out.push_back(stillPicture("article_epee3", sword(common::gold)));
    out.push_back(stillPicture("article_bottes", boots()));
    out.push_back(stillPicture("article_energie", potion(makeRamp(rgb(60, 130, 230)), '+')));
    out.push_back(stillPicture("article_vie", potion(common::heartRed, 'h')));
    out.push_back(stillPicture("article_endurance", potion(makeRamp(rgb(70, 190, 80)), 's')));
    out.push_back(stillPicture("article_freeze", potion(makeRamp(rgb(150, 220, 250)), '*')));
    return out;
}

}  // namespace art
