// The story screen: its music and click, the turning consoles and the content layout fitted to the window.
// The thief's scenes join it with the story work.
#pragma once
#include "engine/animation.h"
#include "engine/controls.h"
#include "engine/media.h"

class TGameHistory : public eng::Layout {
public:
    TGameHistory();

    eng::MediaPlayer mpMusique;   // "WackyWaiting"
    eng::MediaPlayer mpClic;      // "click1"
    bool musiques = true;
    bool sons = true;
    eng::Layout* Layout7 = nullptr;             // the content, 800 x 500 by design
    eng::Layout* Layout1 = nullptr;             // pivot of the console circle
    eng::FloatAnimation* aniConsoles = nullptr;

    // Sets the story up on every entry: its music plays once when music is on.
    void initialiser();
};
