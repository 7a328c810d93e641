// Translation of SDL key symbols into the game's key events. Internal to src/engine; the signatures
// carry no SDL types so tests can check the table through SDL's own key names.
#pragma once
#include <cstdint>
#include <string>
#include "input.h"

namespace eng {

// Key code and character for an SDL key symbol (SDL_Keycode), in the game's codes (arrows 37-40...).
KeyEvent keyEventFromSdl(std::int32_t sdlKeycode, bool down);

// The same for the key SDL calls `sdlKeyName` ("Left", "A", "Left Ctrl"); keyCode 0 when SDL has no such key.
KeyEvent keyEventFromSdlKeyName(const std::string& sdlKeyName, bool down);

}  // namespace eng
