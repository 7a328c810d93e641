// Group output and the contact sheet. The contact sheet shows every frame of a sheet separated by a thin
// gap so frame boundaries, sizes and the hero's hit box can be checked by eye.
#include "output.h"
#include <algorithm>
#include "pixel_font.h"

namespace art {

int writeGroup(const Group& group, const std::string& dir) {
    int changed = 0;
    for (const Picture& p : group.paint())
        if (writeFileIfChanged(dir + "/" + p.name + ".png", encodePng(p.sheet))) ++changed;
    return changed;
}

namespace {

constexpr int labelHeight = 10, gap = 6, maxRowWidth = 2400;

// The picture's frames spread apart by 2 units, so each frame reads on its own.
Canvas spreadFrames(const Picture& p) {
    const int step = p.frameWidth + 2;
    Canvas out(p.frames * step - 2, p.sheet.height());
    for (int i = 0; i < p.frames; ++i)
        out.draw(p.sheet.crop(i * p.frameWidth, 0, p.frameWidth, p.sheet.height()), i * step, 0);
    return out;
}

void checkerboard(Canvas& c, int x, int y, int w, int h) {
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) c.set(x + i, y + j, ((i / 8 + j / 8) % 2) ? rgb(150, 160, 170) : rgb(170, 180, 190));
}

}  // namespace

Canvas contactSheet(const std::vector<Picture>& pictures, int scale) {
    struct Placed {
        const Picture* picture;
        Canvas spread;
        int x, y;
    };
    std::vector<Placed> placed;
    int x = gap, y = gap, rowHeight = 0, width = 0;
    for (const Picture& p : pictures) {
        Canvas spread = spreadFrames(p);
        const int w = std::max(spread.width() * scale, textWidth(p.name, 1) + 2);
        const int h = spread.height() * scale + labelHeight;
        if (x > gap && x + w > maxRowWidth) x = gap, y += rowHeight + gap, rowHeight = 0;
        placed.push_back({&p, std::move(spread), x, y});
        x += w + gap;
        rowHeight = std::max(rowHeight, h);
        width = std::max(width, x);
    }
    Canvas sheet(width, y + rowHeight + gap, rgb(60, 64, 72));
    for (const Placed& pl : placed) {
        fillMask(sheet, textMask(sheet.width(), sheet.height(), pl.x, pl.y + 1, pl.picture->name, 1),
                 rgb(255, 255, 255));
        const int top = pl.y + labelHeight;
        checkerboard(sheet, pl.x, top, pl.spread.width() * scale, pl.spread.height() * scale);
        sheet.drawScaled(pl.spread, pl.x, top, scale);
    }
    return sheet;
}

}  // namespace art
