// The per-tick motion arithmetic: friction, gravity with its cap, and the jumps the level designers rely on.
#include <gtest/gtest.h>
#include "game/physics.h"

namespace {

TEST(Physique, FrictionMovesTowardsZeroWithoutClamping) {
    struct Cas { float avant, apres; };
    const Cas cas[] = {{3.5f, 3.4f}, {-3.5f, -3.4f}, {0.0f, 0.0f}, {0.05f, -0.05f}, {-0.05f, 0.05f}};
    for (const Cas& c : cas) EXPECT_FLOAT_EQ(physique::appliquerFrottement(c.avant), c.apres) << c.avant;
}

TEST(Physique, GravityAddsUntilTheCapAndMayPassItOnce) {
    struct Cas { float avant, apres; };
    const Cas cas[] = {{0, 0.8f}, {-13, -12.2f}, {11.8f, 12.6f}, {12.0f, 12.0f}, {12.6f, 12.6f}};
    for (const Cas& c : cas) EXPECT_FLOAT_EQ(physique::appliquerGravite(c.avant, 0.8f, 12.0f), c.apres) << c.avant;
}

// Walking jump: speeds -12.2, -11.4, ... -0.2 over 16 ticks rise 16 x 6.2 = 99.2; the way down mirrors it
// and the 32nd tick passes the take-off height (y = -6.2 + 12.6 = +6.4).
// Running jump: 21 ticks up to -0.2, rise 21 x 17 - 0.8 x 231 = 172.2; the speed passes the 12.0 cap at
// tick 37 (12.6) and the flight ends at tick 43 (y: -66.6 at 37, then +12.6 per tick: -3.6 at 42, +9.0 at 43).
TEST(Physique, JumpApexAndTimeInTheAir) {
    struct Cas { float depart; float apogee; int ticks; };
    const Cas cas[] = {{physique::vitesseSautMarche, 99.2f, 32}, {physique::vitesseSautCourse, 172.2f, 43}};
    for (const Cas& c : cas) {
        const physique::VolSaut vol = physique::simulerSaut(c.depart, 0.8f, 12.0f);
        EXPECT_NEAR(vol.apogee, c.apogee, 0.01f) << c.depart;
        EXPECT_EQ(vol.ticksEnLAir, c.ticks) << c.depart;
    }
}

}  // namespace
