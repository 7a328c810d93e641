// Building placement strings into element images: one image per placement, in the container of its kind
// and plane, with its picture or sprite sheet, its size, its position on the tile grid and its data slots.
#include <cmath>
#include "app/TfMain.h"
#include "engine/errors.h"
#include "level/definition_lookup.h"
#include "level/placement.h"
#include "level/pictures.h"
#include "level/text_fields.h"

namespace {

struct SheetStyle {
    int rows = 1;
    bool autoReverse = false;
    eng::Interpolation interpolation = eng::Interpolation::Linear;
};

template <class ImageType = eng::Image>
ImageType* newElement(eng::Node& container, std::string name) {
    auto* image = container.add<ImageType>();
    image->name = std::move(name);
    image->hitTest = false;
    return image;
}

}  // namespace

// A still picture, or a sprite sheet started at once so that the first frame shows; sized to one frame.
void TfMain::habillerElement(eng::Image& image, const std::string& picture, int count, float duration,
                             int rows, bool autoReverse, eng::Interpolation interpolation) {
    const eng::BitmapPtr bitmap = chargerImage(picture);
    if (count > 1) {
        auto* sheet = image.add<eng::BitmapListAnimation>();
        sheet->animationBitmap = bitmap;
        sheet->animationCount = count;
        sheet->animationRowCount = rows;
        sheet->duration = duration;
        sheet->loop = true;
        sheet->autoReverse = autoReverse;
        sheet->interpolation = interpolation;
        sheet->animationType = eng::AnimationType::InOut;
        const eng::SizeF cell = tailleCase(*bitmap, count, rows);
        image.width = cell.width;
        image.height = cell.height;
        sheet->start();
    } else {
        image.setBitmap(bitmap);
        image.width = static_cast<float>(bitmap->width());
        image.height = static_cast<float>(bitmap->height());
    }
}

void TfMain::placerElement(eng::Image& image, const Placement& placement) {
    image.position.x = static_cast<float>(placement.column * TileSize);
    image.position.y = placementTop(placement, TileSize, image.height);
    image.visible = true;
}

void TfMain::genererDecor(const std::string& placements, bool niveau2) {
    const auto entries = parsePlacements(placements);
    for (size_t n = 0; n < entries.size(); ++n) {
        const TDecor& d = definitionAt(listeDecor, entries[n], "decorElement", n, nomNiveauCharge, niveau2);
        eng::Node* container = d.bloquer        ? (niveau2 ? recDecorBloquant2 : recDecorBloquant)
                               : d.count >= 2   ? (niveau2 ? recDecorAnime2 : recDecorAnime)
                               : d.devant       ? (niveau2 ? recDecorDevant2 : static_cast<eng::Node*>(layDecorDevant))
                                                : (niveau2 ? recDecor2 : recDecor);
        auto* image = newElement(*container, "decor" + std::to_string(n));
        habillerElement(*image, d.image, d.count, d.duration, d.rowcount, false, eng::Interpolation::Linear);
        placerElement(*image, entries[n]);
        image->opacity = d.opacity;
        if (d.count >= 2) (niveau2 ? decorAnime2DevantDecor2 : decorAnimeDevantDecor) = d.devant;
    }
}

void TfMain::genererDecorFromTileSet(const std::string& placements, bool niveau2) {
    const auto entries = parsePlacements(placements);
    for (size_t n = 0; n < entries.size(); ++n) {
        const auto& d = *definitionAt(listeDecorsTileset, entries[n], "decorElementFromTileSet", n,
                                      nomNiveauCharge, niveau2);
        eng::Node* container = d.bloquer                ? (niveau2 ? recDecorBloquant2 : recDecorBloquant)
                               : (d.devant && !niveau2) ? static_cast<eng::Node*>(layDecorDevant)
                                                        : (niveau2 ? recDecor2 : recDecor);
        auto* image = newElement(*container, "decorFromTileSet" + std::to_string(n));
        image->width = static_cast<float>(d.vertical ? TileSize : d.width);
        image->height = static_cast<float>(d.vertical ? d.width : TileSize);
        placerElement(*image, entries[n]);
    }
}

