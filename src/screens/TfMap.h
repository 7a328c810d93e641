// The world map screen: its music and the two animations the stage changes start and stop.
// Zone pictures, padlocks and pulses join it with the world-map work.
#pragma once
#include "engine/animation.h"
#include "engine/controls.h"
#include "engine/media.h"

class TfMap : public eng::Layout {
public:
    TfMap();

    eng::MediaPlayer mpMusique;               // "MusicMap", at the player's default volume
    eng::Image* imgForet = nullptr;           // the forest zone, always open
    eng::FloatAnimation* aniZoom = nullptr;   // the forest's pulse
    eng::Image* Image2 = nullptr;             // the back-to-menu button
    eng::FloatAnimation* aniBtnMenu = nullptr;
};
