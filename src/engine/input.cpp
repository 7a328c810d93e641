// Key names as SDL spells them, translated into the game's key codes and characters.
// Replays store the names, so this table is what makes a recorded run replay the same keys.
#include <array>
#include <string>
#include <string_view>
#include "ascii.h"
#include "input.h"

namespace eng {

namespace {

struct NamedKey {
    std::string_view name;  // SDL's spelling
    int keyCode;
    char32_t keyChar;
};

constexpr std::array kNamedKeys{
    NamedKey{"Left", keys::Left, 0},       NamedKey{"Up", keys::Up, 0},
    NamedKey{"Right", keys::Right, 0},     NamedKey{"Down", keys::Down, 0},
    NamedKey{"Space", keys::Space, U' '},  NamedKey{"Return", keys::Enter, 13},
    NamedKey{"Keypad Enter", keys::Enter, 13}, NamedKey{"Escape", keys::Escape, 27},
    NamedKey{"Left Ctrl", keys::Ctrl, 0},  NamedKey{"Right Ctrl", keys::Ctrl, 0},
    NamedKey{"Left Shift", keys::Shift, 0}, NamedKey{"Right Shift", keys::Shift, 0},
    NamedKey{"Backspace", keys::Backspace, 0}, NamedKey{"Tab", keys::Tab, 0},
    NamedKey{"Delete", keys::Delete, 0},
};

constexpr int kF1 = 112;  // F1 .. F12 take 112 .. 123

// 1..12 for "F1".."F12" in any case, else 0.
int functionKeyNumber(std::string_view name) {
    if (name.size() < 2 || name.size() > 3 || asciiLower(name[0]) != 'f') return 0;
    int number = 0;
    for (char c : name.substr(1)) {
        if (c < '0' || c > '9') return 0;
        number = number * 10 + (c - '0');
    }
    return (number >= 1 && number <= 12 && name[1] != '0') ? number : 0;
}

}  // namespace

KeyEvent keyEventFromName(const std::string& keyName, bool down) {
    KeyEvent event;
    event.keyName = keyName;
    event.down = down;
    if (keyName.size() == 1) {
        const char c = asciiLower(keyName[0]);
        if (c >= 'a' && c <= 'z') {
            event.keyCode = 'A' + (c - 'a');
            event.keyChar = static_cast<char32_t>(c);
            event.keyName = std::string(1, static_cast<char>(event.keyCode));
        } else if (c >= '0' && c <= '9') {
            event.keyCode = c;
            event.keyChar = static_cast<char32_t>(c);
        }
        return event;
    }
    if (const int f = functionKeyNumber(keyName); f > 0) {
        event.keyCode = kF1 + f - 1;
        event.keyName = "F" + std::to_string(f);
        return event;
    }
    for (const NamedKey& k : kNamedKeys) {
        if (!sameIgnoringCase(keyName, k.name)) continue;
        event.keyCode = k.keyCode;
        event.keyChar = k.keyChar;
        event.keyName = std::string(k.name);
        break;
    }
    return event;
}

}  // namespace eng
