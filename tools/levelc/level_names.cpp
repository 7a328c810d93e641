// The list of level names an exit may lead to, compared ignoring case.
// Keep it in step with the world plan when a level is added.
#include "level_names.h"
#include <algorithm>
#include <iterator>
#include <string>
#include <cctype>

namespace levelc {

bool isKnownLevel(const std::string& name) {
    static const char* const names[] = {
        "map",         "bonusmd",    "bonusms",     "bonusneogeo", "bonusnes",        "bonuspc",
        "bonussnes",   "bonussupergraphx", "chateau1", "foretest", "foretnord",       "foretouest",
        "foretsud",    "grotte",     "grotte2",     "grotte3",     "hills1",          "jungle",
        "jungle2",     "jungle3",    "jungle4",     "jungleboss",  "maison1",         "maison2",
        "maison3",     "maison4",    "maison5",     "montagne",    "montagnebatisse", "montagnetop",
        "taverne",     "village",    "villageboss", "grotte4",     "montagneboss",    "castle"};
    std::string lower = name;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return std::find(std::begin(names), std::end(names), lower) != std::end(names);
}

}  // namespace levelc
