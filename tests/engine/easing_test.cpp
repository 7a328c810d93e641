// The easing curves against values worked out from each curve's textbook formula:
// the direct "out" forms (not the mirror the engine uses) and the two halves of "in-out".
#include <gtest/gtest.h>
#include "engine/easing.h"

namespace {

using I = eng::Interpolation;
using T = eng::AnimationType;

struct EasingCase {
    I kind;
    T type;
    float t;
    double expected;
};

// Back: s = 1.70158. Elastic: period 0.3, amplitude 1. Bounce: the four hops of 7.5625 t^2 over 2.75.
const EasingCase kCases[] = {
    {I::Linear, T::In, 0.3f, 0.3}, {I::Linear, T::Out, 0.3f, 0.3}, {I::Linear, T::InOut, 0.8f, 0.8},
    {I::Quadratic, T::In, 0.1f, 0.01}, {I::Quadratic, T::Out, 0.1f, 0.19}, {I::Quadratic, T::InOut, 0.1f, 0.02},
    {I::Quadratic, T::In, 0.8f, 0.64}, {I::Quadratic, T::Out, 0.8f, 0.96}, {I::Quadratic, T::InOut, 0.8f, 0.92},
    {I::Cubic, T::In, 0.3f, 0.027}, {I::Cubic, T::Out, 0.3f, 0.657}, {I::Cubic, T::InOut, 0.3f, 0.108},
    {I::Cubic, T::In, 0.8f, 0.512}, {I::Cubic, T::Out, 0.8f, 0.992}, {I::Cubic, T::InOut, 0.8f, 0.968},
    {I::Quartic, T::In, 0.3f, 0.0081}, {I::Quartic, T::Out, 0.3f, 0.7599}, {I::Quartic, T::InOut, 0.3f, 0.0648},
    {I::Quartic, T::In, 0.8f, 0.4096}, {I::Quartic, T::Out, 0.8f, 0.9984}, {I::Quartic, T::InOut, 0.8f, 0.9872},
    {I::Quintic, T::In, 0.3f, 0.00243}, {I::Quintic, T::Out, 0.3f, 0.83193}, {I::Quintic, T::InOut, 0.3f, 0.03888},
    {I::Quintic, T::In, 0.8f, 0.32768}, {I::Quintic, T::Out, 0.8f, 0.99968}, {I::Quintic, T::InOut, 0.8f, 0.99488},
    {I::Sinusoidal, T::In, 0.3f, 0.1089935}, {I::Sinusoidal, T::Out, 0.3f, 0.4539905},
    {I::Sinusoidal, T::InOut, 0.3f, 0.2061074}, {I::Sinusoidal, T::In, 0.5f, 0.2928932},
    {I::Sinusoidal, T::Out, 0.5f, 0.7071068}, {I::Sinusoidal, T::InOut, 0.8f, 0.9045085},
    {I::Exponential, T::In, 0.3f, 0.0078125}, {I::Exponential, T::Out, 0.3f, 0.875},
    {I::Exponential, T::InOut, 0.3f, 0.03125}, {I::Exponential, T::In, 0.8f, 0.25},
    {I::Exponential, T::Out, 0.1f, 0.5}, {I::Exponential, T::InOut, 0.8f, 0.9921875},
    {I::Circular, T::In, 0.8f, 0.4}, {I::Circular, T::Out, 0.3f, 0.7141428}, {I::Circular, T::InOut, 0.3f, 0.1},
    {I::Circular, T::In, 0.5f, 0.1339746}, {I::Circular, T::Out, 0.5f, 0.8660254},
    {I::Circular, T::InOut, 0.8f, 0.9582576},
    {I::Elastic, T::In, 0.3f, -0.00390625}, {I::Elastic, T::Out, 0.3f, 0.875}, {I::Elastic, T::InOut, 0.3f, -0.015625},
    {I::Elastic, T::In, 0.8f, -0.125}, {I::Elastic, T::Out, 0.1f, 1.25}, {I::Elastic, T::InOut, 0.8f, 0.9921875},
    {I::Back, T::In, 0.3f, -0.08019954}, {I::Back, T::Out, 0.3f, 0.9071323}, {I::Back, T::InOut, 0.3f, -0.01451376},
    {I::Back, T::In, 0.8f, 0.2941978}, {I::Back, T::Out, 0.5f, 1.087697}, {I::Back, T::InOut, 0.8f, 1.049676},
    {I::Bounce, T::In, 0.3f, 0.069375}, {I::Bounce, T::Out, 0.3f, 0.680625}, {I::Bounce, T::InOut, 0.3f, 0.045},
    {I::Bounce, T::In, 0.8f, 0.6975}, {I::Bounce, T::Out, 0.8f, 0.94}, {I::Bounce, T::InOut, 0.8f, 0.88625},
    {I::Bounce, T::Out, 0.1f, 0.075625}, {I::Bounce, T::Out, 0.5f, 0.765625},
};

TEST(Easing, CurvesMatchTheirFormulas) {
    for (const auto& c : kCases) {
        SCOPED_TRACE(::testing::Message() << "kind " << static_cast<int>(c.kind) << " type "
                                          << static_cast<int>(c.type) << " t " << c.t);
        EXPECT_NEAR(eng::interpolate(c.kind, c.type, c.t), c.expected, 1e-5);
    }
}

const I kAllKinds[] = {I::Linear, I::Quadratic, I::Cubic, I::Quartic, I::Quintic, I::Sinusoidal,
                       I::Exponential, I::Circular, I::Elastic, I::Back, I::Bounce};
const T kAllTypes[] = {T::In, T::Out, T::InOut};

TEST(Easing, EveryCurveStartsAtZeroAndEndsAtOneExactly) {
    for (I kind : kAllKinds)
        for (T type : kAllTypes) {
            SCOPED_TRACE(::testing::Message() << "kind " << static_cast<int>(kind) << " type " << static_cast<int>(type));
            EXPECT_EQ(eng::interpolate(kind, type, 0.f), 0.f);
            EXPECT_EQ(eng::interpolate(kind, type, 1.f), 1.f);
        }
}

TEST(Easing, OutMirrorsInAndInOutIsSymmetric) {
    for (I kind : kAllKinds)
        for (float t : {0.05f, 0.2f, 0.45f, 0.7f, 0.95f}) {
            SCOPED_TRACE(::testing::Message() << "kind " << static_cast<int>(kind) << " t " << t);
            EXPECT_NEAR(eng::interpolate(kind, T::Out, t), 1 - eng::interpolate(kind, T::In, 1 - t), 1e-5);
            EXPECT_NEAR(eng::interpolate(kind, T::InOut, t), 1 - eng::interpolate(kind, T::InOut, 1 - t), 1e-5);
        }
    for (I kind : kAllKinds) EXPECT_NEAR(eng::interpolate(kind, T::InOut, 0.5f), 0.5, 1e-6);
}

TEST(Easing, TimeOutsideTheRunIsHeldToItsEnds) {
    EXPECT_EQ(eng::interpolate(I::Quadratic, T::In, -0.5f), 0.f);
    EXPECT_EQ(eng::interpolate(I::Back, T::Out, 1.5f), 1.f);
}

}  // namespace
