// The enumerations shared by the level and the gameplay code: platform behaviour, hero animation, facing.
// Their ordinals are the values the level files and the element images carry.
#pragma once

// Stored in a platform image's integer tag; read by the standing test and the collision pass.
enum class TPlateformeStyle { horizontal = 0, descend = 1, monte = 2, tombe = 3, tourne = 4 };

// Which hero animation is shown.
enum class TAnimationJoueur {
    idleDroite = 0, idleGauche = 1, marcheDroite = 2, marcheGauche = 3, courtDroite = 4, courtGauche = 5,
    haut = 6, bas = 7, actionDroite = 8, actionGauche = 9, touche = 10, mort = 11
};

// Where the hero faces or moves; fond and devant are the jumps to the back and the front plane.
enum class TDirection { droite = 0, gauche = 1, fond = 2, devant = 3, droiteFin = 4, gaucheFin = 5 };
