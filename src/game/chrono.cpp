// The level countdown's text: formatting of the time left.
// Rounds to the millisecond first so that 12 minutes held in days reads "12:00", not "11:59".
#include "game/chrono.h"
#include <cmath>
#include <cstdio>

std::string formaterChrono(double dureeJours) {
    long long ms = std::llround(dureeJours * msParJour);
    if (ms < 0) ms = 0;
    const long long secondes = ms / 1000;
    const int minutes = static_cast<int>((secondes / 60) % 60);
    const int resteSecondes = static_cast<int>(secondes % 60);
    char texte[8];
    std::snprintf(texte, sizeof texte, "%02d:%02d", minutes, resteSecondes);
    return texte;
}
