// The hero's per-tick motion arithmetic: friction, gravity and the two jump speeds.
// Pure functions, so the frame and the tests share one definition of the numbers.
#pragma once

namespace physique {

constexpr float frottement = 0.1f;          // horizontal slow-down per tick
constexpr float vitesseSautMarche = -13.0f; // take-off speed of a walking jump (and of a plane jump)
constexpr float vitesseSautCourse = -17.0f; // take-off speed of a running jump

// Friction of one tick: towards zero by 0.1, with no clamping at zero (a tiny residue may remain).
inline float appliquerFrottement(float vitesseX) {
    if (vitesseX > 0) return vitesseX - frottement;
    if (vitesseX < 0) return vitesseX + frottement;
    return vitesseX;
}

// Gravity of one tick: added while below the cap; the last step may pass the cap.
inline float appliquerGravite(float vitesseY, float gravite, float vitesseYMax) {
    return vitesseY < vitesseYMax ? vitesseY + gravite : vitesseY;
}

// Result of flying a jump from flat ground back to the same height, tick by tick as the frame does it
// (gravity, then the move). Used by the level designer's tables and by the tests.
struct VolSaut {
    float apogee = 0;  // highest rise above the take-off height
    int ticksEnLAir = 0;
};
VolSaut simulerSaut(float vitesseDepart, float gravite, float vitesseYMax);

}  // namespace physique
