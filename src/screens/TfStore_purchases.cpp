// Buying in the shop: opening it from a door, the confirmation of an article, the purchase and its
// effect on the hero's equipment, energy and lives, and leaving the shop back to the level.
#include <algorithm>
#include "app/TfMain.h"
#include "engine/resources.h"
#include "level/text_fields.h"
#include "screens/TfStore.h"

namespace {

const ArticleBoutique* articleDe(const std::string& cle) {
    for (const ArticleBoutique& article : articlesBoutique)
        if (cle == article.cle) return &article;
    return nullptr;
}

std::string remplacer(std::string texte, const std::string& quoi, const std::string& par) {
    for (size_t pos = 0; (pos = texte.find(quoi, pos)) != std::string::npos; pos += par.size())
        texte.replace(pos, quoi.size(), par);
    return texte;
}

}  // namespace

std::string TfMain::texteDiamants() const {
    return "You have " + std::to_string(nbBonus) + " " + (nbBonus > 1 ? "diamonds" : "diamond") + ".";
}

void TfMain::ouvrirBoutique(const std::string& destination) {
    PixelateEffect->enabled = false;
    recWaiting->visible = false;
    basculerPause(false);
    frmStore->lblYouHave->text = texteDiamants();
    const auto champs = splitFields(destination, ':');
    frmStore->lblTitle->text = champs[1];
    frmStore->lblMessage->text = remplacer(champs[2], "|", "\r\n");
    if (aEpee) frmStore->voiler(2, false);
    if (aEpee2) frmStore->voiler(3, false);
    if (aSuperBottes) frmStore->voiler(7, false);
    frmStore->position = {(engine.root().width - frmStore->width) * 0.5f,
                          (engine.root().height - frmStore->height) * 0.5f};
    frmStore->initialiser();
    frmStore->visible = true;
    frmStore->bringToFront();
    initialiserTouches(true);
}

void TfMain::fermerBoutique() {
    if (!frmStore) return;
    frmStore->visible = false;
    frmStore->recConfirm->visible = false;
}

void TfMain::preparerAchat(const std::string& cle) {
    const ArticleBoutique* article = articleDe(cle);
    if (!article) return;
    const size_t i = static_cast<size_t>(article - articlesBoutique.data());
    const std::string& textePrix = frmStore->lblPrixArticle[i]->text;
    const int prix = parseIntOr(textePrix, article->prix);
    const std::string question = remplacer(
        remplacer("Sure to buy $item for $cost ?", "$item", eng::toLower(frmStore->lblNameArticle[i]->text)), "$cost",
        textePrix);
    frmStore->montrerConfirmation(question, prix, cle, nbBonus >= prix);
}

void TfMain::frmStorebtnBuyClick() {
    if (!frmStore->btnBuy->enabled) return;   // a refused purchase cannot be confirmed
    if (sons) jouerSon(mpUpgradePlayer, VOLUME_EFFET);
    nbBonus -= frmStore->btnBuy->tag;
    frmStore->lblYouHave->text = texteDiamants();
    lblNbBonus->text = std::to_string(nbBonus);
    appliquerAchat(frmStore->btnBuy->tagString);
    endurance = std::max(0.0f, endurance);
    frmStore->recConfirm->visible = false;
}

void TfMain::appliquerAchat(const std::string& cle) {
    const bool placeDansLaJauge = recEnergie->width - recMarqueurEnergie->width >= 25;
    if (cle == "sword1") {
        aEpee = true;
        frmStore->voiler(2, false);
    } else if (cle == "sword2") {
        aEpee2 = true;
        frmStore->voiler(3, false);
    } else if (cle == "sword3") {
        aEpee3 = true;
    } else if (cle == "superboots") {
        aSuperBottes = true;
    } else if (cle == "energy") {
        if (maxEnergie < 175) {
            recEnergie->width += 25;
            maxEnergie += 25;
        }
    } else if (cle == "onelife") {
        nbVie += 1;
    } else if (cle == "stamina") {
        endurance -= 0.2f;
    } else if (cle == "freeze") {
        aFreeze = true;
        tEnnemiToucheDelais += 500;
        tEnnemiTouche.setInterval(tEnnemiToucheDelais);
    } else if (cle == "cerise" && placeDansLaJauge) {
        nbEnergie += 25;
        recMarqueurEnergie->width += 25;
    } else if (cle == "meat" && placeDansLaJauge) {
        nbEnergie = maxEnergie;
        recMarqueurEnergie->width = maxEnergie;
    }
}

void TfMain::frmStorebtnForgeBackClick() {
    fermerBoutique();
    basculerPause(false);
}
