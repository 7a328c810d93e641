// Pictures of the level: the program folder, picture names from the level file, and tiles cut from tilesets.
// A name finds its picture by file name alone ("…/images/idle.png" is the picture IDLE).
#pragma once
#include <optional>
#include <string>
#include "engine/bitmap.h"

std::string dossierProgramme();
// The full path the level's picture names are stored as: program folder, "images", file name.
std::string cheminImage(const std::string& nomFichier);
// The resource a picture name refers to ("idle"), or nullopt when the name has no ".png" (loads nothing).
std::optional<std::string> nomRessourceImage(const std::string& nom);

eng::Bitmap decouperImage(const eng::Bitmap& source, int left, int top, int width, int height);
// Tile n (from 1, row by row); a number outside the tileset gives a transparent tile.
eng::Bitmap extraireTuile(int numero, int tailleTuile, int tuilesParLigne, const eng::Bitmap& tileset);

// Cell size of a sprite sheet of `count` frames over `rows` rows.
eng::SizeF tailleCase(const eng::Bitmap& sheet, int count, int rows);
