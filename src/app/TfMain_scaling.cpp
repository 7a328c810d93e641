// The scaling model and window repaint bookkeeping: the game zone is laid out in level units and zoomed
// by SCALE; the camera works from half the visible area; repaints are counted for the FPS display.
#include "app/TfMain.h"
#include "level/TScrolling.h"
#include "screens/TGameMenu.h"

void TfMain::ajusterZoneJeu() {
    const eng::Layout& fenetre = engine.root();
    const float zoomX = layZoneJeu->scale.x != 0 ? layZoneJeu->scale.x : 1;
    const float zoomY = layZoneJeu->scale.y != 0 ? layZoneJeu->scale.y : 1;
    layZoneJeu->width = fenetre.width / zoomX;
    layZoneJeu->height = fenetre.height / zoomY;
    placerHUD();   // the head-up display spans the zone
}

float TfMain::scalePourAffichage(bool pleinEcran, float largeurFenetre) const {
    if (!pleinEcran) return 2.5f;
    return largeurFenetre > 1920 ? SCALE_INITIALE * largeurFenetre / 1920 : SCALE;
}

void TfMain::calculerDemiZoneJeu() {
    if (layZoneJeu->scale.x != SCALE) {
        demiZoneJeuH = layZoneJeu->height / SCALE * 0.5f;
        demiZoneJeuW = layZoneJeu->width / SCALE * 0.5f;
    } else {
        demiZoneJeuH = layZoneJeu->height * 0.5f;
        demiZoneJeuW = layZoneJeu->width * 0.5f;
    }
}

void TfMain::FormResize() {
    ajusterZoneJeu();
    calculerDemiZoneJeu();
    deplacerJoueur();
    const float W = layZoneJeu->width;
    const float H = layZoneJeu->height;
    for (TScrolling* strip : listeScrollings) couvrirZone(*strip, W, H);
}

// A strip is one picture wider (and, repeating vertically, one taller) than the zone, so its wrap-around
// never shows a gap.
void TfMain::couvrirZone(TScrolling& strip, float W, float H) {
    if (!strip.Rectangle || !strip.Rectangle->fill.bitmap) return;
    const eng::Bitmap& image = *strip.Rectangle->fill.bitmap;
    if (image.isEmpty()) return;
    const float w = static_cast<float>(image.width());
    strip.Rectangle->width = w * (W / w + 1);
    if (strip.continueY) {
        const float h = static_cast<float>(image.height());
        strip.Rectangle->height = h * (H / h + 1);
        strip.height = h;
    }
}

void TfMain::FormPaint() {
    if (layZoneJeu->visible) ++FPaintCount;
}

void TfMain::tFPSTimer() {
    lblFPS->text = "FPS: " + std::to_string(FPaintCount);
    FPaintCount = 0;
}

void TfMain::FormVirtualKeyboardShown(float hauteurClavier) {
    frmGameMenu->align = eng::Align::Top;
    frmGameMenu->height = engine.root().height - hauteurClavier;
}

void TfMain::FormVirtualKeyboardHidden() {
    frmGameMenu->align = eng::Align::Contents;
}
