// The game reads every painted picture back through its own loader (the engine's PNG decoding) and sees
// exactly the pixels the painter drew, so what the contact sheet shows is what the player sees.
#include <gtest/gtest.h>
#include <filesystem>
#include "catalogue.h"
#include "engine/bitmap.h"

namespace art::testing {
namespace {

TEST(GameReading, EveryPictureLoadsThroughTheEngineWithItsPaintedPixels) {
    const std::filesystem::path dir = std::filesystem::path(ZORLIN_ART_SCRATCH) / "engine_read";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    for (const Group& g : groups()) {
        for (const Picture& p : g.paint()) {
            writeFileIfChanged((dir / (p.name + ".png")).string(), encodePng(p.sheet));
            const eng::Bitmap loaded = eng::Bitmap::loadPng((dir / (p.name + ".png")).string());
            ASSERT_EQ(loaded.width(), p.sheet.width()) << p.name;
            ASSERT_EQ(loaded.height(), p.sheet.height()) << p.name;
            size_t differing = 0;
            for (size_t i = 0; i < loaded.pixels().size(); ++i) {
                const Color painted = p.sheet.pixels()[i], read = loaded.pixels()[i];
                // Fully transparent pixels may come back with any colour bits.
                if (alpha(painted) == 0 ? alpha(read) != 0 : painted != read) ++differing;
            }
            EXPECT_EQ(differing, 0u) << p.name;
        }
    }
}

}  // namespace
}  // namespace art::testing
