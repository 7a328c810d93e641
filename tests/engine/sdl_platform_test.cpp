// Platform services and key translation: the game's key codes for SDL's keys, the per-user folder
// override, folder creation and the message report on standard error.
#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>
#include <unistd.h>
#include "engine/platform.h"
#include "engine/platform_events.h"

namespace {

namespace fs = std::filesystem;

TEST(SdlKeys, TranslateToTheGamesCodesAndCharacters) {
    struct Case { const char* sdlName; int code; char32_t character; };
    const Case cases[] = {
        {"Left", 37, 0},    {"Up", 38, 0},        {"Right", 39, 0},      {"Down", 40, 0},
        {"Space", 32, U' '}, {"Return", 13, 13},  {"Escape", 27, 27},     {"Left Ctrl", 17, 0},
        {"Right Ctrl", 17, 0}, {"Left Shift", 16, 0}, {"Right Shift", 16, 0}, {"A", 65, U'a'},
        {"Q", 81, U'q'},    {"Z", 90, U'z'},      {"0", 48, U'0'},       {"9", 57, U'9'},
        {"Backspace", 8, 0}, {"Tab", 9, 0},       {"F1", 112, 0},        {"Keypad Enter", 13, 13},
        {"No Such Key", 0, 0},
    };
    for (const Case& c : cases) {
        const eng::KeyEvent down = eng::keyEventFromSdlKeyName(c.sdlName, true);
        EXPECT_EQ(down.keyCode, c.code) << c.sdlName;
        EXPECT_EQ(down.keyChar, c.character) << c.sdlName;
        EXPECT_TRUE(down.down);
        if (c.code != 0) {
            EXPECT_EQ(down.keyName, c.sdlName);
        }
        EXPECT_FALSE(eng::keyEventFromSdlKeyName(c.sdlName, false).down);
    }
}

TEST(SdlKeys, NamesRoundTripThroughTheReplayTranslation) {
    // Replays record SDL's key names and replay them through keyEventFromName: both must agree.
    for (const char* name : {"Left", "Right", "Up", "Down", "Space", "Return", "Escape", "A", "M", "Z", "5"}) {
        const eng::KeyEvent live = eng::keyEventFromSdlKeyName(name, true);
        const eng::KeyEvent replayed = eng::keyEventFromName(live.keyName, true);
        EXPECT_EQ(replayed.keyCode, live.keyCode) << name;
        EXPECT_EQ(replayed.keyChar, live.keyChar) << name;
    }
}

class UserFolders : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() / ("zorlin_sdl_user_" + std::to_string(::getpid()));
    void TearDown() override {
        eng::setUserDataDirOverride("");
        fs::remove_all(dir);
    }
};

TEST_F(UserFolders, OverrideWinsAndFoldersAreCreatedWithParents) {
    eng::setUserDataDirOverride(dir.string());
    EXPECT_EQ(eng::userDataDir(), dir.string());
    EXPECT_TRUE(eng::ensureDir((dir / "config" / "deep").string()));
    EXPECT_TRUE(fs::is_directory(dir / "config" / "deep"));
    EXPECT_TRUE(eng::ensureDir((dir / "config").string()));  // already there
    std::ofstream((dir / "file").string()) << "x";
    EXPECT_FALSE(eng::ensureDir((dir / "file").string()));  // a file is in the way
    eng::setUserDataDirOverride("");
    const std::string own = eng::userDataDir();
    EXPECT_NE(own, dir.string());
    EXPECT_NE(own.find("Zorlin"), std::string::npos);
}

TEST(Messages, GoToStandardErrorWhenHeadless) {
    eng::setHeadlessMessages(true);
    ::testing::internal::CaptureStderr();
    eng::showMessage("Error", "level \"forest1\" not found");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Error: level \"forest1\" not found\n");
}

}  // namespace
