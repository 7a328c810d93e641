// Loading a level: clear the previous one, read the document step by step into the level fields and the
// definition lists, build the parallax layers and both planes, then stack the containers.
#include <cmath>
#include "app/TfMain.h"
#include "level/level_document.h"
#include "level/level_tables.h"
#include "level/pictures.h"
#include "level/text_fields.h"

namespace {

const char* const placementKeys[] = {"decor", "decorImage", "decorFromTileSet", "plateformes", "bonus",
                                     "ennemis", "ennemisNormal", "ennemisDifficile", "speciaux"};

}  // namespace

void TfMain::chargerNiveau(const std::string& nomfic) {
    initialiserConteneurs();
    nomNiveauCharge = nomfic;
    const auto document = LevelDocument::parse(nomfic, resources.loadText(nomfic));
    if (!document) return;   // not a level document: the cleared level stays empty, silently
    const LevelDocument& doc = *document;

    nbCol = doc.integer("width");
    nbLg = doc.integer("height");
    night = doc.boolean("night");
    TileSize = doc.integer("tileSize");
    lblNomNiveau->text = doc.string("nom");
    niveauBonus = lowerCase(lblNomNiveau->text).find("bonus") != std::string::npos;
    lireMeteo(doc.string("meteo"));
    needConsole = doc.boolean("needConsole");
    demiTile = TileSize * 0.5f;
    chargerImageDans(tileSet, cheminImage(doc.string("tileImage")));
    chargerImageDans(tileSet2, cheminImage(doc.string("tilebackImage")));
    nbTilePerLine = TileSize != 0 ? roundHalfEven(static_cast<double>(tileSet->width()) / TileSize) : 0;
    gravite = static_cast<float>(doc.number("gravity"));
    musique = doc.string("musique");
    MaxTimeEasy = doc.minutes("maxTimeEasy");
    MaxTimeNormal = doc.minutes("maxTimeNormal");
    MaxTimeDifficult = doc.minutes("maxTimeDifficult");
    playerStartPosX = doc.integer("playerStartPosX") * TileSize;
    playerStartPosY = doc.integer("playerStartPosY") * TileSize;
    const std::string hitBox = doc.string("playerHitBox");
    attaqueHitBox = doc.integer("attaqueHitBox");
    playerHitBox = parseHitBox(hitBox);
    lirePlacements(doc);
    prechargerImagesDesPlans();
    chargerImagesJoueur(doc);
    for (size_t i = 0; i < doc.array("scrollings").size(); ++i) creerScrolling(doc, i);

    listeDecor = lireDecors(doc);
    listeDecorsTileset = lireDecorsTileset(doc);
    listePlateformes = lirePlateformes(doc);
    listeBonus = lireBonus(doc);
    listeEnnemis = lireEnnemis(doc);
    listeSpecial = lireSpeciaux(doc);

    construirePlan(false);
    construirePlan(true);
    empilerConteneurs();
    tempsEcoule = 0;
}

// The two plane pictures are by far the largest of a level: both are decoded at once, ahead of the
// construction that places them.
void TfMain::prechargerImagesDesPlans() {
    std::vector<std::string> noms;
    for (const std::string* image : {&decorImage, &decorImage2})
        if (const auto ressource = nomRessourceImage(*image)) noms.push_back(*ressource);
    resources.preloadBitmaps(noms);
}

void TfMain::lireMeteo(const std::string& valeur) {
    meteo = lowerCase(valeur);
    if (meteo == "none") {
        layMeteo->visible = false;
        tMeteo.setEnabled(false);
        return;
    }
    dimensionnerMeteo();
    meteoBack = false;
    if (meteo == "pluie") demarrerPluie();
    else if (meteo == "neige") demarrerNeige();
    else if (meteo == "brouillard") demarrerBrouillard();
    else if (meteo == "pluieback") { meteoBack = true; demarrerPluie(); }
    else if (meteo == "neigeback") { meteoBack = true; demarrerNeige(); }
    else if (meteo == "brouillardback") { meteoBack = true; demarrerBrouillard(); }
}

void TfMain::lirePlacements(const LevelDocument& doc) {
    std::string* const plan1[] = {&decor, &decorImage, &decorFromTileSet, &plateformes, &bonus,
                                  &ennemis, &ennemisNormal, &ennemisDifficile, &speciaux};
    std::string* const plan2[] = {&decor2, &decorImage2, &decorFromTileSet2, &plateformes2, &bonus2,
                                  &ennemis2, &ennemisNormal2, &ennemisDifficile2, &speciaux2};
    for (size_t i = 0; i < std::size(placementKeys); ++i) *plan1[i] = doc.string(std::string("niveau.") + placementKeys[i]);
    for (size_t i = 0; i < std::size(placementKeys); ++i) *plan2[i] = doc.string(std::string("niveau2.") + placementKeys[i]);
}

