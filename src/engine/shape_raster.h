// Rectangles with gradients, rounded corners and outlines, painted into a picture on the CPU.
// The renderer caches the result per size and style and draws it as one texture.
#pragma once
#include <string>
#include "bitmap.h"
#include "controls.h"

namespace eng {

struct ShapeStyle {
    Fill fill;                    // Solid, LinearGradient or RadialGradient (others paint nothing)
    AlphaColor strokeColor = colors::Null;
    float strokeThickness = 0;    // in the rectangle's units; 0 = no outline
    float xRadius = 0, yRadius = 0;
    std::string key() const;
};

// The colour of a gradient fill at (u, v), fractions of the rectangle.
AlphaColor fillColorAt(const Fill& fill, float u, float v);

// Paints a rectangle of width x height units into a picture of pixelWidth x pixelHeight.
Bitmap rasterizeShape(const ShapeStyle& style, float width, float height, int pixelWidth, int pixelHeight);

}  // namespace eng
