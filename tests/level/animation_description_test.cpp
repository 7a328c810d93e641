// Animation description strings: properties, durations and their defaults, "none", interpolation and
// easing names (misspellings included), the optional eighth field, and the turning platform's grammar.
#include <gtest/gtest.h>
#include "level/animation_description.h"

using eng::AnimationType;
using eng::Interpolation;

TEST(AnimationDescription, FieldsAndDefaults) {
    struct Cas {
        const char* texte;
        AnimatedProperty property;
        int duration, amount;
        Interpolation interpolation;
        AnimationType easing;
        bool loop, autoReverse;
    };
    const Cas cas[] = {
        {"x:4:6:sinusoidal:InOut:noloop:noautoreverse", AnimatedProperty::x, 4, 6, Interpolation::Sinusoidal,
         AnimationType::InOut, false, false},
        {"x:2:-5:sinusoidal:InOut:loop:autoreverse", AnimatedProperty::x, 2, -5, Interpolation::Sinusoidal,
         AnimationType::InOut, true, true},
        {"y:120:-53:linear:InOut:noloop:noautoreverse", AnimatedProperty::y, 120, -53, Interpolation::Linear,
         AnimationType::InOut, false, false},
        {"o:5:1:linear:InOut:loop:autoreverse", AnimatedProperty::opacity, 5, 1, Interpolation::Linear,
         AnimationType::InOut, true, true},
        {"R:1:360:linear:inout:LOOP:AutoReverse", AnimatedProperty::rotation, 1, 360, Interpolation::Linear,
         AnimationType::InOut, true, true},
        {"x:1.5:2:cubic:Out:loop:x", AnimatedProperty::x, 5, 2, Interpolation::Cubic, AnimationType::Out, true, false},
        {"x::abc:sinusoidalr:In:noloop:noautoreverse", AnimatedProperty::x, 5, 0, Interpolation::Linear,
         AnimationType::In, false, false},
        {"xy:3:2:bounce:sideways:noloop:noautoreverse", AnimatedProperty::xy, 3, 2, Interpolation::Bounce,
         AnimationType::In, false, false},
        {"z:3:2:back:out:loop:autoreverse", AnimatedProperty::unknown, 3, 2, Interpolation::Back, AnimationType::Out,
         true, true},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.texte);
        const auto d = parseAnimationDescription(c.texte);
        ASSERT_TRUE(d.has_value());
        EXPECT_EQ(d->property, c.property);
        EXPECT_EQ(d->duration, c.duration);
        EXPECT_EQ(d->amount, c.amount);
        EXPECT_EQ(d->interpolation, c.interpolation);
        EXPECT_EQ(d->easing, c.easing);
        EXPECT_EQ(d->loop, c.loop);
        EXPECT_EQ(d->autoReverse, c.autoReverse);
        EXPECT_FALSE(d->delay.has_value());
    }
}

TEST(AnimationDescription, NoneAndMalformedBuildNothing) {
    for (const char* texte : {"none", "NONE", "None:4:6:linear:In:loop:autoreverse", "x:4:6:linear:In:loop", ""}) {
        SCOPED_TRACE(texte);
        EXPECT_FALSE(parseAnimationDescription(texte).has_value());
    }
}

TEST(AnimationDescription, EighthFieldIsTheStartDelay) {
    struct Cas {
        const char* texte;
        double delay;
    };
    const Cas cas[] = {{"x:4:6:linear:In:noloop:noautoreverse:2", 2}, {"x:4:6:linear:In:noloop:noautoreverse:0.5", 0.5},
                       {"x:4:6:linear:In:noloop:noautoreverse:soon", 0}, {"x:4:6:linear:In:noloop:noautoreverse:", 0}};
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.texte);
        const auto d = parseAnimationDescription(c.texte);
        ASSERT_TRUE(d && d->delay);
        EXPECT_DOUBLE_EQ(*d->delay, c.delay);
    }
}

TEST(AnimationDescription, XyRepeatsTheDescriptionOnYWithoutDelay) {
    const auto d = parseAnimationDescription("xy:3:2:quadratic:Out:loop:autoreverse:4");
    ASSERT_TRUE(d);
    EXPECT_EQ(d->verticalTwin, "y:3:2:quadratic:Out:loop:autoreverse");
}

TEST(AnimationDescription, InterpolationAndEasingNames) {
    struct Cas {
        const char* nom;
        Interpolation attendu;
    };
    const Cas cas[] = {{"sinusoidal", Interpolation::Sinusoidal}, {"Quadratic", Interpolation::Quadratic},
                       {"CUBIC", Interpolation::Cubic},           {"quartic", Interpolation::Quartic},
                       {"quintic", Interpolation::Quintic},       {"exponential", Interpolation::Exponential},
                       {"circular", Interpolation::Circular},     {"elastic", Interpolation::Elastic},
                       {"back", Interpolation::Back},             {"bounce", Interpolation::Bounce},
                       {"linear", Interpolation::Linear},         {"sinusoidalr", Interpolation::Linear},
                       {"", Interpolation::Linear}};
    for (const Cas& c : cas) EXPECT_EQ(typeInterpolation(c.nom), c.attendu) << c.nom;
    EXPECT_EQ(typeAnimation("In"), AnimationType::In);
    EXPECT_EQ(typeAnimation("out"), AnimationType::Out);
    EXPECT_EQ(typeAnimation("inout"), AnimationType::InOut);
    EXPECT_EQ(typeAnimation("InOut"), AnimationType::InOut);
    EXPECT_EQ(typeAnimation("in-out"), AnimationType::In);
}

TEST(AnimationDescription, TurningPlatformFields) {
    const auto d = parseTurningDescription("-10:2.5:4:sinusoidal:InOut:loop:noautoreverse:90:450");
    ASSERT_TRUE(d);
    EXPECT_DOUBLE_EQ(d->offsetY, -10);
    EXPECT_DOUBLE_EQ(d->offsetX, 2.5);
    EXPECT_EQ(d->duration, 4);
    EXPECT_EQ(d->interpolation, Interpolation::Sinusoidal);
    EXPECT_TRUE(d->loop);
    EXPECT_FALSE(d->autoReverse);
    EXPECT_EQ(d->startAngle, 90);
    EXPECT_DOUBLE_EQ(d->delay, 90);   // the start angle doubles as the delay
    EXPECT_EQ(d->stopAngle, 450);
    EXPECT_FALSE(parseTurningDescription("none:1:2:linear:In:loop:autoreverse:0:360"));
    EXPECT_FALSE(parseTurningDescription("1:2:3:linear:In:loop:autoreverse:0"));   // eight fields
    const auto defauts = parseTurningDescription("a:b:c:x:y:z:w:q:r");
    ASSERT_TRUE(defauts);
    EXPECT_EQ(defauts->duration, 5);
    EXPECT_DOUBLE_EQ(defauts->offsetX, 0);
    EXPECT_EQ(defauts->stopAngle, 0);
}
