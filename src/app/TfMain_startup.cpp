// Start-up and shutdown of the main window: start values, empty hero bitmaps, the game font, the first stage.
// Shutdown frees the level scene, the lists and the bitmaps.
#include "app/TfMain.h"
#include "engine/platform.h"

namespace {

// The saves folder: the per-user folder's "saves" subfolder (the high-score file lies there too).
std::string dossierSauvegardes() {
    std::string dir = eng::userDataDir();
    if (!dir.empty() && dir.back() != '/' && dir.back() != '\\') dir += '/';
    return dir + "saves";
}

bool prendLaPolice(const eng::Node& node) {
    // Labels carry every text of the game; group boxes and check boxes draw theirs through a label child.
    return dynamic_cast<const eng::Label*>(&node) != nullptr;
}

}  // namespace

void TfMain::FormCreate() {
    // Gamepad working state.
    btnAppuyer.clear();
    directionJoypad.clear();
    configJoypad = -1;

    presenceBaril = false;
    BarilExplosionEnCours = false;
    meteoBack = false;

    lblFPS->visible = true;
    layBonus->visible = false;
    if (eng::Platform* platform = engine.platform()) platform->setFullscreen(false);
    if (imgJoypad) imgJoypad->visible = true;

    aNes = aMS = aPC = aMD = aSNES = aNeo = aSuper = false;
    aNesBonus = aMSBonus = aPCBonus = aMDBonus = aSNESBonus = aSuperBonus = false;
    night = false;
    musiques = true;
    sons = true;
    niveauBonus = false;
    useJoypad = false;
    tEnnemiToucheDelais = 1000;
    decorAnimeDevantDecor = false;
    decorAnime2DevantDecor2 = false;
    opacity = 0.4f;
    maxEnergie = 75;
    endurance = 1.0f;

    layZoneJeu->visible = false;
    remplirEnergie();
    layZoneJeu->hitTest = false;

    SCALE = 2.5f;
    SCALE_INITIALE = 2.5f;
    for (eng::BitmapPtr* bitmap : bitmapsJoueur()) *bitmap = std::make_shared<eng::Bitmap>();

    ficBDD = dossierSauvegardes() + "/highscores.gdb";
    // TODO(high scores): load ficBDD into the high-score table when it exists; until then the table is empty.
}

std::vector<eng::BitmapPtr*> TfMain::bitmapsJoueur() {
    return {&playerIdle, &playerIdleGauche, &playerWalk, &playerWalkGauche, &playerRun, &playerRunGauche,
            &playerSauter, &playerSauterGauche, &playerSauterFin, &playerSauterFinGauche, &playerSauterDerriere,
            &playerSauterDevant, &playerCrouch, &playerCrouchGauche, &playerHit, &playerHitGauche,
            &playerAttaque1, &playerAttaque1Gauche, &playerAttaque2, &playerAttaque2Gauche, &playerAttaqueAir,
            &playerAttaqueAirGauche, &playerMort, &playerMortGauche, &dustJump, &dustLand, &tileSet, &tileSet2};
}

void TfMain::FormShow() {
    appliquerPolice("Arlett Future", engine.root());
    afficherStage(TStage::intro);
}

void TfMain::appliquerPolice(const std::string& family, eng::Node& root) {
    for (const auto& child : root.children()) {
        if (prendLaPolice(*child)) static_cast<eng::Label&>(*child).fontFamily = family;
        if (child->childCount() > 0) appliquerPolice(family, *child);
    }
}

void TfMain::FormDestroy() {
    flocons.reset();
    if (!niveauBonus) libererListes();
    for (eng::BitmapPtr* bitmap : bitmapsJoueur()) bitmap->reset();
    // TODO(high scores): write the high-score table to ficBDD.
}

void TfMain::libererListes() {
    initialiserConteneurs();
    viderListes();
    // TODO(bonus stages): stop and free the bonus-stage gold items' animations, last to first.
}

void TfMain::viderListes() {
    listeScrollings.clear();   // the strips themselves belong to the game zone
    listeDecor.clear();
    listeDecorsTileset.clear();
    listePlateformes.clear();
    listeBonus.clear();
    listeEnnemis.clear();
    listeSpecial.clear();
}
