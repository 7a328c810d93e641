// The main window's composition: the screens, the game zone with its layers, the window's own layers.
// Every node is owned by the engine's scene tree; the window keeps raw pointers and removes its nodes when it goes.
#include "app/TfMain.h"
#include "screens/TGameHistory.h"
#include "screens/TGameHowToPlay.h"
#include "screens/TGameIntro.h"
#include "screens/TGameMenu.h"
#include "screens/TfMap.h"
#include "screens/TfStore.h"

namespace {

template <class T>
T* named(T* node, const char* name) {
    node->name = name;
    return node;
}

eng::Label* addLabel(eng::Node& parent, const char* name, float size, eng::AlphaColor color) {
    auto* label = named(parent.add<eng::Label>(), name);
    label->fontSize = size;
    label->color = color;
    return label;
}

}  // namespace

TfMain::TfMain(eng::Engine& engine, const std::vector<std::string>& resourceDirs) : engine(engine) {
    for (const std::string& dir : resourceDirs) resources.addSearchDir(dir);
    eng::Layout& root = engine.root();
    frmGameIntro = root.add<TGameIntro>();
    frmGameMenu = root.add<TGameMenu>();
    frmMap = root.add<TfMap>();
    frmGameHistory = root.add<TGameHistory>();
    frmGameHowToPlay = root.add<TGameHowToPlay>(engine);
    construireZoneJeu(root);
    creerSceneNiveau();
    frmStore = root.add<TfStore>();   // the shop opens over the paused game zone
    construireCouches(root);
    creerInterfaceJeu();   // gameplay: head-up display, pause, game over, timers and keys
    creerInteractions();   // world: specials, enemies, sword, bonus stages, shop

    frmGameIntro->aniLibelle->onFinish = [this](eng::Animation&) { frmGameIntroaniLibelleFinish(); };
    tFPS.onTimer = [this] { tFPSTimer(); };
    engine.onPaint = [this] { FormPaint(); };
    engine.onResize = [this](int width, int height) {
        this->engine.root().width = static_cast<float>(width);
        this->engine.root().height = static_cast<float>(height);
        FormResize();
    };
}

TfMain::~TfMain() {
    // Callbacks in the tree point at this window: take its nodes out before it is gone.
    engine.onPaint = nullptr;
    engine.onResize = nullptr;
    for (eng::Node* node : noeudsFenetre_) engine.root().removeChild(node);
}

void TfMain::construireZoneJeu(eng::Layout& root) {
    layZoneJeu = named(root.add<eng::Layout>(), "layZoneJeu");
    layZoneJeu->width = root.width;
    layZoneJeu->height = root.height;
    layZoneJeu->visible = false;
    layZoneJeu->renderOffscreen = true;
    layNiveau2 = named(layZoneJeu->add<eng::Layout>(), "layNiveau2");
    layNiveau = named(layZoneJeu->add<eng::Layout>(), "layNiveau");
    layDecorDevant = named(layZoneJeu->add<eng::Layout>(), "layDecorDevant");

    layHUD = named(layZoneJeu->add<eng::Layout>(), "layHUD");
    layHUD->width = root.width;
    layHUD->height = 120;
    lblChrono = addLabel(*layHUD, "lblChrono", 20, eng::colors::White);
    lblPlan = addLabel(*layHUD, "lblPlan", 14, eng::colors::White);
    lblFPS = addLabel(*layHUD, "lblFPS", 12, eng::colors::White);
    lblFPS->text = "FPS: 0";

    recInfoSpecial = named(layZoneJeu->add<eng::Rectangle>(), "recInfoSpecial");
    recInfoSpecial->visible = false;
    layMeteo = named(layZoneJeu->add<eng::Layout>(), "layMeteo");
    layMeteo->hitTest = false;
    joueurBonus = named(layZoneJeu->add<eng::Image>(), "joueurBonus");
    joueurBonus->visible = false;

    PixelateEffect = named(layZoneJeu->add<eng::PixelateEffect>(), "PixelateEffect");
    PixelateEffect->enabled = false;
    aniPixel = named(PixelateEffect->add<eng::FloatAnimation>(), "aniPixel");
    aniPixel->propertyName = "BlockCount";
    aniPixel->onFinish = [this](eng::Animation&) { aniPixelFinish(); };
    aniPixel2 = named(PixelateEffect->add<eng::FloatAnimation>(), "aniPixel2");
    aniPixel2->propertyName = "BlockCount";
    aniPixel2->startValue = 10;
    aniPixel2->stopValue = 600;
    aniPixel2->duration = 1.0f;
    aniPixel2->delay = 0.5f;
    aniPixel2->interpolation = eng::Interpolation::Sinusoidal;
    aniPixel2->onFinish = [this](eng::Animation&) { aniPixel2Finish(); };
}

void TfMain::construireCouches(eng::Layout& root) {
    layGameOver = named(root.add<eng::Layout>(), "layGameOver");
    layGameOver->align = eng::Align::Client;
    layGameOver->visible = false;
    imgPause = named(root.add<eng::Image>(), "imgPause");
    imgPause->width = 64;
    imgPause->height = 64;
    imgPause->align = eng::Align::Center;
    imgPause->visible = false;
    recMenuPause = named(imgPause->add<eng::Rectangle>(), "recMenuPause");
    recMenuPause->position = {-103, 68};
    recMenuPause->width = 270;
    recMenuPause->height = 64;
    recMenuPause->fill.color = 0xFF2CA5BE;
    recMenuPause->strokeColor = 0xFF03739E;
    recMenuPause->strokeThickness = 5;
    recMenuPause->xRadius = recMenuPause->yRadius = 5;
    layBonus = named(root.add<eng::Layout>(), "layBonus");
    layBonus->align = eng::Align::Client;
    layBonus->visible = false;

    recWaiting = named(root.add<eng::Rectangle>(), "recWaiting");
    recWaiting->width = 300;
    recWaiting->height = 96;
    recWaiting->align = eng::Align::Center;
    recWaiting->opacity = 0.8f;
    recWaiting->fill.color = eng::colors::Black;
    recWaiting->visible = false;
    auto* loading = addLabel(*recWaiting, "lblWaiting", 36, eng::colors::White);
    loading->text = "Loading...";
    loading->align = eng::Align::Client;
    loading->textAlign = eng::TextAlign::Center;

    iExplosion = named(root.add<eng::Image>(), "iExplosion");
    iExplosion->visible = false;
    iParticuleBonus = named(root.add<eng::Image>(), "iParticuleBonus");
    iParticuleBonus->visible = false;
    noeudsFenetre_ = {frmGameIntro, frmGameMenu, frmMap, frmGameHistory, frmGameHowToPlay, layZoneJeu, frmStore,
                      layGameOver, imgPause, layBonus, recWaiting, iExplosion, iParticuleBonus};
}
