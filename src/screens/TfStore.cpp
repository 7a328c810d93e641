// The shop frame: its panel, the three ranges of articles with their veils, the count line, the exit,
// the confirmation box and the opening animation. What a purchase does is the main window's.
#include "screens/TfStore.h"
#include "engine/resources.h"

const std::array<ArticleBoutique, 10> articlesBoutique = {{
    {"Bronze sword", 20, "sword1", "article_epee1"},
    {"Silver sword", 40, "sword2", "article_epee2"},
    {"Gold sword", 70, "sword3", "article_epee3"},
    {"Great boots", 50, "superboots", "article_bottes"},
    {"More energy", 40, "energy", "article_energie"},
    {"One life", 100, "onelife", "article_vie"},
    {"Better stamina", 30, "stamina", "article_endurance"},
    {"Freeze ennemis", 60, "freeze", "article_freeze"},
    {"cherry", 5, "cerise", "cherry"},
    {"Meat", 20, "meat", "drumstick"},
}};

namespace {

eng::Label* texte(eng::Node& parent, const char* nom, float taille, eng::AlphaColor couleur) {
    auto* label = parent.add<eng::Label>();
    label->name = nom;
    label->fontSize = taille;
    label->color = couleur;
    label->textAlign = eng::TextAlign::Center;
    label->hitTest = false;
    return label;
}

eng::Rectangle* bouton(eng::Node& parent, const char* nom, const char* libelle, eng::PointF position) {
    auto* rect = parent.add<eng::Rectangle>();
    rect->name = nom;
    rect->position = position;
    rect->width = 120;
    rect->height = 45;
    rect->fill.color = 0xFF2CA5BE;
    rect->strokeColor = 0xFF03739E;
    rect->strokeThickness = 3;
    rect->xRadius = rect->yRadius = 5;
    auto* label = texte(*rect, "lbl", 18, eng::colors::White);
    label->text = libelle;
    label->align = eng::Align::Client;
    return rect;
}

}  // namespace

TfStore::TfStore() {
    name = "frmStore";
    visible = false;
    width = 1100;
    height = 600;
    construirePanneau();
    construireArticles();
    construireConfirmation();
}

void TfStore::construirePanneau() {
    Rectangle1 = add<eng::Rectangle>();
    Rectangle1->name = "Rectangle1";
    Rectangle1->width = width;
    Rectangle1->height = height;
    Rectangle1->fill.kind = eng::FillKind::RadialGradient;
    Rectangle1->fill.stops = {{0xFF5A3A05, 0}, {0xFFF0B850, 1}};
    Rectangle1->strokeThickness = 5;
    Rectangle1->xRadius = Rectangle1->yRadius = 5;
    Rectangle1->rotationCenter = {0.5f, 0.5f};
    lblTitle = texte(*Rectangle1, "lblTitle", 36, eng::colors::White);
    lblTitle->text = "Store";
    lblTitle->position = {0, 10};
    lblTitle->width = width;
    lblTitle->height = 50;
    auto* fondMessage = Rectangle1->add<eng::Rectangle>();
    fondMessage->position = {50, 75};
    fondMessage->width = width - 100;
    fondMessage->height = 100;
    fondMessage->fill.color = 0xFFC4C4C4;
    fondMessage->strokeColor = 0xFF925412;
    lblMessage = texte(*fondMessage, "lblMessage", 18, eng::colors::Black);
    lblMessage->align = eng::Align::Client;
    lblMessage->wordWrap = true;
    lblYouHave = texte(*Rectangle1, "lblYouHave", 24, eng::colors::White);
    lblYouHave->position = {50, 530};
    lblYouHave->width = 800;
    lblYouHave->height = 45;
    btnForgeBack = bouton(*Rectangle1, "btnForgeBack", "Exit", {950, 530});
    btnForgeBack->onClick = [this](eng::Node&) { if (onBack) onBack(); };
    aniStoreApparition = Rectangle1->add<eng::FloatAnimation>();
    aniStoreApparition->name = "aniStoreApparition";
    aniStoreApparition->propertyName = "Scale.X";
    aniStoreApparition->startValue = 0;
    aniStoreApparition->stopValue = 1;
    aniStoreApparition->duration = 0.5f;
    aniStoreApparition->interpolation = eng::Interpolation::Sinusoidal;
    aniStoreApparition->animationType = eng::AnimationType::Out;
    aniStoreApparition->onProcess = [this](eng::Animation&) { aniStoreApparitionProcess(); };
    aniStoreApparition->onFinish = [this](eng::Animation&) { aniStoreApparitionProcess(); };
}

