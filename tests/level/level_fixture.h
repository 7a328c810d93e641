// A main window on a headless engine with a resource folder of small pictures made for the level tests,
// and the base level document from the fixtures, which each test changes for its case.
#pragma once
#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>
#include <nlohmann/json.hpp>
#include "app/TfMain.h"
#include "engine/clock.h"
#include "engine/engine.h"
#include "engine/errors.h"
#include "engine/platform.h"

namespace levelfix {

// A picture of one colour, or with `cells` columns of distinct colours (tiles, sprite frames).
inline void ecrirePng(const std::filesystem::path& path, int w, int h, eng::AlphaColor couleur) {
    eng::Bitmap(w, h, couleur).savePng(path.string());
}

// A tileset whose tile n (from 1, row by row, 32 x 32) is coloured 0xFF0000nn + base.
inline void ecrireTileset(const std::filesystem::path& path, int perRow, int rows, eng::AlphaColor base) {
    eng::Bitmap tiles(perRow * 32, rows * 32);
    for (int n = 0; n < perRow * rows; ++n)
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) tiles.setPixel((n % perRow) * 32 + x, (n / perRow) * 32 + y, base + n + 1);
    tiles.savePng(path.string());
}

inline nlohmann::json niveauDeBase() {
    std::ifstream in(std::string(ZORLIN_FIXTURES) + "/levels/base.json");
    return nlohmann::json::parse(in);
}

}  // namespace levelfix

class LevelFixture : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        tempDir = std::filesystem::temp_directory_path() /
                  ("zorlin-level-" + std::string(info->test_suite_name()) + "-" + info->name());
        std::filesystem::remove_all(tempDir);
        resDir = tempDir / "res";
        std::filesystem::create_directories(resDir);
        std::filesystem::create_directories(tempDir / "sons");
        ecrireImages();
        eng::setUserDataDirOverride((tempDir / "data").string());
        TfMain::dossierSons = (tempDir / "sons").string();
        eng::setErrorHandler([this](const std::string& message) { erreurs.push_back(message); });
        engine = std::make_unique<eng::Engine>(clock, 7);
        f = std::make_unique<TfMain>(*engine);
        f->resources.addSearchDir(resDir.string());
        f->FormCreate();
        f->initialiserFrame();
        doc = levelfix::niveauDeBase();
    }
    void TearDown() override {
        f.reset();
        engine.reset();
        eng::setErrorHandler(nullptr);
        TfMain::dossierSons.clear();
        eng::setUserDataDirOverride("");
        std::filesystem::remove_all(tempDir);
    }
    void ecrireImages() {
        using levelfix::ecrirePng;
        levelfix::ecrireTileset(resDir / "tiles.png", 4, 2, 0xFF000000);
        levelfix::ecrireTileset(resDir / "tiles2.png", 4, 2, 0xFF001000);
        ecrirePng(resDir / "hero.png", 800, 48, 0xFFFF0000);
        ecrirePng(resDir / "still.png", 32, 64, 0xFF00FF00);     // a still picture 32 x 64
        ecrirePng(resDir / "sheet4.png", 80, 30, 0xFF0000FF);    // 4 frames of 20 x 30 in one row
        ecrirePng(resDir / "sheet2x2.png", 40, 60, 0xFF00FFFF);  // 4 frames of 20 x 30 over 2 rows
        ecrirePng(resDir / "level.png", 1280, 640, 0xFF808080);  // 40 x 20 tiles
        ecrirePng(resDir / "level2.png", 1280, 640, 0xFF404040);
        ecrirePng(resDir / "back.png", 200, 100, 0xFF8080FF);
        ecrirePng(resDir / "tall.png", 100, 1000, 0xFF80FF80);
        for (const char* fog : {"brouillard1.png", "brouillard2.png", "brouillard3.png"})
            ecrirePng(resDir / fog, 64, 32, 0x80FFFFFF);
    }
    void ecrireNiveau(const std::string& nom, const nlohmann::json& niveau) {
        std::ofstream(resDir / (nom + ".json")) << niveau.dump(1);
    }
    // Writes the document under `nom` and loads it, as the level launch does.
    void charger(const std::string& nom = "test") {
        ecrireNiveau(nom, doc);
        f->chargerNiveau(nom);
    }
    eng::Image* image(eng::Node* conteneur, size_t i) { return dynamic_cast<eng::Image*>(conteneur->child(i)); }

    std::filesystem::path tempDir, resDir;
    eng::ManualClock clock;
    std::unique_ptr<eng::Engine> engine;
    std::unique_ptr<TfMain> f;
    nlohmann::json doc;
    std::vector<std::string> erreurs;
};
