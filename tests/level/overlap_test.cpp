// The overlap and standing tests: edge-to-edge boxes, hit-box overrides, slopes at their ends, fading
// platforms, the first of two overlapping bonuses, and the container walks of the pause and the culling.
#include <gtest/gtest.h>
#include "engine/animation.h"
#include "level/level_enums.h"
#include "level/overlap.h"

namespace {

eng::Image* ajouterImage(eng::Layout& conteneur, float x, float y, float w, float h, const char* nom = "") {
    auto* image = conteneur.add<eng::Image>();
    image->name = nom;
    image->position = {x, y};
    image->width = w;
    image->height = h;
    return image;
}

eng::Image* plateforme(eng::Layout& c, TPlateformeStyle style, float x, float y, float w, float h, float opacity = 1) {
    auto* p = ajouterImage(c, x, y, w, h);
    p->tag = static_cast<int>(style);
    p->opacity = opacity;
    return p;
}

}  // namespace

TEST(Overlap, HitBoxStrings) {
    EXPECT_EQ(parseHitBox("37:1:25:49"), (IntRect{37, 1, 25, 49}));
    EXPECT_EQ(parseHitBox("a:1:b:2"), (IntRect{0, 1, 0, 2}));
    EXPECT_EQ(parseHitBox("4:4"), (IntRect{4, 4, 0, 0}));
    EXPECT_EQ(parseHitBox(""), (IntRect{}));
}

TEST(Overlap, BoxesThatOnlyTouchDoNotHit) {
    eng::Layout c;
    ajouterImage(c, 100, 100, 32, 32);
    const IntRect box{0, 0, 10, 10};
    struct Cas {
        IntPoint p;
        bool hit;
    };
    const Cas cas[] = {{{90, 100}, false}, {{91, 100}, true}, {{132, 100}, false}, {{131, 100}, true},
                       {{100, 90}, false}, {{100, 91}, true}, {{100, 132}, false}, {{100, 131}, true}};
    for (const Cas& k : cas) {
        EXPECT_EQ(chercherCollision(k.p, box, c, false).trouve, k.hit) << k.p.x << "," << k.p.y;
    }
}

TEST(Overlap, HintHitBoxOverridesTheImageRectangle) {
    eng::Layout c;
    auto* ennemi = ajouterImage(c, 100, 200, 40, 40);
    ennemi->hint = "7:4:17:13";   // hit only inside (107, 204) .. (124, 217)
    const IntRect point{0, 0, 1, 1};
    struct Cas {
        int x, y;
        bool hit;
    };
    const Cas cas[] = {{107, 204, true}, {123, 216, true}, {106, 210, false}, {124, 210, false},
                       {110, 203, false}, {110, 217, false}, {101, 201, false}, {138, 238, false}};
    for (const Cas& k : cas) EXPECT_EQ(chercherCollision({k.x, k.y}, point, c, false).trouve, k.hit) << k.x << "," << k.y;
    ennemi->hint = "a sign without colon";   // a message text is not a hit box
    EXPECT_TRUE(chercherCollision({101, 201}, point, c, false).trouve);
    ennemi->hint = "x:y:w:h";                // fields that are not numbers give an empty box
    EXPECT_FALSE(chercherCollision({100, 200}, point, c, false).trouve);
}

TEST(Overlap, FirstOfTwoOverlappingBonusesIsFoundAndOnlyItsAnimationFrozen) {
    eng::Layout c;
    auto* premier = ajouterImage(c, 0, 0, 32, 32);
    auto* second = ajouterImage(c, 10, 0, 32, 32);
    auto* a1 = premier->add<eng::FloatAnimation>();
    auto* a1b = premier->add<eng::FloatAnimation>();
    auto* a2 = second->add<eng::FloatAnimation>();
    for (auto* a : {a1, a1b, a2}) {
        a->propertyName = "Opacity";
        a->duration = 1;
        a->start();
        a->advance(0.25f);
    }
    const float avant = premier->opacity;
    const auto r = chercherCollision({12, 5}, {0, 0, 5, 5}, c, true);
    ASSERT_TRUE(r.trouve);
    EXPECT_EQ(r.image, premier);
    EXPECT_FALSE(a1->running());
    EXPECT_FLOAT_EQ(premier->opacity, avant);   // stopped where it stood, not at its end
    EXPECT_TRUE(a1b->running());
    EXPECT_TRUE(a2->running());
    EXPECT_TRUE(chercherCollision({12, 5}, {0, 0, 5, 5}, c, false).trouve);
}

