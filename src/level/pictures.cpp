// Picture names, tile cutting and sprite-sheet cells for the level construction.
// Cutting never reads outside the source: what lies outside comes out transparent.
#include "level/pictures.h"
#include <algorithm>
#include "engine/resources.h"
#include "level/text_fields.h"

std::string dossierProgramme() {
    return eng::programDir();
}

std::string cheminImage(const std::string& nomFichier) {
    return dossierProgramme() + "/images/" + nomFichier;
}

std::optional<std::string> nomRessourceImage(const std::string& nom) {
    if (lowerCase(nom).find(".png") == std::string::npos) return std::nullopt;
    const size_t slash = nom.find_last_of("/\\");
    std::string fichier = slash == std::string::npos ? nom : nom.substr(slash + 1);
    const size_t dot = fichier.rfind('.');
    if (dot != std::string::npos) fichier.erase(dot);
    return fichier;
}

eng::Bitmap decouperImage(const eng::Bitmap& source, int left, int top, int width, int height) {
    return source.copyRect(left, top, width, height);
}

eng::Bitmap extraireTuile(int numero, int tailleTuile, int tuilesParLigne, const eng::Bitmap& tileset) {
    const int perRow = std::max(tuilesParLigne, 1);
    const int rows = tailleTuile > 0 ? tileset.height() / tailleTuile : 0;
    if (numero < 1 || numero > perRow * rows) return eng::Bitmap(tailleTuile, tailleTuile);
    const int column = (numero - 1) % perRow;
    const int row = (numero - 1) / perRow;
    return decouperImage(tileset, column * tailleTuile, row * tailleTuile, tailleTuile, tailleTuile);
}

eng::SizeF tailleCase(const eng::Bitmap& sheet, int count, int rows) {
    const int rowCount = std::max(rows, 1);
    const int perRow = std::max((std::max(count, 1) + rowCount - 1) / rowCount, 1);
    return {static_cast<float>(sheet.width()) / perRow, static_cast<float>(sheet.height()) / rowCount};
}
