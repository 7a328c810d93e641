// A parallax backdrop: a layout whose one rectangle child is filled with the layer's picture, tiled.
// The loader sizes it; the camera moves it by the hero's speed times `Vitesse`.
#pragma once
#include "engine/controls.h"

class TScrolling : public eng::Layout {
public:
    TScrolling();
    eng::Rectangle* Rectangle = nullptr;   // the child that draws the layer (owned by this layout)
    float Vitesse = 0;                     // parallax factor; 0 = never moves
    bool foreGround = false;               // drawn in front of the level
    int posY = 0;                          // vertical position at level start
    bool continueY = false;                // tiled and scrolled vertically too
};