void TfStore::construireArticles() {
    const char* const nomsRayons[] = {"layArticlesForge", "layArticlesPotions", "layArticlesBoucher"};
    eng::Layout** rayons[] = {&layArticlesForge, &layArticlesPotions, &layArticlesBoucher};
    for (int r = 0; r < 3; ++r) {
        *rayons[r] = Rectangle1->add<eng::Layout>();
        (*rayons[r])->name = nomsRayons[r];
        (*rayons[r])->position = {0, 220};
        (*rayons[r])->width = width;
        (*rayons[r])->height = 130;
        (*rayons[r])->visible = r == 0;
    }
    for (int i = 0; i < 10; ++i) {
        const int premier = i < 4 ? 0 : i < 8 ? 4 : 8, nombre = i < 8 ? 4 : 2;
        const float gauche = (width - static_cast<float>(nombre) * 130 + 30) * 0.5f;
        auto* tuile = rayonDe(i + 1)->add<eng::Rectangle>();
        tuile->name = "layArticle" + std::to_string(i + 1);
        tuile->position = {gauche + static_cast<float>(i - premier) * 130, 0};
        tuile->width = 100;
        tuile->height = 105;
        tuile->fill.color = 0xFFBC8306;
        tuile->strokeColor = 0xFF6B4E02;
        tuile->strokeThickness = 5;
        auto* image = tuile->add<eng::Image>();
        image->name = articlesBoutique[static_cast<size_t>(i)].image;
        image->position = {26, 6};
        image->width = image->height = 48;
        image->hitTest = false;
        lblNameArticle[static_cast<size_t>(i)] = texte(*tuile, "lblNameArticle", 10, eng::colors::White);
        lblNameArticle[static_cast<size_t>(i)]->text = articlesBoutique[static_cast<size_t>(i)].nom;
        lblNameArticle[static_cast<size_t>(i)]->position = {0, 55};
        lblNameArticle[static_cast<size_t>(i)]->width = 100;
        lblNameArticle[static_cast<size_t>(i)]->height = 20;
        lblPrixArticle[static_cast<size_t>(i)] = texte(*tuile, "lblPrixArticle", 16, 0xFF94F591);
        lblPrixArticle[static_cast<size_t>(i)]->text = std::to_string(articlesBoutique[static_cast<size_t>(i)].prix);
        lblPrixArticle[static_cast<size_t>(i)]->position = {0, 78};
        lblPrixArticle[static_cast<size_t>(i)]->width = 100;
        lblPrixArticle[static_cast<size_t>(i)]->height = 24;
        auto* lueur = tuile->add<eng::GlowEffect>();
        lueur->enabled = false;
        tuile->onMouseEnter = [lueur](eng::Node&) { lueur->enabled = true; };
        tuile->onMouseLeave = [lueur](eng::Node&) { lueur->enabled = false; };
        const std::string cle = articlesBoutique[static_cast<size_t>(i)].cle;
        tuile->onClick = [this, cle](eng::Node&) { if (onArticle) onArticle(cle); };
        if (i == 1 || i == 2 || i == 6) tuile->add<eng::MonochromeEffect>();
        layArticle[static_cast<size_t>(i)] = tuile;
    }
}

void TfStore::construireConfirmation() {
    recConfirm = add<eng::Rectangle>();
    recConfirm->name = "recConfirm";
    recConfirm->width = 387;
    recConfirm->height = 132;
    recConfirm->position = {(width - recConfirm->width) * 0.5f, (height - recConfirm->height) * 0.5f};
    recConfirm->fill.color = 0xFF615F5F;
    recConfirm->xRadius = recConfirm->yRadius = 5;
    recConfirm->visible = false;
    lblConfirmation = texte(*recConfirm, "lblConfirmation", 14, eng::colors::White);
    lblConfirmation->position = {10, 10};
    lblConfirmation->width = 367;
    lblConfirmation->height = 50;
    lblConfirmation->wordWrap = true;
    btnBuy = bouton(*recConfirm, "btnBuy", "Buy", {50, 75});
    voileBuy = btnBuy->add<eng::MonochromeEffect>();
    voileBuy->enabled = false;
    btnBuy->onClick = [this](eng::Node&) {
        if (btnBuy->enabled && onBuy) onBuy();
    };
    btnCancel = bouton(*recConfirm, "btnCancel", "Cancel", {217, 75});
    btnCancel->onClick = [this](eng::Node&) { recConfirm->visible = false; };
}

eng::Layout* TfStore::rayonDe(int numero) const {
    return numero <= 4 ? layArticlesForge : numero <= 8 ? layArticlesPotions : layArticlesBoucher;
}

void TfStore::initialiser() {
    Rectangle1->scale = {0, 0};
    const std::string titre = eng::toLower(lblTitle->text);
    eng::Layout* rayon = titre == "black-smith"   ? layArticlesForge
                         : titre == "magic potions" ? layArticlesPotions
                         : titre == "food"          ? layArticlesBoucher
                                                    : nullptr;
    if (rayon) {   // a title that names no range keeps the range shown last
        for (eng::Layout* r : {layArticlesForge, layArticlesPotions, layArticlesBoucher}) r->visible = r == rayon;
    }
    recConfirm->visible = false;
    aniStoreApparition->start();
}

void TfStore::aniStoreApparitionProcess() {
    Rectangle1->scale.y = Rectangle1->scale.x;
}

void TfStore::voiler(int numero, bool voile) {
    if (auto* effet = layArticle[static_cast<size_t>(numero - 1)]->firstChildOfType<eng::MonochromeEffect>())
        effet->enabled = voile;
}

bool TfStore::estVoile(int numero) const {
    const auto* effet = layArticle[static_cast<size_t>(numero - 1)]->firstChildOfType<eng::MonochromeEffect>();
    return effet && effet->enabled;
}

void TfStore::montrerConfirmation(const std::string& question, int prix, const std::string& cle, bool assez) {
    lblConfirmation->text = assez ? question : "You don't have enough diamond.";
    btnBuy->tag = prix;
    btnBuy->tagString = cle;
    btnBuy->enabled = assez;
    voileBuy->enabled = !assez;
    recConfirm->visible = true;
    recConfirm->bringToFront();
}

nlohmann::ordered_json TfStore::etat() const {
    const char* rayon = layArticlesForge->visible ? "forge" : layArticlesPotions->visible ? "potions" : "boucher";
    return {{"visible", visible},
            {"lblTitle", lblTitle->text},
            {"lblMessage", lblMessage->text},
            {"lblYouHave", lblYouHave->text},
            {"range", rayon},
            {"recConfirm", recConfirm->visible},
            {"lblConfirmation", lblConfirmation->text},
            {"btnBuyEnabled", btnBuy->enabled},
            {"veils", {estVoile(2), estVoile(3), estVoile(7)}}};
}
