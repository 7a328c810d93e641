// The weather's drawing surface: a picture the particles are painted into with discs, lines and pictures,
// all blended with an opacity. It is what the weather layer shows.
#pragma once
#include "engine/bitmap.h"

class WeatherCanvas {
public:
    explicit WeatherCanvas(eng::Bitmap& target) : target_(target) {}
    void clear();
    // The ellipse bounded by (left, top) and (right, bottom), filled.
    void fillEllipse(float left, float top, float right, float bottom, eng::AlphaColor color, float opacity);
    // A vertical line one pixel wide from y0 to y1 at x.
    void drawVerticalLine(float x, float y0, float y1, eng::AlphaColor color, float opacity);
    // The whole picture with its top-left corner at (x, y).
    void drawBitmap(const eng::Bitmap& picture, float x, float y, float opacity);
    int width() const { return target_.width(); }
    int height() const { return target_.height(); }

private:
    eng::Bitmap& target_;
    void blend(int x, int y, eng::AlphaColor color, float opacity);
};
