// The program's entry: read the command line, answer --help and --version without a display,
// then build and run the game.
#include <iostream>
#include <memory>
#include <string>
#include <vector>
#include "app/command_line.h"
#include "app/game_runner.h"
#include "engine/errors.h"
#include "game/run_tools.h"
#include "level/level_cli.h"

int main(int argc, char** argv) {
    const std::string program = argc > 0 ? argv[0] : "zorlin";
    const CommandLineResult parsed = parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (const auto code = answerWithoutRunning(parsed, program, std::cout, std::cerr)) return *code;
    // --check-level NAME: load the level headless and print it as JSON (level code).
    if (!parsed.options.checkLevel.empty()) return verifierNiveau(parsed.options, std::cout, std::cerr);
    try {
        GameRunner runner(parsed.options);
        std::unique_ptr<OutilsPartie> outils;   // --replay, --record, --dump-state
        try {
            outils = std::make_unique<OutilsPartie>(runner);
        } catch (const ReplayError& error) {
            std::cerr << program << ": " << error.what() << "\n";
            return 2;
        }
        return runner.run();
    } catch (const std::exception& error) {
        eng::reportError(error.what());
        return 1;
    }
}
