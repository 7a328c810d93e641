// The eleven easing curves. Each is written once as its "in" form; "out" mirrors it
// (out(t) = 1 - in(1 - t)) and "in-out" plays the in form on the first half and the out form on the second.
#include "easing.h"
#include <algorithm>
#include <cmath>
#include <numbers>

namespace eng {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kBackOvershoot = 1.70158;
constexpr double kElasticPeriod = 0.3;

// The bounce is naturally written as the "out" curve: four parabolic hops settling on 1.
double bounceOut(double t) {
    constexpr double k = 7.5625, d = 2.75;
    if (t < 1 / d) return k * t * t;
    if (t < 2 / d) { t -= 1.5 / d; return k * t * t + 0.75; }
    if (t < 2.5 / d) { t -= 2.25 / d; return k * t * t + 0.9375; }
    t -= 2.625 / d;
    return k * t * t + 0.984375;
}

double easeIn(Interpolation kind, double t) {
    switch (kind) {
    case Interpolation::Linear: return t;
    case Interpolation::Quadratic: return t * t;
    case Interpolation::Cubic: return t * t * t;
    case Interpolation::Quartic: return t * t * t * t;
    case Interpolation::Quintic: return t * t * t * t * t;
    case Interpolation::Sinusoidal: return 1 - std::cos(static_cast<float>(t * kPi / 2));  // float: twice as fast
    case Interpolation::Exponential: return t <= 0 ? 0 : (t >= 1 ? 1 : std::pow(2.0, 10 * (t - 1)));
    case Interpolation::Circular: return 1 - std::sqrt(std::max(0.0, 1 - t * t));
    case Interpolation::Elastic: {
        if (t <= 0) return 0;
        if (t >= 1) return 1;
        const double s = kElasticPeriod / 4;  // amplitude 1: the wave starts at its zero crossing
        const double u = t - 1;
        return -std::pow(2.0, 10 * u) * std::sin((u - s) * 2 * kPi / kElasticPeriod);
    }
    case Interpolation::Back: return t * t * ((kBackOvershoot + 1) * t - kBackOvershoot);
    case Interpolation::Bounce: return 1 - bounceOut(1 - t);
    }
    return t;
}

}  // namespace

float interpolate(Interpolation kind, AnimationType type, float t) {
    // The ends are exact for every curve, whatever rounding the formulas carry.
    if (!(t > 0)) return 0;
    if (t >= 1) return 1;
    const double x = t;
    double y = x;
    switch (type) {
    case AnimationType::In: y = easeIn(kind, x); break;
    case AnimationType::Out: y = 1 - easeIn(kind, 1 - x); break;
    case AnimationType::InOut:
        y = x < 0.5 ? easeIn(kind, 2 * x) / 2 : 1 - easeIn(kind, 2 - 2 * x) / 2;
        break;
    }
    return static_cast<float>(y);
}

}  // namespace eng
