// Drawing images and rectangles: wrap modes and sprite-sheet frames; solid, gradient and picture fills,
// outlines and rounded corners (painted once into a cached texture per size and style).
#include <cmath>
#include <string>
#include "shape_raster.h"
#include "sdl_renderer.h"

namespace eng {
namespace {

constexpr int maxShapeSide = 2048;
constexpr int gradientSteps = 256;  // a plain gradient band needs no more pixels than this per axis

RectF wholePicture(const TexturedPicture& p) { return {0, 0, static_cast<float>(p.width), static_cast<float>(p.height)}; }

float strokeWidth(const Rectangle& rect) {
    return rect.strokeVisible && rect.strokeThickness > 0 && (rect.strokeColor >> 24) != 0 ? rect.strokeThickness : 0.f;
}

}  // namespace

void SdlRenderer::drawImage(const Image& image, const Affine& m, float opacity) {
    if (!image.bitmap || image.bitmap->isEmpty()) return;
    const TexturedPicture& picture = textures_.bitmap(*image.bitmap);
    const RectF source = image.hasFrame ? image.frame : wholePicture(picture);
    drawWrapped(m, image.boundsRect(), picture, source, image.wrapMode, opacity);
}

void SdlRenderer::drawRectangle(const Rectangle& rect, const Affine& m, float opacity) {
    const RectF bounds = rect.boundsRect();
    if (bounds.empty()) return;
    const float stroke = strokeWidth(rect);
    const bool rounded = rect.xRadius > 0 && rect.yRadius > 0;
    const bool gradient = rect.fill.kind == FillKind::LinearGradient || rect.fill.kind == FillKind::RadialGradient;
    if (rect.fill.kind == FillKind::Bitmap && rect.fill.bitmap && !rect.fill.bitmap->isEmpty()) {
        const TexturedPicture& picture = textures_.bitmap(*rect.fill.bitmap);
        drawWrapped(m, bounds, picture, wholePicture(picture), rect.fill.bitmapWrap, opacity);
    }
    if (rounded || gradient) {
        ShapeStyle style;
        style.fill = rect.fill;
        if (!gradient && rect.fill.kind != FillKind::Solid) style.fill.kind = FillKind::None;
        style.strokeColor = rect.strokeColor;
        style.strokeThickness = stroke;
        style.xRadius = rounded ? rect.xRadius : 0;
        style.yRadius = rounded ? rect.yRadius : 0;
        // Painted at the size it shows on screen; a plain gradient band at a modest size, stretched.
        const float pxPerUnitX = std::hypot(m.a, m.b), pxPerUnitY = std::hypot(m.c, m.d);
        const int limit = (rounded || stroke > 0) ? maxShapeSide : gradientSteps;
        const int pw = std::clamp(static_cast<int>(std::ceil(bounds.width() * pxPerUnitX)), 1, limit);
        const int ph = std::clamp(static_cast<int>(std::ceil(bounds.height() * pxPerUnitY)), 1, limit);
        const std::string key = "shape:" + style.key() + '|' + std::to_string(bounds.width()) + 'x' +
                                std::to_string(bounds.height()) + '@' + std::to_string(pw) + 'x' + std::to_string(ph);
        const TexturedPicture& shape = textures_.derived(key, [&] { return rasterizeShape(style, bounds.width(), bounds.height(), pw, ph); });
        drawPicture(m, bounds, shape, wholePicture(shape), opacity);
        return;
    }
    if (rect.fill.kind == FillKind::Solid) fillRect(m, bounds, rect.fill.color, opacity);
    if (stroke <= 0) return;
    const float t = std::min({stroke, bounds.width() / 2, bounds.height() / 2});
    const float w = bounds.width(), h = bounds.height();
    fillRect(m, RectF{0, 0, w, t}, rect.strokeColor, opacity);
    fillRect(m, RectF{0, h - t, w, h}, rect.strokeColor, opacity);
    fillRect(m, RectF{0, t, t, h - t}, rect.strokeColor, opacity);
    fillRect(m, RectF{w - t, t, w, h - t}, rect.strokeColor, opacity);
}

}  // namespace eng
