// Visual effects: non-visual children that change how their parent is drawn when enabled.
// The renderer caches effect results per bitmap version, so an unchanged effect costs one texture.
#pragma once
#include "geometry.h"
#include "node.h"

namespace eng {

class Effect : public Node {
public:
    // `enabled` (from Node) switches the effect on and off.
    bool isVisual() const override { return false; }
};

class GlowEffect : public Effect {
public:
    AlphaColor glowColor = 0xFFFFD700;
    float softness = 0.4f;
    float opacity = 0.9f;
};

class InnerGlowEffect : public Effect {
public:
    AlphaColor glowColor = 0xFFFFD700;
    float softness = 0.4f;
    float opacity = 0.9f;
};

class ShadowEffect : public Effect {
public:
    AlphaColor shadowColor = colors::Black;
    float distance = 3;
    float direction = 45;  // degrees
    float softness = 0.3f;
    float opacity = 0.6f;
};

class FillRGBEffect : public Effect {  // paints every opaque pixel one colour, keeping alpha
public:
    AlphaColor color = colors::White;
    bool setColorProperty(std::string_view prop, AlphaColor value) override;   // "Color"
    std::optional<AlphaColor> colorProperty(std::string_view prop) const override;
};

class MonochromeEffect : public Effect {};

class PixelateEffect : public Effect {
public:
    float blockCount = 600;  // blocks across the width; fewer = coarser
    bool setFloatProperty(std::string_view prop, float value) override;        // "BlockCount"
    std::optional<float> floatProperty(std::string_view prop) const override;
};

class RippleEffect : public Effect {
public:
    float frequency = 0, amplitude = 0.1f, phase = 0;
    bool setFloatProperty(std::string_view prop, float value) override;        // "Frequency", "Amplitude", "Phase"
    std::optional<float> floatProperty(std::string_view prop) const override;
};

}  // namespace eng
