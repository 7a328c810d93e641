// The tools that ride on a run of the game: --replay plays recorded input back tick by tick,
// --record writes the input of the run, --dump-state writes the state at the end (headless), --give sets values.
#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include "game/replay.h"

class GameRunner;

class OutilsPartie {
public:
    // Reads the replay now, so that a bad file stops the program before it starts (ReplayError).
    explicit OutilsPartie(GameRunner& runner);
    OutilsPartie(const OutilsPartie&) = delete;
    OutilsPartie& operator=(const OutilsPartie&) = delete;

    // Game tick of an event arriving now: 16 ms steps since the level's first frame (0 before it).
    std::int64_t tickCourant() const;

private:
    void avantTick(int pas);
    void rejouer(std::int64_t tick);
    void donner();
    void enregistrerTouche(bool bas, const std::string& nomTouche);

    GameRunner& runner_;
    std::optional<ReplayPlayer> lecteur_;
    std::unique_ptr<ReplayRecorder> enregistreur_;
    std::optional<int> pasPremierTick_;          // headless: the runner step of the level's first frame
    std::optional<std::int64_t> debutNiveauMs_;  // clock time of the level's first frame
    bool donne_ = false;
};
