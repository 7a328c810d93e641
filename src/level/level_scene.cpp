// The level's part of the game zone: element containers of both planes, the hero image, the night overlay,
// the energy bar, the level title and the falling-platform drop. Created once with the main window.
#include "app/TfMain.h"

namespace {

eng::Layout* addContainer(eng::Node& plane, const char* name) {
    auto* container = plane.add<eng::Layout>();
    container->name = name;
    container->hitTest = false;
    return container;
}

eng::Rectangle* addDarkRectangle(eng::Node& parent, const char* name) {
    auto* side = parent.add<eng::Rectangle>();
    side->name = name;
    side->hitTest = false;
    side->fill.kind = eng::FillKind::Solid;
    side->fill.color = eng::colors::Black;
    side->strokeVisible = false;
    return side;
}

// A dark frame around a clear centre: transparent in the middle, black towards the edges.
eng::BitmapPtr nightPicture() {
    constexpr int width = 400, height = 300;
    auto picture = std::make_shared<eng::Bitmap>(width, height, eng::colors::Black);
    auto& pixels = picture->mutablePixels();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const float dx = (x - width * 0.5f) / (width * 0.5f), dy = (y - height * 0.5f) / (height * 0.5f);
            const float distance = std::min(1.0f, dx * dx + dy * dy);
            const auto alpha = static_cast<eng::AlphaColor>(255 * distance);
            pixels[static_cast<size_t>(y) * width + x] = alpha << 24;
        }
    }
    return picture;
}

}  // namespace

void TfMain::creerSceneNiveau() {
    recDecor = addContainer(*layNiveau, "recDecor");
    recPlateforme = addContainer(*layNiveau, "recPlateforme");
    recEnnemi = addContainer(*layNiveau, "recEnnemi");
    recBonus = addContainer(*layNiveau, "recBonus");
    recDecorBloquant = addContainer(*layNiveau, "recDecorBloquant");
    recDecorAnime = addContainer(*layNiveau, "recDecorAnime");
    recSpeciaux = addContainer(*layNiveau, "recSpeciaux");
    recPlateformeTournante = addContainer(*layNiveau, "recPlateformeTournante");
    recBonus2 = addContainer(*layNiveau2, "recBonus2");
    recDecor2 = addContainer(*layNiveau2, "recDecor2");
    recDecorAnime2 = addContainer(*layNiveau2, "recDecorAnime2");
    recDecorBloquant2 = addContainer(*layNiveau2, "recDecorBloquant2");
    recEnnemi2 = addContainer(*layNiveau2, "recEnnemi2");
    recPlateforme2 = addContainer(*layNiveau2, "recPlateforme2");
    recSpeciaux2 = addContainer(*layNiveau2, "recSpeciaux2");
    recDecorDevant2 = addContainer(*layNiveau2, "recDecorDevant2");
    layNiveau->hitTest = false;
    layNiveau2->hitTest = false;
    layDecorDevant->hitTest = false;

    joueurPoussiere = layNiveau->add<eng::Image>();
    joueurPoussiere->name = "joueurPoussiere";
    joueurPoussiere->hitTest = false;
    joueurPoussiere->visible = false;
    joueurPoussiere->width = 100;
    joueurPoussiere->height = 48;
    joueur = layNiveau->add<eng::Image>();
    joueur->name = "joueur";
    joueur->hitTest = false;
    joueur->width = 100;    // every hero frame is 100 x 48: the sword swing fits beside the body
    joueur->height = 48;
    aniPlayer = joueur->add<eng::BitmapListAnimation>();
    aniPlayer->name = "aniPlayer";
    aniPlayer->loop = true;

    recNuit = layNiveau->add<eng::Rectangle>();
    recNuit->name = "recNuit";
    recNuit->hitTest = false;
    recNuit->visible = false;
    recNuit->width = 400;
    recNuit->height = 300;
    recNuit->opacity = 0.95f;
    recNuit->fill.kind = eng::FillKind::Bitmap;
    recNuit->fill.bitmapWrap = eng::WrapMode::Stretch;
    recNuit->fill.bitmap = nightPicture();
    recNuit->strokeVisible = false;
    recNuitHaut = addDarkRectangle(*recNuit, "recNuitHaut");
    recNuitBas = addDarkRectangle(*recNuit, "recNuitBas");
    recNuitGauche = addDarkRectangle(*recNuit, "recNuitGauche");
    recNuitDroite = addDarkRectangle(*recNuit, "recNuitDroite");

    recEnergie = layHUD->add<eng::Rectangle>();
    recEnergie->name = "recEnergie";
    recEnergie->hitTest = false;
    recEnergie->fill.kind = eng::FillKind::None;
    recEnergie->strokeThickness = 2;
    recEnergie->strokeColor = eng::colors::White;
    recEnergie->xRadius = recEnergie->yRadius = 3;
    recEnergie->position = {20, 44};
    recEnergie->width = maxEnergie + 4;
    recEnergie->height = 14;
    recMarqueurEnergie = recEnergie->add<eng::Rectangle>();
    recMarqueurEnergie->name = "recMarqueurEnergie";
    recMarqueurEnergie->hitTest = false;
    recMarqueurEnergie->fill.color = 0xFF2D5F9D;
    recMarqueurEnergie->strokeVisible = false;
    recMarqueurEnergie->position = {2, 2};
    recMarqueurEnergie->width = maxEnergie;
    recMarqueurEnergie->height = 10;

    layNomNiveau = layZoneJeu->add<eng::Layout>();
    layNomNiveau->name = "layNomNiveau";
    layNomNiveau->hitTest = false;
    layNomNiveau->opacity = 0;
    layNomNiveau->width = 400;
    layNomNiveau->height = 40;
    lblNomNiveau = layNomNiveau->add<eng::Label>();
    lblNomNiveau->name = "lblNomNiveau";
    lblNomNiveau->align = eng::Align::Client;
    lblNomNiveau->fontSize = 24;
    lblNomNiveau->color = eng::colors::White;
    lblNomNiveau->textAlign = eng::TextAlign::Center;
    aniNomNiveau = layNomNiveau->add<eng::FloatAnimation>();
    aniNomNiveau->name = "aniNomNiveau";
    aniNomNiveau->propertyName = "Opacity";
    aniNomNiveau->startValue = 1;
    aniNomNiveau->stopValue = 0;
    aniNomNiveau->duration = 4;
    aniNomNiveau->delay = 2;

    aniPlateforme = layZoneJeu->add<eng::FloatAnimation>();
    aniPlateforme->name = "aniPlateforme";
    aniPlateforme->propertyName = "Position.Y";
    aniPlateforme->delay = 0.3f;
    aniPlateforme->duration = 2.0f;
    aniPlateforme->interpolation = eng::Interpolation::Quintic;
    aniPlateforme->onFinish = [this](eng::Animation&) { aniPlateformeFinish(); };

    imgMeteo = layMeteo->add<eng::Image>();
    imgMeteo->name = "imgMeteo";
    imgMeteo->hitTest = false;
    imgMeteo->wrapMode = eng::WrapMode::Original;
    tMeteo.onTimer = [this] { layMeteoPaint(); };
}

void TfMain::aniPlateformeFinish() {
    // The drop was lent to a falling platform; it is one shared object of the game zone.
    if (aniPlateforme && aniPlateforme->parent() != layZoneJeu) aniPlateforme->setParent(layZoneJeu);
}
