// Reading the element tables of a level document into definitions, each table in array order.
// Picture names of decor, bonus, enemy and special entries are stored as full paths.
#pragma once
#include <memory>
#include <vector>
#include "level/TBonus.h"
#include "level/TDecor.h"
#include "level/TDecorFromTile.h"
#include "level/TEnnemi.h"
#include "level/TPlateforme.h"
#include "level/TSpecial.h"
#include "level/level_document.h"

std::vector<TDecor> lireDecors(const LevelDocument& document);
std::vector<std::unique_ptr<TDecorFromTile>> lireDecorsTileset(const LevelDocument& document);
std::vector<std::unique_ptr<TPlateforme>> lirePlateformes(const LevelDocument& document);
std::vector<TBonus> lireBonus(const LevelDocument& document);
std::vector<TEnnemi> lireEnnemis(const LevelDocument& document);
std::vector<TSpecial> lireSpeciaux(const LevelDocument& document);
