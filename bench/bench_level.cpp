// Loading a level the size of the largest shipped one (141 x 49 tiles, both plane pictures, about 300
// elements), generated here; reports the resident memory with it loaded (VmRSS).
#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <nlohmann/json.hpp>
#include "app/TfMain.h"
#include "engine/clock.h"
#include "engine/engine.h"
#include "engine/platform.h"

namespace {

namespace fs = std::filesystem;

long residentKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    }
    return 0;
}

// A picture drawn like the level compiler's: 32-unit tiles, each one of sixteen patterns of a small
// palette, so the files compress and decode like the game's own art.
void ecrirePng(const fs::path& path, int w, int h, unsigned seed) {
    static const eng::AlphaColor palette[] = {0xFF2E6B30, 0xFF4C8C3A, 0xFF7A5230, 0xFF9C6B3E,
                                              0xFF87CEEB, 0xFF5A5A6E, 0xFF3B2A1E, 0xFFE0D090};
    eng::Bitmap picture(w, h);
    auto& pixels = picture.mutablePixels();
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const unsigned tile = (static_cast<unsigned>(x / 32) * 7919u + static_cast<unsigned>(y / 32) * 104729u + seed) % 16u;
            const unsigned shade = ((x % 32) * (tile + 1) / 11 + (y % 32) * (tile + 3) / 13) % 3u;
            pixels[static_cast<size_t>(y) * w + x] = palette[(tile / 2 + shade) % 8];
        }
    }
    picture.savePng(path.string());
}

nlohmann::json plan(const char* image, int elements, int offset) {
    std::string decor, plateformes, bonus, ennemis, strips;
    for (int i = 0; i < elements; ++i) {
        const std::string at = std::to_string(5 + (i * 7 + offset) % 44) + ":" + std::to_string((i * 13 + offset) % 141);
        const std::string sep = i ? ";" : "";
        decor += sep + std::to_string(i % 3) + ":" + at;
        plateformes += sep + std::to_string(i % 2) + ":" + at;
        bonus += sep + "0:" + at;
        strips += sep + std::to_string(i % 2) + ":" + at;
        if (i % 3 == 0) ennemis += std::string(ennemis.empty() ? "" : ";") + "0:" + at;
    }
    return {{"decorImage", image}, {"decor", decor},         {"decorFromTileSet", strips},
            {"plateformes", plateformes}, {"bonus", bonus},   {"ennemis", ennemis},
            {"ennemisNormal", "1:10:r(14,13)"}, {"ennemisDifficile", ""}, {"speciaux", "0:20:100;1:20:130"}};
}

nlohmann::json grandNiveau() {
    nlohmann::json d = {{"nom", "Bench forest"}, {"tileImage", "btiles.png"}, {"tilebackImage", "btiles.png"},
                        {"musique", "AAPMusic01_Looped"}, {"needConsole", false}, {"tileSize", 32}, {"night", false},
                        {"meteo", "none"}, {"width", 141}, {"height", 49}, {"playerStartPosX", 2},
                        {"playerStartPosY", 25}, {"gravity", 0.8}, {"maxTimeEasy", 5}, {"maxTimeNormal", 4},
                        {"maxTimeDifficult", 3}, {"playerHitBox", "37:1:25:49"}, {"attaqueHitBox", 30}};
    for (const char* k : {"player-idle", "player-idle-left", "player-walk", "player-walk-left", "player-run",
                          "player-run-left", "player-jump", "player-jump-left", "player-jumpEnd", "player-jumpEnd-left",
                          "player-jump-back", "player-jump-front", "player-hit", "player-hit-left", "player-crouch",
                          "player-crouch-left", "player-attaque1", "player-attaque1-left", "player-attaque2",
                          "player-attaque2-left", "player-attaqueAir", "player-attaqueAir-left", "player-death",
                          "player-death-left", "dust-jump", "dust-land"})
        d[k] = "bhero.png";
    d["scrollings"] = {{{"image", "bback.png"}, {"vitesse", 0.2}, {"posY", 0}, {"foreground", false}, {"continueY", false}},
                       {{"image", "bback.png"}, {"vitesse", 0.5}, {"posY", 60}, {"foreground", false}, {"continueY", false}}};
    d["plateformElement"] = {{{"width", 96}, {"height", 32}, {"image", "1:2:3"}, {"animation", "none"}, {"style", 0}},
                             {{"width", 64}, {"height", 32}, {"image", "4:5"},
                              {"animation", "x:2:3:sinusoidal:InOut:loop:autoreverse"}, {"style", 0}}};
    d["decorElementFromTileSet"] = {{{"name", "a"}, {"width", 320}, {"vertical", false}, {"bloquer", true}, {"devant", false}},
                                    {{"name", "b"}, {"width", 96}, {"vertical", true}, {"bloquer", false}, {"devant", true}}};
    auto decor = [](const char* image, int count) {
        return nlohmann::json{{"image", image}, {"count", count}, {"rowcount", 1}, {"duration", 1}, {"opacity", 1},
                              {"devant", false}, {"bloquer", false}};
    };
    d["decorElement"] = {decor("bstill.png", 1), decor("bsheet.png", 4), decor("bstill.png", 1)};
    d["bonusElement"] = {{{"image", "bsheet.png"}, {"count", 4}, {"duration", 1}, {"point", 10}, {"typeBonus", 1}}};
    auto ennemi = [](const char* deplacement) {
        return nlohmann::json{{"image1", "bsheet.png"}, {"image2", "bsheet.png"}, {"count", 4}, {"duration", 1},
                              {"deplacement", deplacement}, {"hitBox", "2:2:28:28"}, {"pv", 2}, {"tir", 0},
                              {"bloquer", false}, {"path", ""}, {"opacity", 1}};
    };
    d["ennemiElement"] = {ennemi("x:4:3:linear:In:noloop:noautoreverse"), ennemi("none")};
    auto special = [](const char* destination) {
        return nlohmann::json{{"image", "bstill.png"}, {"count", 1}, {"rowcount", 1}, {"duration", 1}, {"opacity", 1},
                              {"deplacement", "none"}, {"finNiveau", true}, {"musique", false},
                              {"niveauSuivant", destination}, {"message", ""}, {"masquerPremierPlan", false}};
    };
    d["specialElement"] = {special("map"), special("foretEst;2;3;1")};
    d["niveau"] = plan("bplane1.png", 45, 0);
    d["niveau2"] = plan("bplane2.png", 25, 5);
    return d;
}