TEST(Overlap, StandingOnPlatforms) {
    // The hero's box is 25 x 49 from x + 37; his feet are at y + 49.
    const IntRect hero{37, 1, 25, 49};
    struct Cas {
        const char* quoi;
        TPlateformeStyle style;
        float x, y, w, h, opacity;
        IntPoint p;
        bool airborne;
        bool hit;
        int offset;
    };
    const Cas cas[] = {
        {"feet one unit into the top", TPlateformeStyle::horizontal, 100, 300, 64, 32, 1, {80, 252}, false, true, 0},
        {"feet exactly on the top line", TPlateformeStyle::horizontal, 100, 300, 64, 32, 1, {80, 251}, false, false, 0},
        {"feet on the bottom edge", TPlateformeStyle::horizontal, 100, 300, 64, 32, 1, {80, 284}, false, true, 0},
        {"feet below the bottom", TPlateformeStyle::horizontal, 100, 300, 64, 32, 1, {80, 285}, false, false, 0},
        {"box edge to edge on the left", TPlateformeStyle::horizontal, 100, 300, 64, 32, 1, {38, 260}, false, false, 0},
        {"falling platform at 0.31", TPlateformeStyle::tombe, 100, 300, 64, 32, 0.31f, {80, 260}, false, true, 0},
        {"falling platform at 0.3", TPlateformeStyle::tombe, 100, 300, 64, 32, 0.3f, {80, 260}, false, false, 0},
        {"descending, 10 in", TPlateformeStyle::descend, 100, 300, 64, 64, 1, {73, 270}, false, true, 10},
        {"descending, t = 0", TPlateformeStyle::descend, 100, 300, 64, 64, 1, {63, 270}, false, false, 0},
        {"rising, t = 0", TPlateformeStyle::monte, 100, 300, 32, 32, 1, {63, 260}, false, true, 32},
        {"rising, t = 32 is off the slope", TPlateformeStyle::monte, 100, 300, 32, 32, 1, {95, 260}, false, false, 0},
        {"rising, t = 31", TPlateformeStyle::monte, 100, 300, 32, 32, 1, {94, 260}, false, true, 1},
        {"turning: always carried", TPlateformeStyle::tourne, 100, 300, 64, 32, 1, {80, 260}, false, true, 0},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        eng::Layout conteneur;
        auto* p = plateforme(conteneur, c.style, c.x, c.y, c.w, c.h, c.opacity);
        HeroGroundFlags flags;
        flags.sautEnCours = c.airborne;
        const PlatformContact contact = toucherPlateforme(c.p, hero, *p, flags);
        EXPECT_EQ(contact.hit, c.hit);
        EXPECT_EQ(contact.offset, c.offset);
    }
}

TEST(Overlap, SlopeLandingWhileAirborne) {
    eng::Layout c;
    auto* pente = plateforme(c, TPlateformeStyle::descend, 100, 300, 64, 64);
    HeroGroundFlags flags;
    flags.sautEnCours = true;
    // 10 to the right of the slope's left edge: its surface is at 310. Feet at 309 are above it.
    EXPECT_FALSE(toucherPlateforme({73, 260}, {37, 1, 25, 49}, *pente, flags).hit);
    EXPECT_TRUE(flags.sautEnCours);
    const PlatformContact landed = toucherPlateforme({73, 262}, {37, 1, 25, 49}, *pente, flags);
    EXPECT_TRUE(landed.hit);
    EXPECT_EQ(landed.offset, 10);
    EXPECT_FALSE(flags.sautEnCours);
    EXPECT_TRUE(flags.enDescente);
    // A flat platform clears the slope flags, hit or not.
    auto* plat = plateforme(c, TPlateformeStyle::horizontal, 1000, 1000, 32, 32);
    flags.enMontee = true;
    toucherPlateforme({0, 0}, {37, 1, 25, 49}, *plat, flags);
    EXPECT_FALSE(flags.enDescente);
    EXPECT_FALSE(flags.enMontee);
}

