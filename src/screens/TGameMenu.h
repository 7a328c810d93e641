// The main menu screen: its music and clicks, its decoration animations and the option values
// the main window reads when the stage changes. The panels and buttons join it with the menu work.
#pragma once
#include <array>
#include <string>
#include "app/types.h"
#include "engine/animation.h"
#include "engine/controls.h"
#include "engine/effects.h"
#include "engine/media.h"

class TGameMenu : public eng::Layout {
public:
    TGameMenu();

    eng::MediaPlayer mpMusique;    // "Drumming-Sticks"
    eng::MediaPlayer mpClic;       // "click1"
    eng::MediaPlayer mpSonCheat;   // "powerUp7"

    // ---- options (first-start values until the configuration file is read) ----
    TDifficulte difficulte = TDifficulte::normal;
    int nbVie = 3;
    float opacity = 1;
    bool musics = true;
    bool sounds = true;
    bool showFPS = false;
    std::string resolution = "1920x1080";
    std::string btnJump, btnAction, btnPause;   // gamepad button numbers as decimal text
    int cbTypeControl = 0;                       // selected input: 0 "Keyboard", 1 "Joypad"
    float nbOpacity = 0.4f;                      // the opacity box's value
    bool joypadChoisi() const { return cbTypeControl == 1; }

    // ---- decoration: the title's ripple and the background animations ----
    eng::RippleEffect* rippleTitre = nullptr;
    eng::FloatAnimation* aniRippleTitre = nullptr;   // the menu title animation, keeps the music going
    eng::FloatAnimation* aniMenu1 = nullptr;
    eng::FloatAnimation* aniMenu2 = nullptr;
    std::array<eng::FloatAnimation*, 9> FloatAnimation{};   // FloatAnimation1 .. FloatAnimation9

    // Sets the menu up on every entry to the menu stage: its music starts when the options allow it.
    void initialiser();
};
