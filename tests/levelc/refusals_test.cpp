// The compiler refuses broken level sources, each time naming the file, line and column to fix.
// One small fixture per fault under tests/levelc/fixtures.
#include <gtest/gtest.h>
#include <string>
#include "compile_error.h"
#include "compile_level.h"

namespace {

struct Refusal {
    const char* fixture;
    int line;
    int column;
    const char* says;
};

const Refusal refusals[] = {
    {"bad_destination.lvl", 13, 17, "destination \"foretNowhere\" names no level"},
    {"bad_destination_tile.lvl", 13, 17, "row of a destination must be an integer"},
    {"teleport_outside.lvl", 12, 17, "is outside the level"},
    {"index_out_of_range.lvl", 14, 11, "enemy index 1 is out of range"},
    {"time_out_of_range.lvl", 5, 10, "time limit 60 is out of range"},
    {"start_over_pit.lvl", 6, 9, "is not above ground: column 3 has no ground below row 1"},
    {"start_in_ground.lvl", 6, 9, "is not above ground: column 2 is solid"},
    {"unknown_symbol.lvl", 12, 5, "'?' is neither terrain nor in the legend"},
    {"message_colon.lvl", 11, 11, "must not contain ':'"},
    {"exit_without_message.lvl", 9, 1, "has no message"},
    {"missing_row.lvl", 9, 1, "has 3 rows; the level is 4 rows high"},
    {"unknown_key.lvl", 8, 1, "unknown key \"colour\""},
    {"short_movement.lvl", 13, 15, "a movement is"},
};

class CompilerRefuses : public ::testing::TestWithParam<Refusal> {};

TEST_P(CompilerRefuses, NamingFileLineAndColumn) {
    const Refusal& r = GetParam();
    const std::string path = std::string(LEVELC_FIXTURES) + "/" + r.fixture;
    try {
        levelc::compileLevel(path, std::string(LEVELC_SCRATCH) + "/refused");
        FAIL() << r.fixture << " compiled";
    } catch (const levelc::CompileError& e) {
        const std::string where = path + ":" + std::to_string(r.line) + ":" + std::to_string(r.column) + ": error: ";
        const std::string message = e.what();
        EXPECT_EQ(message.rfind(where, 0), 0u) << message;
        EXPECT_NE(message.find(r.says), std::string::npos) << message;
    }
}

INSTANTIATE_TEST_SUITE_P(Fixtures, CompilerRefuses, ::testing::ValuesIn(refusals),
                         [](const auto& info) {
                             std::string name = info.param.fixture;
                             return name.substr(0, name.find('.'));
                         });

}  // namespace
