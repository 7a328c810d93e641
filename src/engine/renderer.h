// Draws a scene tree into the window (or an offscreen surface when headless) with SDL_Renderer.
// Drawing only reads the scene; it never advances animations or changes nodes.
#pragma once
#include <memory>
#include <string>
#include "geometry.h"
#include "node.h"

namespace eng {

class Label;

class Renderer {
public:
    virtual ~Renderer() = default;
    virtual void draw(const Node& root, AlphaColor background) = 0;  // clear, draw the tree, keep result
    virtual void present() = 0;
    virtual SizeF outputSize() const = 0;
    virtual void savePng(const std::string& path) = 0;   // what the window shows now
    virtual SizeF measureText(const Label& label) = 0;   // size of the label's text in its units
    virtual void forgetCachedTextures() = 0;             // after a level is cleared
};

}  // namespace eng
