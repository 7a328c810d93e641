// The hero's per-tick motion arithmetic: the jump flight used by the designer's table and the tests.
// The frame itself applies the same appliquerGravite step each tick.
#include "game/physics.h"

namespace physique {

VolSaut simulerSaut(float vitesseDepart, float gravite, float vitesseYMax) {
    VolSaut vol;
    float y = 0, vy = vitesseDepart;
    do {
        vy = appliquerGravite(vy, gravite, vitesseYMax);
        y += vy;
        ++vol.ticksEnLAir;
        if (-y > vol.apogee) vol.apogee = -y;
    } while (y < 0 && vol.ticksEnLAir < 100000 && gravite > 0);
    return vol;
}

}  // namespace physique