// The platform's picture: the listed tiles of the plane's tileset side by side, one tile high.
eng::BitmapPtr TfMain::bandeDeTuiles(const TPlateforme& p, bool niveau2) {
    auto strip = std::make_shared<eng::Bitmap>(p.width, TileSize);
    const eng::Bitmap& tiles = niveau2 ? *tileSet2 : *tileSet;
    const auto numbers = splitFields(p.image, ':');
    auto& pixels = strip->mutablePixels();
    for (size_t k = 0; k < numbers.size(); ++k) {
        const eng::Bitmap tile = extraireTuile(parseIntOr(numbers[k], 0), TileSize, nbTilePerLine, tiles);
        const int left = static_cast<int>(k) * TileSize;
        for (int y = 0; y < tile.height() && y < strip->height(); ++y)
            for (int x = 0; x < tile.width() && left + x < strip->width(); ++x)
                pixels[static_cast<size_t>(y) * strip->width() + left + x] = tile.pixel(x, y);
    }
    return strip;
}

void TfMain::genererPlateformes(const std::string& placements, bool niveau2) {
    const auto entries = parsePlacements(placements);
    for (size_t n = 0; n < entries.size(); ++n) {
        const auto& p = *definitionAt(listePlateformes, entries[n], "plateformElement", n, nomNiveauCharge, niveau2);
        const bool tourne = p.style == TPlateformeStyle::tourne;
        eng::Node* container = tourne ? recPlateformeTournante : (niveau2 ? recPlateforme2 : recPlateforme);
        auto* image = newElement(*container, "plateforme" + std::to_string(n));
        if (!p.image.empty() && TileSize > 0) {
            image->setBitmap(bandeDeTuiles(p, niveau2));
            image->wrapMode = eng::WrapMode::Fit;
        }
        image->width = static_cast<float>(p.width);
        image->height = static_cast<float>(p.height);
        image->tag = static_cast<int>(p.style);
        placerElement(*image, entries[n]);
        if (tourne) CreerAnimationTournante(p.animation, *image);
        else CreerAnimation(p.animation, *image, false, false, false);
    }
}

void TfMain::genererBonus(const std::string& placements, bool niveau2) {
    const auto entries = parsePlacements(placements);
    for (size_t n = 0; n < entries.size(); ++n) {
        const TBonus& b = definitionAt(listeBonus, entries[n], "bonusElement", n, nomNiveauCharge, niveau2);
        auto* image = newElement(*(niveau2 ? recBonus2 : recBonus), "bonus" + std::to_string(n));
        habillerElement(*image, b.image, b.count, b.duration, 1, true, eng::Interpolation::Sinusoidal);
        placerElement(*image, entries[n]);
        image->tag = b.point;
        image->tagString = std::to_string(b.typeBonus);
        if (b.count > 1 && image->tagString == "1") ++nbBonusMax;
    }
}

void TfMain::genererDecorImage(const std::string& nomImage, bool niveau2) {
    if (nomImage.empty()) return;
    auto* image = newElement(*(niveau2 ? recDecor2 : recDecor), "");
    const eng::BitmapPtr picture = chargerImage(cheminImage(nomImage));
    image->setBitmap(picture);
    image->width = static_cast<float>(picture->width());
    image->height = static_cast<float>(picture->height());
    layNiveau->width = image->width;      // the level picture sets the level's extent, whichever plane
    layNiveau->height = image->height;
    if (!niveau2) {
        tailleNiveauWidth = picture->width();
        tailleNiveauHeight = picture->height();
    }
    image->visible = true;
}

void TfMain::genererSpeciaux(const std::string& placements, bool niveau2) {
    const auto entries = parsePlacements(placements);
    for (size_t n = 0; n < entries.size(); ++n) {
        const TSpecial& s = definitionAt(listeSpecial, entries[n], "specialElement", n, nomNiveauCharge, niveau2);
        auto* image = newElement(*(niveau2 ? recSpeciaux2 : recSpeciaux), "special" + std::to_string(n));
        habillerElement(*image, s.image, s.count, s.duration, s.rowcount, true, eng::Interpolation::Linear);
        placerElement(*image, entries[n]);
        image->opacity = s.opacity;
        image->tagFloat = s.masquerPremierPlan ? specialKind::masque
                          : s.musique          ? specialKind::musique
                          : s.finNiveau        ? specialKind::sortie
                                               : specialKind::panneau;
        if (image->tagFloat <= specialKind::sortie) image->tagString = s.niveauSuivant;
        image->hint = s.unMessage;
    }
}
