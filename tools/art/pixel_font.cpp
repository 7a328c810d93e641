// The glyphs of the 5 × 7 pixel font and the text mask built from them.
// Unknown characters draw as a blank the width of a letter.
#include "pixel_font.h"
#include <map>
#include <vector>

namespace art {

namespace {

const std::map<char, std::vector<std::string>>& glyphs() {
    static const std::map<char, std::vector<std::string>> table = {
        {'A', {".XXX.", "X...X", "X...X", "XXXXX", "X...X", "X...X", "X...X"}},
        {'B', {"XXXX.", "X...X", "X...X", "XXXX.", "X...X", "X...X", "XXXX."}},
        {'C', {".XXX.", "X...X", "X....", "X....", "X....", "X...X", ".XXX."}},
        {'D', {"XXXX.", "X...X", "X...X", "X...X", "X...X", "X...X", "XXXX."}},
        {'E', {"XXXXX", "X....", "X....", "XXXX.", "X....", "X....", "XXXXX"}},
        {'F', {"XXXXX", "X....", "X....", "XXXX.", "X....", "X....", "X...."}},
        {'G', {".XXX.", "X...X", "X....", "X.XXX", "X...X", "X...X", ".XXXX"}},
        {'H', {"X...X", "X...X", "X...X", "XXXXX", "X...X", "X...X", "X...X"}},
        {'I', {"XXXXX", "..X..", "..X..", "..X..", "..X..", "..X..", "XXXXX"}},
        {'J', {"..XXX", "...X.", "...X.", "...X.", "...X.", "X..X.", ".XX.."}},
        {'K', {"X...X", "X..X.", "X.X..", "XX...", "X.X..", "X..X.", "X...X"}},
        {'L', {"X....", "X....", "X....", "X....", "X....", "X....", "XXXXX"}},
        {'M', {"X...X", "XX.XX", "X.X.X", "X.X.X", "X...X", "X...X", "X...X"}},
        {'N', {"X...X", "XX..X", "X.X.X", "X..XX", "X...X", "X...X", "X...X"}},
        {'O', {".XXX.", "X...X", "X...X", "X...X", "X...X", "X...X", ".XXX."}},
        {'P', {"XXXX.", "X...X", "X...X", "XXXX.", "X....", "X....", "X...."}},
        {'Q', {".XXX.", "X...X", "X...X", "X...X", "X.X.X", "X..X.", ".XX.X"}},
        {'R', {"XXXX.", "X...X", "X...X", "XXXX.", "X.X..", "X..X.", "X...X"}},
        {'S', {".XXXX", "X....", "X....", ".XXX.", "....X", "....X", "XXXX."}},
        {'T', {"XXXXX", "..X..", "..X..", "..X..", "..X..", "..X..", "..X.."}},
        {'U', {"X...X", "X...X", "X...X", "X...X", "X...X", "X...X", ".XXX."}},
        {'V', {"X...X", "X...X", "X...X", "X...X", "X...X", ".X.X.", "..X.."}},
        {'W', {"X...X", "X...X", "X...X", "X.X.X", "X.X.X", "XX.XX", "X...X"}},
        {'X', {"X...X", "X...X", ".X.X.", "..X..", ".X.X.", "X...X", "X...X"}},
        {'Y', {"X...X", "X...X", ".X.X.", "..X..", "..X..", "..X..", "..X.."}},
        {'Z', {"XXXXX", "....X", "...X.", "..X..", ".X...", "X....", "XXXXX"}},
        {'0', {".XXX.", "X...X", "X..XX", "X.X.X", "XX..X", "X...X", ".XXX."}},
        {'1', {"..X..", ".XX..", "..X..", "..X..", "..X..", "..X..", ".XXX."}},
        {'2', {".XXX.", "X...X", "....X", "...X.", "..X..", ".X...", "XXXXX"}},
        {'3', {"XXXX.", "....X", "....X", ".XXX.", "....X", "....X", "XXXX."}},
        {'4', {"...X.", "..XX.", ".X.X.", "X..X.", "XXXXX", "...X.", "...X."}},
        {'5', {"XXXXX", "X....", "XXXX.", "....X", "....X", "X...X", ".XXX."}},
        {'6', {".XXX.", "X....", "X....", "XXXX.", "X...X", "X...X", ".XXX."}},
        {'7', {"XXXXX", "....X", "...X.", "..X..", ".X...", ".X...", ".X..."}},
        {'8', {".XXX.", "X...X", "X...X", ".XXX.", "X...X", "X...X", ".XXX."}},
        {'9', {".XXX.", "X...X", "X...X", ".XXXX", "....X", "....X", ".XXX."}},
        {'!', {"..X..", "..X..", "..X..", "..X..", "..X..", ".....", "..X.."}},
        {'?', {".XXX.", "X...X", "....X", "...X.", "..X..", ".....", "..X.."}},
        {'.', {".....", ".....", ".....", ".....", ".....", ".....", "..X.."}},
        {':', {".....", "..X..", ".....", ".....", ".....", "..X..", "....."}},
        {'-', {".....", ".....", ".....", "XXXXX", ".....", ".....", "....."}},
        {'_', {".....", ".....", ".....", ".....", ".....", ".....", "XXXXX"}},
    };
    return table;
}

}  // namespace

int textWidth(const std::string& text, int scale, int spacing) {
    if (text.empty()) return 0;
    const int n = static_cast<int>(text.size());
    return (n * glyphWidth + (n - 1) * spacing) * scale;
}

Mask textMask(int w, int h, int x, int y, const std::string& text, int scale, int spacing) {
    Mask m(w, h);
    int cursor = x;
    for (char ch : text) {
        const char upper = (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch;
        const auto found = glyphs().find(upper);
        if (found != glyphs().end()) m.add(pixelMask(w, h, cursor, y, found->second, scale));
        cursor += (glyphWidth + spacing) * scale;
    }
    return m;
}

}  // namespace art
