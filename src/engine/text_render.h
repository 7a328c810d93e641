// Text for labels through SDL_ttf: the font files, line breaking and word wrap, and rendering a block
// of lines in white (the renderer tints it with the label's colour, so a colour change costs nothing).
#pragma once
#include <map>
#include <string>
#include <utility>
#include <vector>
#include "bitmap.h"
#include "controls.h"
#include "sdl_handles.h"

namespace eng {

struct TextStyle {
    std::string family;
    int pixelSize = 12;
    bool bold = false, italic = false, strikeOut = false;
};

class FontLibrary {
public:
    FontLibrary();
    ~FontLibrary();
    FontLibrary(const FontLibrary&) = delete;
    FontLibrary& operator=(const FontLibrary&) = delete;

    // The font for the style, opened once per (file, size); nullptr when no font file can be opened.
    TTF_Font* font(const TextStyle& style);
    // "<programDir>/fonts/<family>.ttf" when present, else the game's own font there, else DejaVu Sans.
    static std::string fontFile(const std::string& family);

private:
    const std::string& resolvedFile(const std::string& family);  // fontFile(), looked up once per family

    bool ready_ = false;
    std::map<std::string, std::string> files_;
    std::map<std::pair<std::string, int>, sdl::FontPtr> fonts_;
};

// Splits at "\r\n" (or a lone "\n"), then, when wrapWidthPx > 0, between words to fit that width.
std::vector<std::string> layoutLines(TTF_Font* font, const std::string& text, int wrapWidthPx);

// The lines in white on transparent, each aligned within the widest one.
Bitmap renderTextBlock(TTF_Font* font, const std::vector<std::string>& lines, TextAlign align);

// Width of the widest line and height of all lines, in pixels.
SizeF measureLines(TTF_Font* font, const std::vector<std::string>& lines);

}  // namespace eng
