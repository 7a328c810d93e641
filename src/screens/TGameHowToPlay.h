// The tutorial screen: its music, the hero's sheet animation, the step timer and the two button labels.
// The twelve scripted steps join it with the tutorial work.
#pragma once
#include "engine/animation.h"
#include "engine/controls.h"
#include "engine/engine.h"
#include "engine/media.h"

class TGameHowToPlay : public eng::Layout {
public:
    explicit TGameHowToPlay(eng::Engine& engine);

    eng::MediaPlayer mpMusique;   // "Drumming-Sticks"
    bool musiques = true;
    bool sons = true;
    bool termine = false;
    eng::Layout* Layout5 = nullptr;               // the content, 800 x 500 by design
    eng::Image* imgJoueur = nullptr;
    eng::BitmapListAnimation* aniPlayer = nullptr;
    eng::Label* lblBoutonA = nullptr;             // the action button's label
    eng::Label* lblBoutonB = nullptr;             // the jump button's label
    eng::Timer tChangementAction;                 // 2000 ms, one tutorial step per tick

    // Sets the tutorial up on every entry: its music plays once when music is on.
    void Initialiser();
};
