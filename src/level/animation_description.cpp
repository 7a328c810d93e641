// Parsing the animation descriptions of platforms and enemies, and the interpolation and easing names.
// Numbers that do not parse take fixed defaults: duration 5 s, amount 0, delay 0.
#include "level/animation_description.h"
#include <array>
#include <utility>
#include "level/overlap.h"
#include "level/text_fields.h"

eng::Interpolation typeInterpolation(const std::string& name) {
    using eng::Interpolation;
    static const std::array<std::pair<const char*, Interpolation>, 10> names{{
        {"sinusoidal", Interpolation::Sinusoidal}, {"quadratic", Interpolation::Quadratic},
        {"cubic", Interpolation::Cubic}, {"quartic", Interpolation::Quartic},
        {"quintic", Interpolation::Quintic}, {"exponential", Interpolation::Exponential},
        {"circular", Interpolation::Circular}, {"elastic", Interpolation::Elastic},
        {"back", Interpolation::Back}, {"bounce", Interpolation::Bounce},
    }};
    const std::string lowered = lowerCase(name);
    for (const auto& [known, interpolation] : names) {
        if (lowered == known) return interpolation;
    }
    return Interpolation::Linear;
}

eng::AnimationType typeAnimation(const std::string& name) {
    const std::string lowered = lowerCase(name);
    if (lowered == "out") return eng::AnimationType::Out;
    if (lowered == "inout") return eng::AnimationType::InOut;
    return eng::AnimationType::In;
}

static AnimatedProperty propertyNamed(const std::string& lowered) {
    if (lowered == "x") return AnimatedProperty::x;
    if (lowered == "y") return AnimatedProperty::y;
    if (lowered == "xy") return AnimatedProperty::xy;
    if (lowered == "o") return AnimatedProperty::opacity;
    if (lowered == "r") return AnimatedProperty::rotation;
    return AnimatedProperty::unknown;
}

std::optional<AnimationDescription> parseAnimationDescription(const std::string& text) {
    const auto fields = splitFields(text, ':');
    if (lowerCase(fields[0]) == "none" || fields.size() < 7) return std::nullopt;
    AnimationDescription d;
    d.property = propertyNamed(lowerCase(fields[0]));
    d.duration = parseIntOr(fields[1], 5);
    d.amount = parseIntOr(fields[2], 0);
    d.interpolation = typeInterpolation(fields[3]);
    d.easing = typeAnimation(fields[4]);
    d.loop = lowerCase(fields[5]) == "loop";
    d.autoReverse = lowerCase(fields[6]) == "autoreverse";
    if (fields.size() > 7) d.delay = parseNumberOr(fields[7], 0);
    if (d.property == AnimatedProperty::xy) {
        std::string twin(1, 'y');   // built apart: GCC 12 sees a false overlap in assigning "y" in place
        for (size_t i = 1; i <= 6; ++i) twin += ":" + fields[i];
        d.verticalTwin = std::move(twin);
    }
    return d;
}

std::optional<TurningDescription> parseTurningDescription(const std::string& text) {
    const auto fields = splitFields(text, ':');
    if (lowerCase(fields[0]) == "none" || fields.size() < 9) return std::nullopt;
    TurningDescription d;
    d.offsetY = parseNumberOr(fields[0], 0);
    d.offsetX = parseNumberOr(fields[1], 0);
    d.duration = parseIntOr(fields[2], 5);
    d.interpolation = typeInterpolation(fields[3]);
    d.easing = typeAnimation(fields[4]);
    d.loop = lowerCase(fields[5]) == "loop";
    d.autoReverse = lowerCase(fields[6]) == "autoreverse";
    d.delay = parseNumberOr(fields[7], 0);
    d.startAngle = parseIntOr(fields[7], 0);
    d.stopAngle = parseIntOr(fields[8], 0);
    return d;
}
