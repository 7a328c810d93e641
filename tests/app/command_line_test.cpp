// The command line: every flag read into its field, every bad form refused with exit code 2,
// --help and --version answered without running the game.
#include <gtest/gtest.h>
#include <functional>
#include <sstream>
#include "app/command_line.h"

namespace {

struct GoodCase {
    std::vector<std::string> args;
    std::function<void(const CommandLine&)> check;
};

TEST(CommandLine, ReadsEveryFlagIntoItsField) {
    const GoodCase cases[] = {
        {{}, [](const CommandLine& c) {
             EXPECT_FALSE(c.headless);
             EXPECT_EQ(c.windowWidth, 1000);
             EXPECT_EQ(c.windowHeight, 576);
             EXPECT_FALSE(c.frames.has_value());
             EXPECT_EQ(c.seed, 0u);
         }},
        {{"--window", "1280x720"}, [](const CommandLine& c) {
             EXPECT_TRUE(c.windowGiven);
             EXPECT_EQ(c.windowWidth, 1280);
             EXPECT_EQ(c.windowHeight, 720);
         }},
        {{"--window=800X600"}, [](const CommandLine& c) { EXPECT_EQ(c.windowHeight, 600); }},
        {{"--fullscreen", "--verbose", "--strict-tick"}, [](const CommandLine& c) {
             EXPECT_TRUE(c.fullscreen);
             EXPECT_TRUE(c.verbose);
             EXPECT_TRUE(c.strictTick);
         }},
        {{"--headless", "--frames", "120", "--data-dir", "/tmp/d"}, [](const CommandLine& c) {
             EXPECT_TRUE(c.headless);
             EXPECT_EQ(c.frames, 120);
             EXPECT_EQ(c.dataDir, "/tmp/d");
         }},
        {{"--frames", "0"}, [](const CommandLine& c) { EXPECT_EQ(c.frames, 0); }},
        {{"--seed", "18446744073709551615"}, [](const CommandLine& c) {
             EXPECT_TRUE(c.seedGiven);
             EXPECT_EQ(c.seed, 18446744073709551615ull);
         }},
        {{"--level", "foretOuest", "--difficulty", "2", "--resources", "res"}, [](const CommandLine& c) {
             EXPECT_EQ(c.level, "foretOuest");
             EXPECT_EQ(c.difficulty, 2);
             EXPECT_EQ(c.resourcesDir, "res");
         }},
        {{"--check-level", "village", "--record", "r.txt", "--replay", "p.txt"}, [](const CommandLine& c) {
             EXPECT_EQ(c.checkLevel, "village");
             EXPECT_EQ(c.recordFile, "r.txt");
             EXPECT_EQ(c.replayFile, "p.txt");
         }},
        {{"--dump-state", "s.json", "--screenshot", "shot.png"}, [](const CommandLine& c) {
             EXPECT_EQ(c.dumpStateFile, "s.json");
             EXPECT_EQ(c.screenshotFile, "shot.png");
         }},
        {{"--give", "nbVie=5", "--give=aEpee=true", "--give", "niveau="}, [](const CommandLine& c) {
             const std::vector<std::pair<std::string, std::string>> expected = {
                 {"nbVie", "5"}, {"aEpee", "true"}, {"niveau", ""}};
             EXPECT_EQ(c.give, expected);
         }},
        {{"--help"}, [](const CommandLine& c) { EXPECT_TRUE(c.help); }},
        {{"-h"}, [](const CommandLine& c) { EXPECT_TRUE(c.help); }},
    };
    for (const GoodCase& good : cases) {
        SCOPED_TRACE(::testing::PrintToString(good.args));
        const CommandLineResult result = parseCommandLine(good.args);
        ASSERT_TRUE(result.ok()) << result.error;
        good.check(result.options);
        std::ostringstream out, err;
        EXPECT_EQ(answerWithoutRunning(result, "zorlin", out, err).has_value(),
                  result.options.help || result.options.version);
    }
}

struct BadCase {
    std::vector<std::string> args;
    std::string errorMentions;
};

TEST(CommandLine, RefusesBadInputWithCodeTwoAndTheUsage) {
    const BadCase cases[] = {
        {{"--bogus"}, "--bogus"},
        {{"level"}, "level"},
        {{"--window"}, "--window"},
        {{"--window", "1280"}, "1280"},
        {{"--window", "0x720"}, "0x720"},
        {{"--window", "1280x-5"}, "1280x-5"},
        {{"--window", "axb"}, "axb"},
        {{"--window", "12x34x56"}, "12x34x56"},
        {{"--seed", "-1"}, "--seed"},
        {{"--seed", "12abc"}, "--seed"},
        {{"--frames", "-3"}, "--frames"},
        {{"--frames", "ten"}, "--frames"},
        {{"--frames"}, "--frames"},
        {{"--difficulty", "3"}, "--difficulty"},
        {{"--difficulty", "easy"}, "--difficulty"},
        {{"--give", "novalue"}, "--give"},
        {{"--give", "=5"}, "--give"},
        {{"--headless=yes"}, "--headless"},
        {{"--data-dir"}, "--data-dir"},
        {{"--help", "--oops"}, "--oops"},
    };
    for (const BadCase& bad : cases) {
        SCOPED_TRACE(::testing::PrintToString(bad.args));
        const CommandLineResult result = parseCommandLine(bad.args);
        ASSERT_FALSE(result.ok());
        std::ostringstream out, err;
        EXPECT_EQ(answerWithoutRunning(result, "zorlin", out, err), 2);
        EXPECT_TRUE(out.str().empty());
        EXPECT_NE(err.str().find(bad.errorMentions), std::string::npos) << err.str();
        EXPECT_NE(err.str().find("Usage: zorlin"), std::string::npos);
    }
}

TEST(CommandLine, HelpAndVersionAnswerOnStandardOutput) {
    std::ostringstream out, err;
    EXPECT_EQ(answerWithoutRunning(parseCommandLine({"--help"}), "zorlin", out, err), 0);
    for (const char* flag : {"--window", "--data-dir", "--headless", "--frames", "--strict-tick", "--level",
                             "--difficulty", "--resources", "--check-level", "--record", "--replay",
                             "--dump-state", "--screenshot", "--give", "--seed", "--verbose", "--fullscreen"})
        EXPECT_NE(out.str().find(flag), std::string::npos) << flag << " is missing from --help";
    std::ostringstream version;
    EXPECT_EQ(answerWithoutRunning(parseCommandLine({"--version"}), "zorlin", version, err), 0);
    EXPECT_EQ(version.str().rfind("Zorlin ", 0), 0u);
    EXPECT_TRUE(err.str().empty());
}

}  // namespace
