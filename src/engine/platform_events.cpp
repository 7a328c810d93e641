// SDL key symbols to the game's key codes and characters: the Windows virtual-key numbering the
// game's options table uses, so saved key choices keep their meaning.
#include "platform_events.h"
#include <type_traits>
#include "sdl_handles.h"

namespace eng {
namespace {

struct KeyRow {
    SDL_Keycode sym;
    int code;
    char32_t character;
};

constexpr KeyRow namedKeys[] = {
    {SDLK_LEFT, keys::Left, 0},      {SDLK_UP, keys::Up, 0},           {SDLK_RIGHT, keys::Right, 0},
    {SDLK_DOWN, keys::Down, 0},      {SDLK_SPACE, keys::Space, U' '},  {SDLK_RETURN, keys::Enter, 13},
    {SDLK_KP_ENTER, keys::Enter, 13}, {SDLK_ESCAPE, keys::Escape, 27},  {SDLK_LCTRL, keys::Ctrl, 0},
    {SDLK_RCTRL, keys::Ctrl, 0},     {SDLK_LSHIFT, keys::Shift, 0},    {SDLK_RSHIFT, keys::Shift, 0},
    {SDLK_BACKSPACE, keys::Backspace, 0}, {SDLK_TAB, keys::Tab, 0},    {SDLK_DELETE, keys::Delete, 0},
    {SDLK_LALT, 18, 0},              {SDLK_RALT, 18, 0},               {SDLK_PAUSE, 19, 0},
    {SDLK_PAGEUP, 33, 0},            {SDLK_PAGEDOWN, 34, 0},           {SDLK_END, 35, 0},
    {SDLK_HOME, 36, 0},              {SDLK_INSERT, 45, 0},
};

static_assert(std::is_same_v<SDL_Keycode, std::int32_t>);

}  // namespace

KeyEvent keyEventFromSdlKeyName(const std::string& sdlKeyName, bool down) {
    const SDL_Keycode sym = SDL_GetKeyFromName(sdlKeyName.c_str());
    if (sym == SDLK_UNKNOWN) return KeyEvent{0, 0, sdlKeyName, down};
    return keyEventFromSdl(sym, down);
}

KeyEvent keyEventFromSdl(std::int32_t sym, bool down) {
    KeyEvent e;
    e.down = down;
    const char* name = SDL_GetKeyName(sym);
    e.keyName = name ? name : "";
    if (sym >= SDLK_a && sym <= SDLK_z) {
        e.keyCode = 'A' + (sym - SDLK_a);
        e.keyChar = static_cast<char32_t>(sym);  // SDL's letter symbols are the lower-case characters
        return e;
    }
    if (sym >= SDLK_0 && sym <= SDLK_9) {
        e.keyCode = '0' + (sym - SDLK_0);
        e.keyChar = static_cast<char32_t>(sym);
        return e;
    }
    if (sym >= SDLK_F1 && sym <= SDLK_F12) {
        e.keyCode = 112 + (sym - SDLK_F1);
        return e;
    }
    for (const KeyRow& row : namedKeys)
        if (row.sym == sym) {
            e.keyCode = row.code;
            e.keyChar = row.character;
            return e;
        }
    return e;
}

}  // namespace eng
