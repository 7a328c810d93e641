// Foreground strips placed by their posY: the strip's own picture, from the art generator's backdrops,
// drawn that far down a clear picture of the strip's width.
#include "foreground_strip.h"
#include <filesystem>
#include "catalogue.h"

namespace levelc {

bool isPlacedForeground(const Scrolling& layer) { return layer.foreground && !layer.continueY && layer.posY > 0; }

std::string placedForegroundFile(const std::string& levelBase, const Scrolling& layer) {
    return levelBase + "_" + std::filesystem::path(layer.image).stem().string() + ".png";
}

art::Canvas composePlacedForeground(const Scrolling& layer) {
    const std::string wanted = std::filesystem::path(layer.image).stem().string();
    for (const art::Picture& picture : art::paintBackdrops()) {
        if (picture.name != wanted) continue;
        art::Canvas placed(picture.sheet.width(), layer.posY + picture.sheet.height());
        placed.draw(picture.sheet, 0, layer.posY);
        return placed;
    }
    throw CompileError(layer.pos, "the foreground strip \"" + layer.image + "\" is not a backdrop the art generator paints");
}

}  // namespace levelc
