// The weather's particles: counts and values per kind, recycling at the bottom and at the left edge,
// drift, redrawing into the layer's picture, and changing the particle count.
#include <gtest/gtest.h>
#include <set>
#include "engine/random.h"
#include "fx/TMeteo.h"
#include "fx/weather_canvas.h"

namespace {

TMeteo::FogPictureLoader brouillards(std::vector<std::string>* noms = nullptr) {
    return [noms](const std::string& nom) {
        if (noms) noms->push_back(nom);
        return std::make_shared<eng::Bitmap>(64, 32, 0x80FFFFFF);
    };
}

}  // namespace

TEST(Weather, ParticlesOfEachKindStartInsideTheAreaWithTheirValues) {
    eng::Random random(3);
    struct Cas {
        TTypeGoutte kind;
        int count;
    };
    for (const Cas c : {Cas{TTypeGoutte::neige, 200}, Cas{TTypeGoutte::pluie, 400}, Cas{TTypeGoutte::brouillard, 20}}) {
        SCOPED_TRACE(static_cast<int>(c.kind));
        std::vector<std::string> noms;
        TMeteo meteo(300, 115, c.count, c.kind, random, brouillards(&noms));
        ASSERT_EQ(meteo.gouttes().size(), static_cast<size_t>(c.count));
        std::set<float> tailles, vitesses, opacites;
        for (const auto& g : meteo.gouttes()) {
            EXPECT_EQ(g->typeGoutte, c.kind);
            tailles.insert(g->taille);
            vitesses.insert(g->Speed);
            opacites.insert(g->opacite);
            if (c.kind == TTypeGoutte::brouillard) {
                EXPECT_GE(g->Position.x, -64);
                EXPECT_LT(g->Position.x, 300 + 64);
                EXPECT_GE(g->Position.y, -32);
                EXPECT_GE(g->Speed, 0.1f);
                EXPECT_LT(g->Speed, 0.25f);
            } else {
                EXPECT_GE(g->Position.x, 0);
                EXPECT_LT(g->Position.x, 300);
                EXPECT_GE(g->Position.y, 0);
                EXPECT_LT(g->Position.y, 115);
            }
        }
        if (c.kind == TTypeGoutte::neige) {
            EXPECT_EQ(tailles, (std::set<float>{1, 2}));
            EXPECT_EQ(vitesses.size(), 3u);
            EXPECT_EQ(opacites, (std::set<float>{1}));
        } else if (c.kind == TTypeGoutte::pluie) {
            EXPECT_EQ(tailles, (std::set<float>{1, 2, 3}));
            EXPECT_EQ(vitesses, tailles);   // rain falls as fast as it is long
        } else {
            EXPECT_EQ(noms.size(), 20u);
            for (const std::string& n : noms) EXPECT_TRUE(n == "brouillard1.png" || n == "brouillard2.png" || n == "brouillard3.png") << n;
            for (float o : opacites) EXPECT_TRUE(o > 0.15f && o < 0.55f) << o;
        }
    }
}

TEST(Weather, SnowAndRainFallAndComeBackFromTheTop) {
    eng::Random random(5);
    for (TTypeGoutte kind : {TTypeGoutte::neige, TTypeGoutte::pluie}) {
        SCOPED_TRACE(static_cast<int>(kind));
        TMeteo meteo(300, 100, 50, kind, random);
        TGoutte& g = *meteo.gouttes()[0];
        g.Position = {150, 100.5f};   // just below the bottom
        const float vitesse = g.Speed;
        meteo.Update();
        EXPECT_FLOAT_EQ(g.Position.y, -5);   // back at the top, no move this step
        EXPECT_GE(g.Position.x, 0);
        EXPECT_LT(g.Position.x, 300);
        g.Position = {150, 50};
        meteo.FSpeedX = 0;   // the camera is pinned: no drift
        meteo.Update();
        EXPECT_FLOAT_EQ(g.Position.y, 50 + vitesse);
        if (kind == TTypeGoutte::pluie) EXPECT_FLOAT_EQ(g.Position.x, 150);
        else EXPECT_TRUE(g.Position.x == 150 || g.Position.x == 148.5f) << g.Position.x;   // snow jitters left
        meteo.FSpeedX = 2;
        const float x = g.Position.x;
        meteo.Update();
        if (kind == TTypeGoutte::pluie) EXPECT_FLOAT_EQ(g.Position.x, x + 2);
        else EXPECT_TRUE(g.Position.x == x + 2 || g.Position.x == x + 0.5f) << g.Position.x;
        g.Position = {150, 100};   // exactly on the bottom is not below it
        meteo.Update();
        EXPECT_FLOAT_EQ(g.Position.y, 100 + vitesse);
    }
}

