// The intro screen: the maker's title fades in over the intro music, then the main menu follows.
// The main window listens to aniLibelle's end to switch to the menu.
#pragma once
#include "engine/animation.h"
#include "engine/controls.h"
#include "engine/media.h"

class TGameIntro : public eng::Layout {
public:
    TGameIntro();

    eng::MediaPlayer MediaPlayerMusique;
    eng::Label* lblPresents = nullptr;       // "presents", faded in by aniLibelle
    eng::FloatAnimation* aniLibelle = nullptr;

    // Starts the screen: the intro music, then the title fade.
    void Initialiser();
};
