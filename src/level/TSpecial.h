// One special definition ("specialElement"): signs, doors, exits, music triggers and foreground masks.
// `image` is the full path; only the file name finds the picture.
#pragma once
#include <string>

struct TSpecial {
    std::string image;
    std::string deplacement;    // read, not used
    std::string niveauSuivant;  // destination of a sign, door or exit
    int count = 1;
    int rowcount = 1;
    float duration = 0;
    float opacity = 1;
    bool finNiveau = false;
    bool musique = false;
    bool masquerPremierPlan = false;
    std::string unMessage;      // text of the information bubble ("message")
};
