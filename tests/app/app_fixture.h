// A main window on a headless engine under a manual clock, started as the program starts it.
// The sounds folder points at an empty temporary folder unless a test fills it.
#pragma once
#include <gtest/gtest.h>
#include <filesystem>
#include <memory>
#include "app/TfMain.h"
#include "engine/clock.h"
#include "engine/engine.h"
#include "engine/platform.h"

class AppFixture : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        tempDir = std::filesystem::temp_directory_path() /
                  ("zorlin-app-" + std::string(info->test_suite_name()) + "-" + info->name());
        std::filesystem::remove_all(tempDir);
        std::filesystem::create_directories(tempDir / "sons");
        eng::setUserDataDirOverride((tempDir / "data").string());
        TfMain::dossierSons = (tempDir / "sons").string();
        engine = std::make_unique<eng::Engine>(clock, 1);
        fenetre = std::make_unique<TfMain>(*engine);
    }
    void TearDown() override {
        fenetre.reset();
        engine.reset();
        TfMain::dossierSons.clear();
        eng::setUserDataDirOverride("");
        std::filesystem::remove_all(tempDir);
    }
    void demarrer() {
        fenetre->FormCreate();
        fenetre->FormShow();
    }
    // Advances the game by `ms` in 16 ms steps, as the real loop would.
    void avancer(int ms) {
        for (int t = 0; t < ms; t += 16) {
            clock.advance(16);
            engine->step();
        }
    }

    std::filesystem::path tempDir;
    eng::ManualClock clock;
    std::unique_ptr<eng::Engine> engine;
    std::unique_ptr<TfMain> fenetre;
};
