// The three sound operations: load a named MP3 from the "sons" folder, play from the start, restart if ended.
// A missing file leaves the player as it was; a player without media stays silent.
#include <filesystem>
#include "app/TfMain.h"

std::string TfMain::cheminSon(const std::string& nom) {
    const std::string dossier = dossierSons.empty() ? eng::programDir() + "/sons" : dossierSons;
    return dossier + "/" + nom + ".mp3";
}

void TfMain::chargerSon(eng::MediaPlayer& player, const std::string& nom) {
    const std::string chemin = cheminSon(nom);
    std::error_code erreur;
    if (std::filesystem::is_regular_file(chemin, erreur)) player.load(chemin);
}

void TfMain::jouerSon(eng::MediaPlayer& player, double volume) {
    if (player.state() == eng::MediaState::Playing) player.stop();
    player.setCurrentTime(0);
    player.setVolume(static_cast<float>(volume));
    player.play();
}

void TfMain::relancerSiArrete(eng::MediaPlayer& player, double volume) {
    if (player.state() != eng::MediaState::Stopped) return;
    player.setCurrentTime(0);
    player.setVolume(static_cast<float>(volume));
    player.play();
}
