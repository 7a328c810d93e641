// Loading the level's pictures by name into the main window's bitmaps and the element images.
// A missing picture stops the load with an error naming the level and the file.
#include "app/TfMain.h"
#include "engine/errors.h"
#include "level/pictures.h"

eng::BitmapPtr TfMain::chargerImage(const std::string& nom) {
    const auto ressource = nomRessourceImage(nom);
    if (!ressource) return std::make_shared<eng::Bitmap>();
    try {
        return resources.loadBitmap(*ressource);
    } catch (const eng::ResourceNotFound&) {
        const size_t slash = nom.find_last_of("/\\");
        const std::string fichier = slash == std::string::npos ? nom : nom.substr(slash + 1);
        throw eng::ResourceNotFound("Level \"" + nomNiveauCharge + "\": picture \"" + fichier + "\" not found");
    }
}

void TfMain::chargerImage(eng::Bitmap& target, const std::string& nom) {
    if (!nomRessourceImage(nom)) return;
    target.assign(*chargerImage(nom));
}

void TfMain::chargerImageDans(eng::BitmapPtr& target, const std::string& nom) {
    if (!target) target = std::make_shared<eng::Bitmap>();
    chargerImage(*target, nom);
}
