// Small value types of the running level: the collision pass's result and the parallax axes.
// Shared by the frame, the movement step and the collision pass.
#pragma once

// What the collision pass met last this frame; only avecDecor changes the movement step.
enum class TCollisionAvec { pasDeCollision = 0, avecPlateforme = 1, avecDecor = 2, avecEnnemi = 3, avecSpecial = 4, avecBonus = 5 };

// Which axes a parallax move touches.
enum class TAxes { x, y, all };
