// Replays, recording and the state dump, plugged into the runner's hooks.
// Ticks are 16 ms of game time counted from the level's first frame, so a replay is the same on every machine.
#include "game/run_tools.h"
#include <iostream>
#include "app/game_runner.h"
#include "game/give.h"
#include "game/state_dump.h"

namespace {

// Marks the key and mouse listeners installed by the recorder, so that they are installed once.
struct EcouteClavier {
    std::function<void(const eng::KeyEvent&)> suivant;
    std::function<void(bool, const std::string&)> noter;
    void operator()(const eng::KeyEvent& e) const {
        noter(e.down, e.keyName);
        if (suivant) suivant(e);
    }
};

struct EcouteSouris {
    std::function<void(const eng::MouseEvent&)> suivant;
    std::function<void(float, float)> noter;
    void operator()(const eng::MouseEvent& e) const {
        if (e.kind == eng::MouseEvent::Down) noter(e.x, e.y);
        if (suivant) suivant(e);
    }
};

struct PremierTick {
    std::function<void()> suivant;
    std::function<void()> noter;
    void operator()() const {
        noter();
        if (suivant) suivant();
    }
};

}  // namespace

OutilsPartie::OutilsPartie(GameRunner& runner) : runner_(runner) {
    const CommandLine& options = runner.options();
    if (!options.replayFile.empty()) lecteur_.emplace(lireReplayFichier(options.replayFile));
    if (!options.recordFile.empty()) enregistreur_ = std::make_unique<ReplayRecorder>(options.recordFile);
    for (const auto& [cle, valeur] : options.give) {
        try {
            verifierDon(cle, valeur);
        } catch (const std::invalid_argument& erreur) {
            throw ReplayError(erreur.what());
        }
    }
    runner.beforeTick = [this](int pas) { avantTick(pas); };
    runner.afterRun = [this] {
        const std::string& chemin = runner_.options().dumpStateFile;
        if (!chemin.empty()) ecrireEtatPartie(runner_.fenetre(), chemin);
    };
    avantTick(-1);  // listeners installed before the first event, windowed runs included
}

std::int64_t OutilsPartie::tickCourant() const {
    if (!debutNiveauMs_) return 0;
    const std::int64_t ecart = runner_.engine().clock().nowMs() - *debutNiveauMs_;
    // An event between two frames reaches the handlers before the next frame: it belongs to that tick.
    return ecart <= 0 ? 0 : (ecart + GameRunner::TICK_MS - 1) / GameRunner::TICK_MS;
}

void OutilsPartie::avantTick(int pas) {
    TfMain& fenetre = runner_.fenetre();
    eng::Engine& engine = runner_.engine();
    // Keep the listeners in place even if a screen replaced the window's handlers.
    if (!fenetre.tGameloop.onTimer.target<PremierTick>()) {
        fenetre.tGameloop.onTimer = PremierTick{fenetre.tGameloop.onTimer, [this] {
            if (!debutNiveauMs_) debutNiveauMs_ = runner_.engine().clock().nowMs();
            donner();
        }};
    }
    if (enregistreur_ && !engine.onKey.target<EcouteClavier>())
        engine.onKey = EcouteClavier{engine.onKey, [this](bool bas, const std::string& nom) { enregistrerTouche(bas, nom); }};
    if (enregistreur_ && !engine.onMouse.target<EcouteSouris>()) {
        engine.onMouse = EcouteSouris{engine.onMouse, [this](float x, float y) {
            ReplayEvent clic;
            clic.kind = ReplayEvent::Kind::Click;
            clic.tick = tickCourant();
            clic.x = x;
            clic.y = y;
            enregistreur_->enregistrer(clic);
        }};
    }
    if (pas < 0) return;
    if (pas == 0) donner();   // headless: before the first events are dispatched
    // The level's first frame runs in the first step that finds the game loop enabled.
    if (!pasPremierTick_ && fenetre.tGameloop.enabled()) pasPremierTick_ = pas;
    if (pasPremierTick_) rejouer(pas - *pasPremierTick_);
}

// The --give values, once, after the level start has set its own values.
void OutilsPartie::donner() {
    if (donne_) return;
    donne_ = true;
    for (const auto& [cle, valeur] : runner_.options().give) appliquerDon(runner_.fenetre(), cle, valeur);
}

void OutilsPartie::rejouer(std::int64_t tick) {
    if (!lecteur_) return;
    eng::Engine& engine = runner_.engine();
    for (const ReplayEvent& event : lecteur_->prendreTick(tick)) {
        if (event.kind == ReplayEvent::Kind::Click) {
            eng::MouseEvent souris;
            souris.x = event.x;
            souris.y = event.y;
            souris.kind = eng::MouseEvent::Down;
            engine.queueMouse(souris);
            souris.kind = eng::MouseEvent::Up;
            engine.queueMouse(souris);
        } else {
            engine.queueKey(eng::keyEventFromName(event.keyName, event.kind == ReplayEvent::Kind::Down));
        }
    }
}

void OutilsPartie::enregistrerTouche(bool bas, const std::string& nomTouche) {
    if (nomTouche.empty()) return;
    ReplayEvent event;
    event.kind = bas ? ReplayEvent::Kind::Down : ReplayEvent::Kind::Up;
    event.tick = tickCourant();
    event.keyName = nomTouche;
    enregistreur_->enregistrer(event);
}
