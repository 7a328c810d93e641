// Fingerprints of subtrees for the effect cache: geometry, opacity and the drawn content of every
// visual node and effect below, mixed into one 64-bit value.
#include "render_signature.h"
#include <bit>
#include <string_view>
#include <typeinfo>
#include "controls.h"
#include "effects.h"

namespace eng {
namespace {

struct Mixer {
    std::uint64_t h = 0xcbf29ce484222325ull;
    void add(std::uint64_t v) { h = (h ^ v) * 0x100000001b3ull; h ^= h >> 29; }
    void add(float v) { add(static_cast<std::uint64_t>(std::bit_cast<std::uint32_t>(v))); }
    void add(std::string_view s) { for (char c : s) add(static_cast<std::uint64_t>(static_cast<unsigned char>(c))); add(std::uint64_t{s.size()}); }
};

void addFill(Mixer& mix, const Fill& fill) {
    mix.add(std::uint64_t{static_cast<unsigned>(fill.kind)});
    mix.add(std::uint64_t{fill.color});
    for (const GradientStop& s : fill.stops) { mix.add(std::uint64_t{s.color}); mix.add(s.offset); }
    mix.add(fill.gradientStart.x); mix.add(fill.gradientStart.y); mix.add(fill.gradientStop.x); mix.add(fill.gradientStop.y);
    if (fill.bitmap) { mix.add(fill.bitmap->id()); mix.add(fill.bitmap->version()); }
}

void addContent(Mixer& mix, const Node& node) {
    if (const auto* image = dynamic_cast<const Image*>(&node)) {
        if (image->bitmap) { mix.add(image->bitmap->id()); mix.add(image->bitmap->version()); }
        mix.add(std::uint64_t{static_cast<unsigned>(image->wrapMode)});
        if (image->hasFrame) { mix.add(image->frame.left); mix.add(image->frame.top); mix.add(image->frame.right); mix.add(image->frame.bottom); }
    } else if (const auto* rect = dynamic_cast<const Rectangle*>(&node)) {
        addFill(mix, rect->fill);
        mix.add(std::uint64_t{rect->strokeColor}); mix.add(rect->strokeThickness); mix.add(std::uint64_t{rect->strokeVisible});
        mix.add(rect->xRadius); mix.add(rect->yRadius);
    } else if (const auto* label = dynamic_cast<const Label*>(&node)) {
        mix.add(label->text); mix.add(label->fontFamily); mix.add(label->fontSize); mix.add(std::uint64_t{label->color});
        mix.add(std::uint64_t{label->bold + 2u * label->italic + 4u * label->strikeOut + 8u * label->wordWrap});
        mix.add(std::uint64_t{static_cast<unsigned>(label->textAlign) * 4u + static_cast<unsigned>(label->verticalAlign)});
    } else if (const auto* glow = dynamic_cast<const GlowEffect*>(&node)) {
        mix.add(std::uint64_t{glow->glowColor}); mix.add(glow->softness); mix.add(glow->opacity);
    } else if (const auto* inner = dynamic_cast<const InnerGlowEffect*>(&node)) {
        mix.add(std::uint64_t{inner->glowColor}); mix.add(inner->softness); mix.add(inner->opacity);
    } else if (const auto* shadow = dynamic_cast<const ShadowEffect*>(&node)) {
        mix.add(std::uint64_t{shadow->shadowColor}); mix.add(shadow->distance); mix.add(shadow->direction);
        mix.add(shadow->softness); mix.add(shadow->opacity);
    } else if (const auto* fill = dynamic_cast<const FillRGBEffect*>(&node)) {
        mix.add(std::uint64_t{fill->color});
    } else if (const auto* pixelate = dynamic_cast<const PixelateEffect*>(&node)) {
        mix.add(pixelate->blockCount);
    }
}

void addNode(Mixer& mix, const Node& node) {
    mix.add(std::uint64_t{typeid(node).hash_code()});
    mix.add(std::uint64_t{node.visible + 2u * node.enabled + 4u * node.clipChildren});
    mix.add(node.position.x); mix.add(node.position.y); mix.add(node.width); mix.add(node.height);
    mix.add(node.scale.x); mix.add(node.scale.y); mix.add(node.rotationAngle);
    mix.add(node.rotationCenter.x); mix.add(node.rotationCenter.y); mix.add(node.opacity);
    addContent(mix, node);
    for (const auto& child : node.children())
        if (child->isVisual() || dynamic_cast<const Effect*>(child.get())) addNode(mix, *child);
}

}  // namespace

std::uint64_t subtreeSignature(const Node& node) {
    Mixer mix;
    addNode(mix, node);
    return mix.h;
}

}  // namespace eng
