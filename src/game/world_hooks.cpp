// Where the specials, the enemies, the sword and the barrels plug into the frame. Not built yet: each of
// these does nothing for now, so levels play with signs, exits, enemies and the sword inert.
#include "app/TfMain.h"

// Specials step of the collision pass (information bubble, foreground masks, music triggers), run every
// frame with the special the hero overlaps, or none. Not yet built.
void TfMain::gererSpeciaux(const TResultatCollision& /*special*/) {}

// Enemy contact step of the collision pass: hurt, console pickup, sword hits, enCollisionAvecEnnemi.
// Returns true when an enemy hurt the hero this frame. Not yet built: no enemy touches the hero.
bool TfMain::gererContactEnnemis() { return false; }

// Action key: act on the special under the bubble, or swing the sword. Not yet built.
void TfMain::gererAction() {}

// Drops one barrel from the launcher; its explosion clears BarilExplosionEnCours. Not yet built.
void TfMain::lancerBaril(eng::Image* /*lanceur*/, int /*tuiles*/, float /*duree*/) {}

// The bonus stage's frame. Not yet built: a bonus stage stands still.
void TfMain::boucleBonus() {}
