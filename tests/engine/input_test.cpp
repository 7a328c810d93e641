// Key names as the window reports them, turned into the game's key codes and characters.
#include <gtest/gtest.h>
#include "engine/input.h"

namespace {

struct KeyCase {
    const char* name;
    int keyCode;
    char32_t keyChar;
};

const KeyCase kKeys[] = {
    {"Left", 37, 0}, {"Up", 38, 0}, {"Right", 39, 0}, {"Down", 40, 0},
    {"Space", 32, U' '}, {"Return", 13, 13}, {"Escape", 27, 27},
    {"Left Ctrl", 17, 0}, {"Right Ctrl", 17, 0}, {"Left Shift", 16, 0}, {"Right Shift", 16, 0},
    {"Backspace", 8, 0}, {"Tab", 9, 0}, {"Delete", 46, 0}, {"F1", 112, 0}, {"f12", 123, 0},
    {"A", 65, U'a'}, {"M", 77, U'm'}, {"Z", 90, U'z'}, {"q", 81, U'q'},
    {"0", 48, U'0'}, {"7", 55, U'7'}, {"9", 57, U'9'},
    {"right", 39, 0}, {"SPACE", 32, U' '}, {"left ctrl", 17, 0},
};

TEST(KeyNames, MapToTheGameKeyCodesAndCharacters) {
    for (const auto& k : kKeys) {
        SCOPED_TRACE(k.name);
        const eng::KeyEvent e = eng::keyEventFromName(k.name, true);
        EXPECT_EQ(e.keyCode, k.keyCode);
        EXPECT_EQ(e.keyChar, k.keyChar);
        EXPECT_TRUE(e.down);
    }
}

TEST(KeyNames, KeepTheNameAndTheDirection) {
    const eng::KeyEvent up = eng::keyEventFromName("Space", false);
    EXPECT_FALSE(up.down);
    EXPECT_EQ(up.keyName, "Space");
    EXPECT_EQ(eng::keyEventFromName("right", true).keyName, "Right");  // SDL's own spelling
}

TEST(KeyNames, UnknownNamesGiveNoKey) {
    for (const char* name : {"F13", "F0", "F01", "", "Left Alt", "!", "AB"}) {
        SCOPED_TRACE(name);
        const eng::KeyEvent e = eng::keyEventFromName(name, true);
        EXPECT_EQ(e.keyCode, 0);
        EXPECT_EQ(e.keyChar, 0u);
    }
}

}  // namespace
