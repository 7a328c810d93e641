// A level source given meaning: the header values, the element definitions already in their document form,
// the legend that ties grid letters to elements, and the two planes' grids. Positions are kept for refusals.
#pragma once
#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>
#include <nlohmann/json.hpp>
#include "compile_error.h"

namespace levelc {

using Json = nlohmann::ordered_json;

enum class ElementKind { platform, strip, decor, bonus, enemy, special };
const char* tableName(ElementKind kind);   // "plateformElement", ...
const char* kindWord(ElementKind kind);    // "platform", ... as written in sources

// One definition of an element table, in the level document's own keys.
struct ElementDef {
    ElementKind kind = ElementKind::decor;
    std::string id;
    SourcePos pos;
    Json fields = Json::object();
    std::map<std::string, SourcePos> fieldPos;  // where each key was written (absent for defaults)
};

// Which enemy string an enemy placement goes into.
enum class Difficulty { all, normal, difficult };

struct LegendEntry {
    char symbol = 0;
    ElementKind kind = ElementKind::decor;
    int index = 0;  // position in its table
    Difficulty difficulty = Difficulty::all;
    SourcePos pos;
};

struct Grid {
    std::vector<std::string> rows;   // padded to the level width with '.'
    std::vector<SourcePos> rowPos;
    bool present = false;
};

struct Scrolling {
    std::string image;
    double vitesse = 0;
    int posY = 0;
    bool foreground = false;
    bool continueY = false;
    SourcePos pos;  // the section, for refusals about its picture
};

struct Header {
    std::string name;  // resource name, from the source file name
    std::string nom, zone, musique, meteo = "none", acte;
    bool night = false, needConsole = false;
    std::array<int, 3> maxTime{};  // easy, normal, difficult
    int startX = 0, startY = 0;
    int width = 0, height = 0;
    double gravity = 0.8;
    int tileSize = 32;
    std::string playerHitBox = "37:1:25:49";
    int attaqueHitBox = 30;
    bool bonusHero = false;  // the bonus stages show the flying machine as "player-idle"
    std::string tileImage, tilebackImage;
    std::map<std::string, SourcePos> pos;  // where each header key was written
};

struct LevelModel {
    Header header;
    std::vector<Scrolling> scrollings;
    std::map<ElementKind, std::vector<ElementDef>> tables;
    std::map<char, LegendEntry> legend;
    std::array<Grid, 2> planes;
};

}  // namespace levelc
