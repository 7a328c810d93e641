// The program's command line: every flag the game understands, parsed into one plain record.
// Bad input never starts the game: the caller prints the error and the usage and exits with code 2.
#pragma once
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <utility>
#include <vector>

struct CommandLine {
    bool help = false;
    bool version = false;
    int windowWidth = 1000, windowHeight = 576;
    bool windowGiven = false;
    bool fullscreen = false;
    std::string dataDir;                 // empty: the per-user folder
    std::uint64_t seed = 0;
    bool seedGiven = false;
    bool headless = false;
    std::optional<int> frames;           // ticks to run (headless) or frames to show (window)
    bool verbose = false;
    bool strictTick = false;
    // Read here, acted on by the tools that need them.
    std::string level;
    std::optional<int> difficulty;       // 0, 1 or 2
    std::string resourcesDir;
    std::string checkLevel;
    std::string recordFile;
    std::string replayFile;
    std::string dumpStateFile;
    std::string screenshotFile;
    std::vector<std::pair<std::string, std::string>> give;   // --give KEY=VALUE, in order
};

struct CommandLineResult {
    CommandLine options;
    std::string error;                   // empty when the command line was good
    bool ok() const { return error.empty(); }
};

// `args` excludes the program name.
CommandLineResult parseCommandLine(const std::vector<std::string>& args);
std::string usageText(const std::string& programName);
std::string versionText();

// Answers what needs no game: a bad command line (error and usage on `err`, code 2), --help and --version
// (on `out`, code 0). Returns no value when the game should run.
std::optional<int> answerWithoutRunning(const CommandLineResult& parsed, const std::string& programName,
                                        std::ostream& out, std::ostream& err);
