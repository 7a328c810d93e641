// The stage machine: afficherStage stores the new stage first, then runs that stage's entry actions.
// Every screen change of the game goes through here; the Play buttons of the tutorial and story lead on.
#include "app/TfMain.h"
#include "screens/TGameHistory.h"
#include "screens/TGameHowToPlay.h"
#include "screens/TGameIntro.h"
#include "screens/TGameMenu.h"
#include "screens/TfMap.h"

namespace {

void arreterSiEnCours(eng::Animation& animation) {
    if (animation.running()) animation.stop();
}

void activerAnimation(eng::Animation& animation, bool actif) {
    animation.enabled = actif;
    if (actif) animation.start();
    else arreterSiEnCours(animation);
}

void montrerDevant(eng::Node& frame) {
    frame.visible = true;
    frame.bringToFront();
}

// A story or tutorial content larger than the window fills it instead of keeping its design size.
void ajusterContenu(eng::Layout& contenu, const eng::Node& fenetre) {
    if (contenu.height > fenetre.height || contenu.width > fenetre.width) contenu.align = eng::Align::Contents;
}

}  // namespace

void TfMain::afficherStage(TStage stage) {
    activeStage = stage;
    switch (stage) {
    case TStage::intro: entrerIntro(); break;
    case TStage::menu: entrerMenu(); break;
    case TStage::map: entrerCarte(); break;
    case TStage::jeu: entrerJeu(); break;
    case TStage::history: entrerHistoire(); break;
    case TStage::howToPlay: entrerTutoriel(); break;
    }
}

void TfMain::entrerIntro() {
    frmGameIntro->MediaPlayerMusique.setVolume(VOLUME_MUSIQUE);
    frmGameIntro->visible = true;
    frmGameIntro->Initialiser();
}

void TfMain::quitterMenu() {
    arreterSiEnCours(*frmGameMenu->aniRippleTitre);
    frmGameMenu->visible = false;
    activerAnimation(*frmGameMenu->aniMenu1, false);
    activerAnimation(*frmGameMenu->aniMenu2, false);
    for (eng::FloatAnimation* animation : frmGameMenu->FloatAnimation) arreterSiEnCours(*animation);
    frmGameMenu->mpMusique.stop();
}

void TfMain::prendreManette() {
    useJoypad = frmGameMenu->joypadChoisi();
}

void TfMain::entrerMenu() {
    TGameMenu& menu = *frmGameMenu;
    menu.mpMusique.setVolume(VOLUME_MUSIQUE);
    frmMap->mpMusique.stop();
    menu.nbOpacity = opacity;
    chargerSon(menu.mpMusique, "Drumming-Sticks");
    chargerSon(menu.mpClic, "click1");
    chargerSon(menu.mpSonCheat, "powerUp7");
    mpMusiqueGameover.stop();
    menu.rippleTitre->frequency = 0;
    activerAnimation(*menu.aniMenu1, true);
    activerAnimation(*menu.aniMenu2, true);
    for (eng::FloatAnimation* animation : menu.FloatAnimation) activerAnimation(*animation, true);
    menu.initialiser();
    prendreManette();
    bSaut = menu.btnJump;
    bAction = menu.btnAction;
    bPause = menu.btnPause;
    // TODO(options): apply the options' display mode (full screen or window size) here.
    montrerDevant(menu);
    frmMap->visible = false;
    frmGameIntro->visible = false;
    layGameOver->visible = false;
    layZoneJeu->position = {0, 0};
}

void TfMain::entrerCarte() {
    TGameHistory& histoire = *frmGameHistory;
    // TODO(gamepad): switch the story's gamepad highlight off, and refresh the highlight after the focus below.
    if (useJoypad) composantActif = 20;
    arreterSiEnCours(*histoire.aniConsoles);
    histoire.mpMusique.stop();
    histoire.visible = false;
    layZoneJeu->visible = false;
    MediaMusique.stop();
    musiques = frmGameMenu->musics;
    sons = frmGameMenu->sounds;
    quitterMenu();

    TfMap& carte = *frmMap;
    // TODO(world map): place the zone pictures for the window size, set the padlocks and the zones' pulses.
    chargerSon(carte.mpMusique, "MusicMap");
    if (musiques) carte.mpMusique.play();
    carte.aniZoom->start();
    carte.aniBtnMenu->start();
    montrerDevant(carte);
}

void TfMain::entrerJeu() {
    lblFPS->visible = frmGameMenu->showFPS;
    frmMap->mpMusique.stop();
    prendreManette();
    frmMap->visible = false;
    arreterSiEnCours(*frmMap->aniZoom);
    arreterSiEnCours(*frmMap->aniBtnMenu);
    layZoneJeu->visible = true;
    layNiveau->position = {0, 0};
    layHUD->position = {0, 0};
    nbVieMaxOption = frmGameMenu->nbVie;
    initialiserFrame();
    lancerNiveau(nomNiveau, -1, -1, 1);
}

void TfMain::entrerHistoire() {
    TGameHowToPlay& tutoriel = *frmGameHowToPlay;
    tutoriel.mpMusique.stop();
    arreterSiEnCours(*tutoriel.aniPlayer);
    tutoriel.tChangementAction.setEnabled(false);
    // TODO(gamepad): move the gamepad highlight from the tutorial to the story when a gamepad is in use.
    layZoneJeu->visible = false;
    tutoriel.visible = false;

    TGameHistory& histoire = *frmGameHistory;
    chargerSon(histoire.mpMusique, "WackyWaiting");
    chargerSon(histoire.mpClic, "click1");
    histoire.musiques = frmGameMenu->musics;
    histoire.sons = frmGameMenu->sounds;
    histoire.initialiser();
    ajusterContenu(*histoire.Layout7, engine.root());
    montrerDevant(histoire);
}

void TfMain::entrerTutoriel() {
    // TODO(gamepad): the tutorial's gamepad highlight is on exactly when useJoypad is set.
    layZoneJeu->visible = false;
    quitterMenu();

    TGameHowToPlay& tutoriel = *frmGameHowToPlay;
    chargerSon(tutoriel.mpMusique, "Drumming-Sticks");
    tutoriel.musiques = frmGameMenu->musics;
    tutoriel.sons = frmGameMenu->sounds;
    ajusterContenu(*tutoriel.Layout5, engine.root());
    // TODO(gamepad): with useJoypad, lblBoutonA and lblBoutonB show getNomBoutonJoypad of bAction and bSaut.
    tutoriel.Initialiser();
    montrerDevant(tutoriel);
}

void TfMain::frmGameIntroaniLibelleFinish() {
    afficherStage(TStage::menu);
}

void TfMain::frmGameHowToPlaybtnPlayClick() {
    afficherStage(TStage::history);
}

void TfMain::frmGameHistorybtnPlayClick() {
    if (sons) jouerSon(frmGameHistory->mpClic, VOLUME_EFFET);
    afficherStage(TStage::map);
}
