// The 26 hero and dust picture keys of a level document with the sheets the art generator draws for them.
// Every level names the same sheets; the bonus stages show the flying machine as "player-idle".
#pragma once
#include <array>
#include <utility>

namespace levelc {

inline const std::array<std::pair<const char*, const char*>, 26>& heroSheets() {
    static const std::array<std::pair<const char*, const char*>, 26> sheets = {{
        {"player-idle", "idle.png"},           {"player-idle-left", "idlegauche.png"},
        {"player-walk", "walk.png"},           {"player-walk-left", "walkgauche.png"},
        {"player-run", "run.png"},             {"player-run-left", "rungauche.png"},
        {"player-jump", "jump.png"},           {"player-jump-left", "jumpgauche.png"},
        {"player-jumpEnd", "jump_fall.png"},   {"player-jumpEnd-left", "jump_fallgauche.png"},
        {"player-jump-back", "jump_back.png"}, {"player-jump-front", "jump_front.png"},
        {"player-hit", "hit.png"},             {"player-hit-left", "hitgauche.png"},
        {"player-crouch", "crouch.png"},       {"player-crouch-left", "crouchgauche.png"},
        {"player-attaque1", "attaque1.png"},   {"player-attaque1-left", "attaque1gauche.png"},
        {"player-attaque2", "attaque2.png"},   {"player-attaque2-left", "attaque2gauche.png"},
        {"player-attaqueAir", "attaqueair.png"}, {"player-attaqueAir-left", "attaqueairgauche.png"},
        {"player-death", "death.png"},         {"player-death-left", "deathgauche.png"},
        {"dust-jump", "dust_jump.png"},        {"dust-land", "dust_land.png"},
    }};
    return sheets;
}

constexpr const char* bonusHeroSheet = "joueurbonus.png";

}  // namespace levelc