void TfMain::chargerImagesJoueur(const LevelDocument& doc) {
    const std::pair<const char*, eng::BitmapPtr*> sheets[] = {
        {"player-idle", &playerIdle}, {"player-crouch", &playerCrouch}, {"player-crouch-left", &playerCrouchGauche},
        {"player-hit", &playerHit}, {"player-hit-left", &playerHitGauche}, {"player-attaque1", &playerAttaque1},
        {"player-attaque1-left", &playerAttaque1Gauche}, {"player-attaqueAir", &playerAttaqueAir},
        {"player-attaqueAir-left", &playerAttaqueAirGauche}, {"player-attaque2", &playerAttaque2},
        {"player-attaque2-left", &playerAttaque2Gauche}, {"player-idle-left", &playerIdleGauche},
        {"dust-jump", &dustJump}, {"dust-land", &dustLand}, {"player-walk", &playerWalk},
        {"player-run", &playerRun}, {"player-walk-left", &playerWalkGauche}, {"player-run-left", &playerRunGauche},
        {"player-jump", &playerSauter}, {"player-jump-left", &playerSauterGauche},
        {"player-jumpEnd", &playerSauterFin}, {"player-jumpEnd-left", &playerSauterFinGauche},
        {"player-jump-back", &playerSauterDerriere}, {"player-jump-front", &playerSauterDevant},
        {"player-death", &playerMort}, {"player-death-left", &playerMortGauche},
    };
    for (const auto& [key, sheet] : sheets) chargerImageDans(*sheet, cheminImage(doc.string(key)));
}

void TfMain::creerScrolling(const LevelDocument& doc, size_t index) {
    const LevelDocument::Entry entry(doc, doc.array("scrollings")[index], "scrollings[" + std::to_string(index) + "]");
    const std::string image = entry.string("image");
    // Backdrops go under everything else of the game zone, the first one farthest.
    auto* layer = static_cast<TScrolling*>(layZoneJeu->insertChild(listeScrollings.size(), std::make_unique<TScrolling>()));
    listeScrollings.push_back(layer);   // listed at once so that a failing entry is still cleared
    layer->Rectangle->fill.bitmap = chargerImage(cheminImage(image));
    layer->continueY = entry.boolean("continueY");
    layer->posY = entry.integer("posY");
    layer->position.y = static_cast<float>(layer->posY);
    const auto& picture = *layer->Rectangle->fill.bitmap;
    const float bw = static_cast<float>(picture.width()), bh = static_cast<float>(picture.height());
    const float fw = engine.root().width, fh = engine.root().height;
    layer->Rectangle->width = bw > 0 ? bw * SCALE * (fw / bw * SCALE + 1) : 0;
    layer->Rectangle->height = layer->continueY && bh > 0 ? bh * SCALE * (fh / bh * SCALE + 1) : bh;
    layer->height = bh;
    layer->width = layer->Rectangle->width;
    layer->Vitesse = static_cast<float>(entry.number("vitesse"));
    layer->foreGround = entry.boolean("foreground");
}

void TfMain::construirePlan(bool niveau2) {
    genererDecor(niveau2 ? decor2 : decor, niveau2);
    genererDecorFromTileSet(niveau2 ? decorFromTileSet2 : decorFromTileSet, niveau2);
    genererPlateformes(niveau2 ? plateformes2 : plateformes, niveau2);
    genererBonus(niveau2 ? bonus2 : bonus, niveau2);
    genererDecorImage(niveau2 ? decorImage2 : decorImage, niveau2);
    genererEnnemis(niveau2 ? ennemis2 : ennemis, niveau2);
    if (difficulte != TDifficulte::facile) genererEnnemis(niveau2 ? ennemisNormal2 : ennemisNormal, niveau2);
    if (difficulte == TDifficulte::difficile) genererEnnemis(niveau2 ? ennemisDifficile2 : ennemisDifficile, niveau2);
    if (!niveau2 && !niveauBonus) {
        // Rising water covers the other enemies.
        std::vector<eng::Node*> eaux;
        for (const auto& child : recEnnemi->children()) {
            if (roundHalfEven(child->tagFloat) == pvCode::eauMontante) eaux.push_back(child.get());
        }
        for (eng::Node* eau : eaux) eau->bringToFront();
    }
    genererSpeciaux(niveau2 ? speciaux2 : speciaux, niveau2);
}

void TfMain::empilerConteneurs() {
    if (decorAnime2DevantDecor2) { recDecor2->bringToFront(); recDecorAnime2->bringToFront(); }
    else { recDecorAnime2->bringToFront(); recDecor2->bringToFront(); }
    for (eng::Node* n : {recDecorBloquant2, recPlateforme2, recBonus2, recEnnemi2, recSpeciaux2, recDecorDevant2})
        n->bringToFront();
    if (decorAnimeDevantDecor) { recDecor->bringToFront(); recDecorAnime->bringToFront(); }
    else { recDecorAnime->bringToFront(); recDecor->bringToFront(); }
    for (eng::Node* n : {recDecorBloquant, recPlateforme, recPlateformeTournante, recBonus, recEnnemi, recSpeciaux})
        n->bringToFront();
    layNiveau2->position.y = -demiTile;
    layNiveau2->bringToFront();
    layNiveau->bringToFront();
    if (joueur) joueur->bringToFront();
    layDecorDevant->bringToFront();
    if (recNuit && recNuit->visible) recNuit->bringToFront();
    layHUD->bringToFront();
}
