// The scaling model: half the visible game zone in level units before and after the zoom is applied,
// the zoom of each display mode, parallax strips covering a resized zone, and the repaint counter.
#include "app_fixture.h"
#include "screens/TGameMenu.h"

namespace {

using ScalingTest = AppFixture;

TEST_F(ScalingTest, HalfZoneIsInLevelUnitsWhetherOrNotTheZoomIsApplied) {
    demarrer();
    TfMain& f = *fenetre;
    ASSERT_FLOAT_EQ(f.layZoneJeu->scale.x, 1);
    f.layZoneJeu->width = 1000;
    f.layZoneJeu->height = 576;
    f.calculerDemiZoneJeu();   // not zoomed yet: the window's pixels are divided by the zoom
    EXPECT_FLOAT_EQ(f.demiZoneJeuW, 200);
    EXPECT_FLOAT_EQ(f.demiZoneJeuH, 115.2f);

    f.initialiserFrame();      // zoomed: the zone's own size is already in level units
    EXPECT_FLOAT_EQ(f.layZoneJeu->width, 400);
    f.calculerDemiZoneJeu();
    EXPECT_FLOAT_EQ(f.demiZoneJeuW, 200);
    EXPECT_FLOAT_EQ(f.demiZoneJeuH, 115.2f);

    f.layZoneJeu->width = 600;   // the zoomed branch takes the zone's size as it is
    f.calculerDemiZoneJeu();
    EXPECT_FLOAT_EQ(f.demiZoneJeuW, 300);
}

TEST_F(ScalingTest, ZoomOfEachDisplayMode) {
    demarrer();
    struct Cas {
        bool pleinEcran;
        float largeur;
        float scaleAvant;
        float attendu;
    };
    const Cas cas[] = {
        {false, 1000, 3.0f, 2.5f},        // a window always zooms by 2.5
        {false, 2560, 3.0f, 2.5f},
        {true, 1920, 3.0f, 3.0f},         // full screen up to 1920 keeps the zoom
        {true, 1366, 2.5f, 2.5f},
        {true, 3840, 2.5f, 5.0f},         // wider than 1920: in proportion to the width
        {true, 2560, 2.5f, 2.5f * 2560 / 1920},
    };
    for (const Cas& c : cas) {
        fenetre->SCALE = c.scaleAvant;
        EXPECT_FLOAT_EQ(fenetre->scalePourAffichage(c.pleinEcran, c.largeur), c.attendu)
            << c.pleinEcran << " " << c.largeur;
    }
}

TEST_F(ScalingTest, ResizingKeepsTheZoneInLevelUnitsAndStripsOneImageWider) {
    demarrer();
    TfMain& f = *fenetre;
    f.initialiserFrame();
    auto* strip = f.layZoneJeu->add<TScrolling>();
    strip->Rectangle->fill.bitmap = std::make_shared<eng::Bitmap>(128, 100);
    strip->continueY = true;
    f.listeScrollings.push_back(strip);

    engine->root().width = 1600;
    engine->root().height = 900;
    f.FormResize();
    EXPECT_FLOAT_EQ(f.layZoneJeu->width, 640);
    EXPECT_FLOAT_EQ(f.layZoneJeu->height, 360);
    EXPECT_FLOAT_EQ(f.demiZoneJeuW, 320);
    EXPECT_FLOAT_EQ(f.demiZoneJeuH, 180);
    EXPECT_FLOAT_EQ(strip->Rectangle->width, 128 * (640.0f / 128 + 1));
    EXPECT_FLOAT_EQ(strip->Rectangle->height, 100 * (360.0f / 100 + 1));
    EXPECT_FLOAT_EQ(strip->height, 100);
}

TEST_F(ScalingTest, FrameRateCountsRepaintsOfTheVisibleGameZone) {
    demarrer();
    TfMain& f = *fenetre;
    f.FormPaint();
    EXPECT_EQ(f.FPaintCount, 0);   // no game zone shown: nothing counted
    f.layZoneJeu->visible = true;
    for (int i = 0; i < 58; ++i) f.FormPaint();
    f.tFPS.setEnabled(true);
    avancer(1008);
    EXPECT_EQ(f.lblFPS->text, "FPS: 58");
    EXPECT_EQ(f.FPaintCount, 0);
}

}  // namespace

namespace {

TEST_F(ScalingTest, AnOnScreenKeyboardShrinksTheMenuAboveIt) {
    demarrer();
    fenetre->FormVirtualKeyboardShown(200);
    EXPECT_EQ(fenetre->frmGameMenu->align, eng::Align::Top);
    EXPECT_FLOAT_EQ(fenetre->frmGameMenu->height, 376);
    fenetre->FormVirtualKeyboardHidden();
    EXPECT_EQ(fenetre->frmGameMenu->align, eng::Align::Contents);
}

}  // namespace
