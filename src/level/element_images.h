// The element images of a built level. Every element is an eng::Image carrying its data in the four
// slots (tag, tagFloat, tagString, hint); an enemy also holds its blocking flag beside them.
#pragma once
#include "engine/controls.h"

// Slot use by kind:
//   platform: tag = TPlateformeStyle, tagFloat = slope offset written by the standing test
//   enemy:    tag = facing index, tagFloat = pv, tagString = image1 + ";" + image2, hint = hit box
//   bonus:    tag = point, tagString = typeBonus as decimal text
//   special:  tagFloat = kind (3 mask, 2 music, 1 exit, 0 sign), tagString = niveauSuivant (kinds 0, 1),
//             hint = unMessage
//   decor, tile strip, level picture: no slots.
class TImageEnnemi : public eng::Image {
public:
    bool bloquer = false;   // the enemy stops the hero like a wall
};

// Kinds of special carried in a special image's float tag.
namespace specialKind {
constexpr float panneau = 0, sortie = 1, musique = 2, masque = 3;
}