struct LevelBench {
    fs::path dir = fs::temp_directory_path() / "zorlin-bench-level";
    eng::ManualClock clock;
    std::unique_ptr<eng::Engine> engine;
    std::unique_ptr<TfMain> fenetre;

    LevelBench() {
        fs::remove_all(dir);
        fs::create_directories(dir / "res");
        const fs::path res = dir / "res";
        ecrirePng(res / "bplane1.png", 141 * 32, 49 * 32, 1);
        ecrirePng(res / "bplane2.png", 141 * 32, 49 * 32, 2);
        ecrirePng(res / "btiles.png", 32 * 16, 32 * 16, 3);
        ecrirePng(res / "bhero.png", 800, 48, 4);
        ecrirePng(res / "bback.png", 640, 360, 5);
        ecrirePng(res / "bstill.png", 64, 64, 6);
        ecrirePng(res / "bsheet.png", 128, 32, 7);
        std::ofstream(res / "bench.json") << grandNiveau().dump();
        eng::setUserDataDirOverride((dir / "data").string());
        TfMain::dossierSons = (dir / "sons").string();
        engine = std::make_unique<eng::Engine>(clock, 1);
        fenetre = std::make_unique<TfMain>(*engine);
        fenetre->resources.addSearchDir(res.string());
        fenetre->FormCreate();
        fenetre->initialiserFrame();
    }
    ~LevelBench() {
        fenetre.reset();
        engine.reset();
        fs::remove_all(dir);
    }
};

void BM_ChargerNiveauLePlusGrand(benchmark::State& state) {
    eng::setHeadlessMessages(true);
    LevelBench bench;
    size_t elements = 0;
    for (auto _ : state) {
        bench.fenetre->chargerNiveau("bench");
        elements = 0;
        for (eng::Node* plan : {static_cast<eng::Node*>(bench.fenetre->layNiveau), static_cast<eng::Node*>(bench.fenetre->layNiveau2)})
            for (const auto& conteneur : plan->children()) elements += conteneur->childCount();
    }
    state.counters["elements"] = static_cast<double>(elements);
    state.counters["VmRSS_MB"] = static_cast<double>(residentKb()) / 1024.0;
}
BENCHMARK(BM_ChargerNiveauLePlusGrand)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The share of the load spent decoding one plane picture (141 x 49 tiles) from its PNG file.
void BM_DecoderImageDuPlan(benchmark::State& state) {
    eng::setHeadlessMessages(true);
    LevelBench bench;
    for (auto _ : state) {
        bench.fenetre->resources.clearCache();
        benchmark::DoNotOptimize(bench.fenetre->resources.loadBitmap("bplane1"));
    }
}
BENCHMARK(BM_DecoderImageDuPlan)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);

}  // namespace
