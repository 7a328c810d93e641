// Replays: reading, writing and handing out per-tick input events.
// Reading is strict: any malformed line stops with a message naming the line, never a guess.
#include "game/replay.h"
#include <charconv>
#include <sstream>
#include "engine/input.h"

namespace {

bool lireEntier(const std::string& texte, std::int64_t& valeur) {
    const char* debut = texte.data();
    const char* fin = debut + texte.size();
    auto [ptr, ec] = std::from_chars(debut, fin, valeur);
    return ec == std::errc() && ptr == fin;
}

bool lireReel(const std::string& texte, float& valeur) {
    try {
        size_t lus = 0;
        valeur = std::stof(texte, &lus);
        return lus == texte.size();
    } catch (const std::exception&) {
        return false;
    }
}

[[noreturn]] void refuser(const std::string& source, int numero, const std::string& ligne, const std::string& raison) {
    throw ReplayError(source + ":" + std::to_string(numero) + ": " + raison + ": \"" + ligne + "\"");
}

ReplayEvent lireLigne(const std::string& ligne, const std::string& source, int numero) {
    std::istringstream mots(ligne);
    std::vector<std::string> champs;
    for (std::string mot; mots >> mot;) champs.push_back(mot);
    ReplayEvent event;
    if (champs.size() < 2) refuser(source, numero, ligne, "expected \"<tick> down|up <key>\" or \"<tick> click <x> <y>\"");
    if (!lireEntier(champs[0], event.tick) || event.tick < 0) refuser(source, numero, ligne, "the tick is not a whole number >= 0");
    const std::string& genre = champs[1];
    if (genre == "down" || genre == "up") {
        if (champs.size() < 3) refuser(source, numero, ligne, "missing key name");
        event.kind = genre == "down" ? ReplayEvent::Kind::Down : ReplayEvent::Kind::Up;
        // Key names may hold spaces ("Left Ctrl"): everything after the kind is the name.
        const size_t debutNom = ligne.find(genre) + genre.size();
        event.keyName = ligne.substr(ligne.find_first_not_of(" \t", debutNom));
        event.keyName.erase(event.keyName.find_last_not_of(" \t\r") + 1);
        const eng::KeyEvent touche = eng::keyEventFromName(event.keyName, true);
        if (touche.keyCode == 0 && touche.keyChar == 0) refuser(source, numero, ligne, "unknown key name \"" + event.keyName + "\"");
    } else if (genre == "click") {
        if (champs.size() != 4) refuser(source, numero, ligne, "a click needs <x> <y>");
        event.kind = ReplayEvent::Kind::Click;
        if (!lireReel(champs[2], event.x) || !lireReel(champs[3], event.y)) refuser(source, numero, ligne, "bad click position");
    } else {
        refuser(source, numero, ligne, "unknown event \"" + genre + "\" (down, up or click)");
    }
    return event;
}

}  // namespace

std::vector<ReplayEvent> lireReplay(std::istream& in, const std::string& sourceName) {
    std::vector<ReplayEvent> events;
    std::string ligne;
    int numero = 0;
    while (std::getline(in, ligne)) {
        ++numero;
        if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
        const size_t premier = ligne.find_first_not_of(" \t");
        if (premier == std::string::npos || ligne[premier] == '#') continue;
        ReplayEvent event = lireLigne(ligne.substr(premier), sourceName, numero);
        if (!events.empty() && event.tick < events.back().tick)
            refuser(sourceName, numero, ligne, "ticks go backwards");
        events.push_back(std::move(event));
    }
    return events;
}

std::vector<ReplayEvent> lireReplayFichier(const std::string& path) {
    std::ifstream in(path);
    if (!in) throw ReplayError(path + ": cannot open the replay file");
    return lireReplay(in, path);
}

std::string formaterEvenementReplay(const ReplayEvent& event) {
    std::ostringstream out;
    out << event.tick << ' ';
    switch (event.kind) {
        case ReplayEvent::Kind::Down: out << "down " << event.keyName; break;
        case ReplayEvent::Kind::Up: out << "up " << event.keyName; break;
        case ReplayEvent::Kind::Click: out << "click " << event.x << ' ' << event.y; break;
    }
    return out.str();
}

std::vector<ReplayEvent> ReplayPlayer::prendreTick(std::int64_t tick) {
    std::vector<ReplayEvent> dus;
    while (next_ < events_.size() && events_[next_].tick <= tick) dus.push_back(events_[next_++]);
    return dus;
}

ReplayRecorder::ReplayRecorder(const std::string& path) : out_(path) {
    if (!out_) throw ReplayError(path + ": cannot create the replay file");
    out_ << "# Zorlin replay: <tick> down|up <key>, <tick> click <x> <y>\n";
}

void ReplayRecorder::enregistrer(const ReplayEvent& event) {
    out_ << formaterEvenementReplay(event) << '\n';
    out_.flush();
}