TEST(Overlap, ChercherPlateformeWritesTheSlopeOffsetOfTheFirstHit) {
    eng::Layout c;
    c.add<eng::Layout>();   // not an image: skipped
    auto* loin = plateforme(c, TPlateformeStyle::horizontal, 900, 300, 64, 32);
    auto* pente = plateforme(c, TPlateformeStyle::descend, 100, 300, 64, 64);
    auto* dessous = plateforme(c, TPlateformeStyle::horizontal, 100, 300, 64, 32);
    loin->tagFloat = 5;
    HeroGroundFlags flags;
    const auto r = chercherPlateforme({73, 270}, {37, 1, 25, 49}, c, flags);
    ASSERT_TRUE(r.trouve);
    EXPECT_EQ(r.image, pente);
    EXPECT_FLOAT_EQ(pente->tagFloat, 10);
    EXPECT_FLOAT_EQ(loin->tagFloat, 5);
    EXPECT_FLOAT_EQ(dessous->tagFloat, 0);
    EXPECT_FALSE(chercherPlateforme({0, 0}, {37, 1, 25, 49}, c, flags).trouve);
}

TEST(Overlap, PauseAndCullingWalks) {
    eng::Layout c;
    auto* proche = ajouterImage(c, 900, 0, 10, 10);
    auto* loin = ajouterImage(c, 901, 0, 10, 10);
    auto* bord = ajouterImage(c, 100, 0, 10, 10);
    ajouterImage(c, 500, 0, 10, 10);   // no animation at all
    std::vector<eng::FloatAnimation*> premieres, secondes;
    for (auto* image : {proche, loin, bord}) {
        auto* a = image->add<eng::FloatAnimation>();
        auto* b = image->add<eng::FloatAnimation>();
        a->duration = b->duration = 1;
        a->propertyName = b->propertyName = "Opacity";
        premieres.push_back(a);
        secondes.push_back(b);
    }
    premieres[1]->start();
    activerAnimationsProches(c, 100, 900);
    EXPECT_TRUE(premieres[0]->running());    // x = 900: inside the window
    EXPECT_FALSE(premieres[1]->running());   // x = 901: halted
    EXPECT_TRUE(premieres[2]->running());    // x = 100: inside
    for (auto* b : secondes) EXPECT_FALSE(b->running());   // only the first animation is controlled
    pauserAnimations(c, true);
    for (auto* a : premieres) EXPECT_TRUE(a->pause);
    for (auto* b : secondes) EXPECT_TRUE(b->pause);
    pauserAnimations(c, false);
    for (auto* a : premieres) EXPECT_FALSE(a->pause);
}

TEST(Overlap, DecorWiderThanHighByTouchedKey) {
    eng::Layout c;
    ajouterImage(c, 0, 0, 64, 32, "decor12");
    ajouterImage(c, 0, 0, 32, 96, "decor3");
    ajouterImage(c, 0, 0, 10, 96, "decor12");   // a later namesake does not decide
    EXPECT_TRUE(decorPlusLargeQueHaut("decor12>:340", c));
    EXPECT_TRUE(decorPlusLargeQueHaut("decor12<:96", c));
    EXPECT_FALSE(decorPlusLargeQueHaut("decor3>:1", c));
    EXPECT_FALSE(decorPlusLargeQueHaut("Decor12>:1", c));   // names match with case
    EXPECT_FALSE(decorPlusLargeQueHaut("decor99<:1", c));
}