TEST(Weather, FogDriftsLeftAndComesBackFromTheRightRenewed) {
    eng::Random random(9);
    TMeteo meteo(300, 100, 20, TTypeGoutte::brouillard, random, brouillards());
    meteo.FSpeedX = 5;   // the hero's motion does not move fog
    TGoutte& g = *meteo.gouttes()[0];
    g.Position = {100, 10};
    const float vitesse = g.Speed;
    meteo.Update();
    EXPECT_FLOAT_EQ(g.Position.x, 100 - vitesse);
    EXPECT_FLOAT_EQ(g.Position.y, 10);
    g.Position = {-64.5f, 10};   // fully gone past the left edge
    meteo.Update();
    EXPECT_FLOAT_EQ(g.Position.x, 300 - g.Speed);
    EXPECT_GE(g.Speed, 0.1f);
    EXPECT_LT(g.Speed, 0.25f);
    EXPECT_GE(g.opacite, 0.2f);
    EXPECT_LT(g.opacite, 0.75f);
    EXPECT_GE(g.Position.y, -16);
    EXPECT_LT(g.Position.y, 82);
    g.Position = {-64, 10};   // at the edge: not renewed yet
    meteo.Update();
    EXPECT_LT(g.Position.x, -64);
}

TEST(Weather, CountChangesRecreateTheParticles) {
    eng::Random random(1);
    TMeteo meteo(300, 100, 200, TTypeGoutte::neige, random);
    const TGoutte* premiere = meteo.gouttes()[0].get();
    meteo.setFloconsCount(200);
    EXPECT_EQ(meteo.gouttes()[0].get(), premiere);   // same count: nothing changes
    meteo.setFloconsCount(50);
    EXPECT_EQ(meteo.gouttes().size(), 50u);
    EXPECT_EQ(meteo.floconsCount(), 50);
    for (const auto& g : meteo.gouttes()) EXPECT_EQ(g->typeGoutte, TTypeGoutte::neige);
}

TEST(Weather, DrawingPaintsDiscsLinesAndPictures) {
    eng::Bitmap surface(40, 40);
    WeatherCanvas canvas(surface);
    TGoutte flocon;
    flocon.typeGoutte = TTypeGoutte::neige;
    flocon.Position = {10, 10};
    flocon.taille = 2;
    flocon.Speed = 0.9f;
    flocon.Draw(canvas);
    EXPECT_EQ(surface.pixel(10, 10), 0xFFFFFAFAu);
    EXPECT_EQ(surface.pixel(14, 10), 0u);
    TGoutte goutte;
    goutte.typeGoutte = TTypeGoutte::pluie;
    goutte.Position = {30, 20};
    goutte.taille = 3;
    goutte.Speed = 3;
    goutte.Draw(canvas);
    EXPECT_EQ(eng::alphaOf(surface.pixel(30, 18)), 204);   // opacity 0.8
    EXPECT_EQ(surface.pixel(30, 18) & 0xFFFFFF, 0xADD8E6u);
    EXPECT_EQ(surface.pixel(30, 24), 0u);
    TGoutte nappe;
    nappe.typeGoutte = TTypeGoutte::brouillard;
    nappe.bmp = std::make_shared<eng::Bitmap>(8, 8, 0xFF0000FF);
    nappe.opacite = 0.5f;
    nappe.Position = {-4, 35};   // partly outside: clipped
    nappe.Draw(canvas);
    EXPECT_NEAR(eng::alphaOf(surface.pixel(0, 36)), 128, 1);
    canvas.clear();
    EXPECT_EQ(surface.pixel(10, 10), 0u);
}
