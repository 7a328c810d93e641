// ASCII case folding for the names the engine matches without regard to case:
// property names ("position.X"), resource and file names, key names.
#pragma once
#include <string_view>

namespace eng {

constexpr char asciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

constexpr bool sameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (asciiLower(a[i]) != asciiLower(b[i])) return false;
    return true;
}

}  // namespace eng
