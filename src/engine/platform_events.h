// Translation of SDL input events into the game's key and mouse events.
// Internal to src/engine; kept apart from the window so the key table can be tested alone.
#pragma once
#include "input.h"
#include "sdl_handles.h"

namespace eng {

// Key code and character for an SDL key, in the game's codes (arrows 37-40, letters 65-90...).
KeyEvent keyEventFromSdl(SDL_Keycode sym, bool down);

}  // namespace eng
