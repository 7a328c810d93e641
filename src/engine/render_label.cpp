// Drawing and measuring labels: the text block is rendered at the size it shows on screen (crisp at any
// zoom), cached per text and style, and tinted with the label's colour when drawn.
#include <cmath>
#include <string>
#include "sdl_renderer.h"

namespace eng {
namespace {

TextStyle styleOf(const Label& label, float pixelsPerUnit) {
    return TextStyle{label.fontFamily, static_cast<int>(std::lround(label.fontSize * pixelsPerUnit)), label.bold,
                     label.italic, label.strikeOut};
}

float alignedStart(TextAlign align, float room, float used) {
    switch (align) {
    case TextAlign::Leading: return 0;
    case TextAlign::Center: return (room - used) / 2;
    case TextAlign::Trailing: return room - used;
    }
    return 0;
}

}  // namespace

void SdlRenderer::drawLabel(const Label& label, const Affine& m, float opacity) {
    if (label.text.empty() || (label.color >> 24) == 0) return;
    const float pixelsPerUnit = m.pixelsPerUnit();
    const TextStyle style = styleOf(label, pixelsPerUnit);
    if (style.pixelSize < 1) return;
    TTF_Font* font = fonts_.font(style);
    if (!font) return;
    const int wrapPx = label.wordWrap ? static_cast<int>(label.width * pixelsPerUnit) : 0;
    const std::string key = "text:" + style.family + '|' + std::to_string(style.pixelSize) + '|' +
                            std::to_string(style.bold * 1 + style.italic * 2 + style.strikeOut * 4) + '|' +
                            std::to_string(static_cast<int>(label.textAlign)) + '|' + std::to_string(wrapPx) + '|' + label.text;
    const TexturedPicture& block = textures_.derived(key, [&] {
        return renderTextBlock(font, layoutLines(font, label.text, wrapPx), label.textAlign);
    });
    if (block.width == 0) return;
    const float w = static_cast<float>(block.width) / pixelsPerUnit, h = static_cast<float>(block.height) / pixelsPerUnit;
    const float left = alignedStart(label.textAlign, label.width, w), top = alignedStart(label.verticalAlign, label.height, h);
    drawPicture(m, RectF{left, top, left + w, top + h}, block,
                RectF{0, 0, static_cast<float>(block.width), static_cast<float>(block.height)}, opacity, label.color);
}

SizeF SdlRenderer::measureText(const Label& label) {
    if (label.text.empty()) return {};
    TTF_Font* font = fonts_.font(styleOf(label, 1.f));
    if (!font) return {};
    const int wrapPx = label.wordWrap ? static_cast<int>(label.width) : 0;
    return measureLines(font, layoutLines(font, label.text, wrapPx));
}

}  // namespace eng
