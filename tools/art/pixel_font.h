// A 5 × 7 capital pixel font for the titles painted into pictures (READY, GO!, GAME OVER, EXIT, FPS) and the
// labels of the contact sheet. Letters are masks, so titles get the same shading and outlines as sprites.
#pragma once
#include <string>
#include "painter.h"

namespace art {

constexpr int glyphWidth = 5, glyphHeight = 7;
// Width in pixels of `text` drawn at `scale` with `spacing` font pixels between letters.
int textWidth(const std::string& text, int scale, int spacing = 1);
// The mask of `text` with its top-left corner at (x, y), each font pixel a scale × scale block.
Mask textMask(int w, int h, int x, int y, const std::string& text, int scale, int spacing = 1);

}  // namespace art
