// Parsing of the command line: "--flag", "--flag value" and "--flag=value" forms, strict numbers.
// Every failure names the flag at fault; nothing here touches the display or the disk.
#include "app/command_line.h"
#include <charconv>
#include <functional>
#include <map>
#include <ostream>

namespace {

template <class Number>
bool parseNumber(const std::string& text, Number& out) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, out);
    return !text.empty() && ec == std::errc() && ptr == end;
}

bool parseWindowSize(const std::string& text, int& width, int& height) {
    const size_t x = text.find_first_of("xX");
    if (x == std::string::npos) return false;
    return parseNumber(text.substr(0, x), width) && parseNumber(text.substr(x + 1), height) && width > 0 &&
           height > 0;
}

using Setter = std::function<std::string(CommandLine&, const std::string&)>;   // returns an error or ""

std::string bad(const std::string& flag, const std::string& value, const char* expected) {
    return "invalid value '" + value + "' for " + flag + " (expected " + expected + ")";
}

Setter text(std::string CommandLine::*field) {
    return [field](CommandLine& c, const std::string& v) { c.*field = v; return std::string(); };
}

const std::map<std::string, Setter>& flagsWithValue() {
    static const std::map<std::string, Setter> flags = {
        {"--window", [](CommandLine& c, const std::string& v) {
             c.windowGiven = true;
             return parseWindowSize(v, c.windowWidth, c.windowHeight) ? "" : bad("--window", v, "WxH, e.g. 1280x720");
         }},
        {"--data-dir", text(&CommandLine::dataDir)},
        {"--seed", [](CommandLine& c, const std::string& v) {
             c.seedGiven = true;
             return parseNumber(v, c.seed) ? "" : bad("--seed", v, "a non-negative integer");
         }},
        {"--frames", [](CommandLine& c, const std::string& v) {
             int n = 0;
             if (!parseNumber(v, n) || n < 0) return bad("--frames", v, "a non-negative integer");
             c.frames = n;
             return std::string();
         }},
        {"--level", text(&CommandLine::level)},
        {"--difficulty", [](CommandLine& c, const std::string& v) {
             int d = 0;
             if (!parseNumber(v, d) || d < 0 || d > 2) return bad("--difficulty", v, "0, 1 or 2");
             c.difficulty = d;
             return std::string();
         }},
        {"--resources", text(&CommandLine::resourcesDir)},
        {"--check-level", text(&CommandLine::checkLevel)},
        {"--record", text(&CommandLine::recordFile)},
        {"--replay", text(&CommandLine::replayFile)},
        {"--dump-state", text(&CommandLine::dumpStateFile)},
        {"--screenshot", text(&CommandLine::screenshotFile)},
        {"--give", [](CommandLine& c, const std::string& v) {
             const size_t eq = v.find('=');
             if (eq == std::string::npos || eq == 0) return bad("--give", v, "KEY=VALUE");
             c.give.emplace_back(v.substr(0, eq), v.substr(eq + 1));
             return std::string();
         }},
    };
    return flags;
}

const std::map<std::string, bool CommandLine::*>& switches() {
    static const std::map<std::string, bool CommandLine::*> flags = {
        {"--help", &CommandLine::help},           {"-h", &CommandLine::help},
        {"--version", &CommandLine::version},     {"--fullscreen", &CommandLine::fullscreen},
        {"--headless", &CommandLine::headless},   {"--verbose", &CommandLine::verbose},
        {"--strict-tick", &CommandLine::strictTick},
    };
    return flags;
}

}  // namespace

CommandLineResult parseCommandLine(const std::vector<std::string>& args) {
    CommandLineResult result;
    for (size_t i = 0; i < args.size() && result.ok(); ++i) {
        std::string flag = args[i];
        std::optional<std::string> inlineValue;
        if (const size_t eq = flag.find('='); flag.rfind("--", 0) == 0 && eq != std::string::npos) {
            inlineValue = flag.substr(eq + 1);
            flag.resize(eq);
        }
        if (auto sw = switches().find(flag); sw != switches().end()) {
            if (inlineValue) result.error = flag + " takes no value";
            else result.options.*(sw->second) = true;
            continue;
        }
        auto withValue = flagsWithValue().find(flag);
        if (withValue == flagsWithValue().end()) {
            result.error = "unknown option '" + args[i] + "'";
        } else if (!inlineValue && i + 1 >= args.size()) {
            result.error = flag + " needs a value";
        } else {
            const std::string value = inlineValue ? *inlineValue : args[++i];
            result.error = withValue->second(result.options, value);
        }
    }
    return result;
}

std::string usageText(const std::string& programName) {
    return "Usage: " + programName + " [options]\n"
           "Zorlin, a side-scrolling platform game.\n"
           "\n"
           "  --help, -h            show this help and exit\n"
           "  --version             show the version and exit\n"
           "  --window WxH          window size in pixels (default 1000x576)\n"
           "  --fullscreen          start in full screen\n"
           "  --data-dir DIR        keep settings, saves and high scores in DIR\n"
           "  --seed N              seed of the random source (default 0)\n"
           "  --headless            no window, no sound device, manual clock\n"
           "  --frames N            headless: run exactly N ticks of 16 ms; with a window: quit after N frames\n"
           "  --verbose             print the folders and files in use\n"
           "  --strict-tick         tick strictly every 16 ms instead of once per displayed frame\n"
           "  --level NAME          start straight into level NAME\n"
           "  --difficulty 0|1|2    difficulty for --level (easy, normal, hard)\n"
           "  --resources DIR       look for levels and pictures in DIR first\n"
           "  --check-level NAME    load level NAME, report problems and exit\n"
           "  --record FILE         record the input of the run into FILE\n"
           "  --replay FILE         play back the input recorded in FILE\n"
           "  --dump-state FILE     write the game state to FILE after the run\n"
           "  --screenshot FILE     save the last drawn frame to FILE (PNG) after the run\n"
           "  --give KEY=VALUE      set a game-state value before the run (repeatable)\n"
           "\n"
           "Exit status: 0 on success, 2 for a bad command line.\n";
}

std::string versionText() {
    return "Zorlin 0.1.0\n";
}

std::optional<int> answerWithoutRunning(const CommandLineResult& parsed, const std::string& programName,
                                        std::ostream& out, std::ostream& err) {
    if (!parsed.ok()) {
        err << programName << ": " << parsed.error << "\n" << usageText(programName);
        return 2;
    }
    if (parsed.options.help) {
        out << usageText(programName);
        return 0;
    }
    if (parsed.options.version) {
        out << versionText();
        return 0;
    }
    return std::nullopt;
}
