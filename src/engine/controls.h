// The visual node kinds: layout, image, rectangle and label.
// They hold what is drawn; the SDL backend reads them and never changes them while drawing.
#pragma once
#include <string>
#include <vector>
#include "bitmap.h"
#include "node.h"

namespace eng {

// A container that draws nothing itself.
class Layout : public Node {};

enum class WrapMode { Original, Fit, Stretch, Tile };

class Image : public Node {
public:
    BitmapPtr bitmap;                 // what is shown (may be a sprite sheet when a frame is set)
    WrapMode wrapMode = WrapMode::Stretch;
    bool hasFrame = false;            // when true only `frame` (in bitmap pixels) of the bitmap is shown
    RectF frame;

    void setBitmap(BitmapPtr b) { bitmap = std::move(b); hasFrame = false; }
    void showFrame(BitmapPtr sheet, RectF sourceRect) { bitmap = std::move(sheet); frame = sourceRect; hasFrame = true; }
};

enum class FillKind { None, Solid, LinearGradient, RadialGradient, Bitmap };

struct GradientStop {
    AlphaColor color;
    float offset;  // 0..1
};

struct Fill {
    FillKind kind = FillKind::Solid;
    AlphaColor color = colors::White;
    std::vector<GradientStop> stops;          // gradients
    PointF gradientStart{0, 0}, gradientStop{0, 1};  // fractions of the rectangle (vertical by default)
    BitmapPtr bitmap;                         // FillKind::Bitmap
    WrapMode bitmapWrap = WrapMode::Tile;
};

class Rectangle : public Node {
public:
    Fill fill;
    AlphaColor strokeColor = colors::Black;
    float strokeThickness = 1;
    bool strokeVisible = true;
    float xRadius = 0, yRadius = 0;           // corner radius

    bool setColorProperty(std::string_view prop, AlphaColor value) override;   // "Fill.Color", "Stroke.Color"
    std::optional<AlphaColor> colorProperty(std::string_view prop) const override;
    bool setFloatProperty(std::string_view prop, float value) override;        // + "Stroke.Thickness", "XRadius", "YRadius"
    std::optional<float> floatProperty(std::string_view prop) const override;
};

enum class TextAlign { Leading, Center, Trailing };

class Label : public Node {
public:
    std::string text;                          // UTF-8; "\r\n" breaks lines
    std::string fontFamily = "Arlett Future";
    float fontSize = 12;
    AlphaColor color = colors::Black;
    bool bold = false, italic = false, strikeOut = false;
    TextAlign textAlign = TextAlign::Leading;
    TextAlign verticalAlign = TextAlign::Center;
    bool wordWrap = false;
    bool autoSize = false;                     // resize to the text (needs the renderer's measure)

    bool setColorProperty(std::string_view prop, AlphaColor value) override;   // "TextSettings.FontColor", "Color"
    std::optional<AlphaColor> colorProperty(std::string_view prop) const override;
    bool setFloatProperty(std::string_view prop, float value) override;        // + "Font.Size"
    std::optional<float> floatProperty(std::string_view prop) const override;
};

}  // namespace eng
