// Animation descriptions of the level files: "x:2:-5:sinusoidal:InOut:loop:autoreverse[:delay]" and the
// turning platform's "dy:dx:duration:interp:easing:loop:autoreverse:startAngle:stopAngle". Pure parsing.
#pragma once
#include <optional>
#include <string>
#include "engine/easing.h"

eng::Interpolation typeInterpolation(const std::string& name);   // unknown names give linear
eng::AnimationType typeAnimation(const std::string& name);       // "out", "inout", anything else in

enum class AnimatedProperty { x, y, xy, opacity, rotation, unknown };

struct AnimationDescription {
    AnimatedProperty property = AnimatedProperty::unknown;
    int duration = 5;            // whole seconds; 5 when not a number
    int amount = 0;              // tiles, target opacity or target angle
    eng::Interpolation interpolation = eng::Interpolation::Linear;
    eng::AnimationType easing = eng::AnimationType::In;
    bool loop = false;
    bool autoReverse = false;
    std::optional<double> delay;   // the eighth field, when present (0 when not a number)
    std::string verticalTwin;      // for "xy": the same description on "y", without the delay
};

// nullopt for "none" (any case, with or without further fields) and for texts with fewer than 7 fields.
std::optional<AnimationDescription> parseAnimationDescription(const std::string& text);

struct TurningDescription {
    double offsetY = 0, offsetX = 0;   // from the pivot, in units of the display scale
    int duration = 5;
    eng::Interpolation interpolation = eng::Interpolation::Linear;
    eng::AnimationType easing = eng::AnimationType::In;
    bool loop = false;
    bool autoReverse = false;
    double delay = 0;
    int startAngle = 0, stopAngle = 0;
};

// nullopt for "none" and for texts with fewer than 9 fields.
std::optional<TurningDescription> parseTurningDescription(const std::string& text);
