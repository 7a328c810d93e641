// Element keys per kind with types and defaults, and the words accepted for coded values.
// The order of each list is the order of the keys in the compiled document.
#include "element_schema.h"
#include <map>

namespace levelc {

const char* tableName(ElementKind kind) {
    switch (kind) {
    case ElementKind::platform: return "plateformElement";
    case ElementKind::strip: return "decorElementFromTileSet";
    case ElementKind::decor: return "decorElement";
    case ElementKind::bonus: return "bonusElement";
    case ElementKind::enemy: return "ennemiElement";
    case ElementKind::special: return "specialElement";
    }
    return "";
}

const char* kindWord(ElementKind kind) {
    switch (kind) {
    case ElementKind::platform: return "platform";
    case ElementKind::strip: return "strip";
    case ElementKind::decor: return "decor";
    case ElementKind::bonus: return "bonus";
    case ElementKind::enemy: return "enemy";
    case ElementKind::special: return "special";
    }
    return "";
}

bool kindFromWord(const std::string& word, ElementKind& kind) {
    static const std::map<std::string, ElementKind> kinds = {
        {"platform", ElementKind::platform}, {"strip", ElementKind::strip},   {"decor", ElementKind::decor},
        {"bonus", ElementKind::bonus},       {"enemy", ElementKind::enemy},   {"special", ElementKind::special}};
    const auto found = kinds.find(word);
    if (found == kinds.end()) return false;
    kind = found->second;
    return true;
}

const std::vector<FieldRule>& fieldsOf(ElementKind kind) {
    using T = FieldType;
    static const std::vector<FieldRule> platform = {
        {"width", T::integer, nullptr}, {"height", T::integer, "20"}, {"image", T::text, ""},
        {"animation", T::text, "none"}, {"style", T::integer, "0"}};
    static const std::vector<FieldRule> strip = {
        {"width", T::integer, nullptr}, {"vertical", T::boolean, "no"}, {"bloquer", T::boolean, "yes"},
        {"devant", T::boolean, "no"}};
    static const std::vector<FieldRule> decor = {
        {"image", T::text, nullptr},    {"count", T::integer, "1"},   {"rowcount", T::integer, "1"},
        {"duration", T::number, "1"},   {"opacity", T::number, "1"},  {"devant", T::boolean, "no"},
        {"bloquer", T::boolean, "no"}};
    static const std::vector<FieldRule> bonus = {
        {"image", T::text, nullptr},    {"count", T::integer, "1"},   {"duration", T::number, "1"},
        {"point", T::integer, "1"},     {"typeBonus", T::integer, nullptr}};
    static const std::vector<FieldRule> enemy = {
        {"image1", T::text, nullptr},   {"image2", T::text, ""},      {"count", T::integer, "1"},
        {"duration", T::number, "1"},   {"deplacement", T::text, "none"}, {"hitBox", T::text, nullptr},
        {"pv", T::integer, nullptr},    {"tir", T::integer, "0"},     {"bloquer", T::boolean, "no"},
        {"path", T::text, ""},          {"durationPath", T::number, "0"}, {"opacity", T::number, "1"}};
    static const std::vector<FieldRule> special = {
        {"image", T::text, nullptr},    {"count", T::integer, "1"},   {"rowcount", T::integer, "1"},
        {"duration", T::number, "1"},   {"opacity", T::number, "1"},  {"deplacement", T::text, "none"},
        {"finNiveau", T::boolean, "no"}, {"musique", T::boolean, "no"}, {"niveauSuivant", T::text, "none"},
        {"message", T::text, ""},       {"masquerPremierPlan", T::boolean, "no"}};
    switch (kind) {
    case ElementKind::platform: return platform;
    case ElementKind::strip: return strip;
    case ElementKind::decor: return decor;
    case ElementKind::bonus: return bonus;
    case ElementKind::enemy: return enemy;
    case ElementKind::special: return special;
    }
    return decor;
}

std::string codeForWord(ElementKind kind, const std::string& key, const std::string& text) {
    static const std::map<std::string, std::string> styles = {
        {"flat", "0"}, {"down", "1"}, {"up", "2"}, {"falling", "3"}, {"turning", "4"}};
    static const std::map<std::string, std::string> bonusTypes = {{"diamond", "1"}, {"food", "2"}, {"life", "3"}};
    static const std::map<std::string, std::string> codes = {
        {"console", "-1"}, {"hazard", "-2"}, {"water", "-3"}, {"barrel", "-4"}};
    const std::map<std::string, std::string>* words = nullptr;
    if (kind == ElementKind::platform && key == "style") words = &styles;
    if (kind == ElementKind::bonus && key == "typeBonus") words = &bonusTypes;
    if (kind == ElementKind::enemy && key == "pv") words = &codes;
    if (!words) return text;
    const auto found = words->find(text);
    return found == words->end() ? text : found->second;
}

}  // namespace levelc
