// Input as the game sees it: key events as (key code, character) and mouse events in window pixels.
// Key codes are the game's own: arrows 37-40, space 32, ctrl 17, shift 16, enter 13, escape 27, letters A-Z 65-90.
#pragma once
#include <cstdint>
#include <string>

namespace eng {

namespace keys {
constexpr int Enter = 13, Shift = 16, Ctrl = 17, Escape = 27, Space = 32;
constexpr int Left = 37, Up = 38, Right = 39, Down = 40;
constexpr int Backspace = 8, Tab = 9, Delete = 46;
}  // namespace keys

struct KeyEvent {
    int keyCode = 0;        // virtual-key code as above; letters give their upper-case code (65-90), digits 48-57
    char32_t keyChar = 0;   // the character the key produces: letters in lower case, ' ' for space, 13 for enter
    std::string keyName;    // SDL's name of the key ("Right", "Space", "A", "Escape"): replays record it
    bool down = true;
};

// Translate a key name as SDL spells it ("Right", "A", "Space", "Escape", "Return") into a key event.
// Returns an event with keyCode 0 and keyChar 0 for a name it does not know.
KeyEvent keyEventFromName(const std::string& keyName, bool down);

enum class MouseButton { Left, Right, Middle };

struct MouseEvent {
    enum Kind { Move, Down, Up } kind = Move;
    float x = 0, y = 0;       // window pixels
    MouseButton button = MouseButton::Left;
};

}  // namespace eng
