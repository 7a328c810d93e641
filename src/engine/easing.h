// The eleven interpolation curves and three easing directions of property animations.
// Pure functions of normalised time, tested against the curves' own formulas.
#pragma once

namespace eng {

enum class Interpolation { Linear, Quadratic, Cubic, Quartic, Quintic, Sinusoidal, Exponential, Circular, Elastic, Back, Bounce };
enum class AnimationType { In, Out, InOut };

// t in [0, 1] -> eased progress (0 at t=0, 1 at t=1; Elastic and Back overshoot in between).
float interpolate(Interpolation kind, AnimationType type, float t);

}  // namespace eng
