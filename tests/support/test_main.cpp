// Test entry point: every test runs headless, with SDL's dummy drivers and no window.
// Message boxes are routed to standard error so no test can block on one.
#include <gtest/gtest.h>
#include <cstdlib>
#include "engine/platform.h"

int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    eng::setHeadlessMessages(true);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
