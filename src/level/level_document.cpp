// Typed reading of a level document by key path, with errors that name the level, the key and the type.
// Integer keys take JSON integers only; number keys take integers or decimals.
#include "level/level_document.h"
#include <limits>
#include "engine/errors.h"
#include "level/text_fields.h"

std::optional<LevelDocument> LevelDocument::parse(const std::string& levelName, const std::string& text) {
    nlohmann::json root = nlohmann::json::parse(text, nullptr, /*allow_exceptions=*/false);
    if (root.is_discarded() || !root.is_object()) return std::nullopt;
    LevelDocument document;
    document.levelName_ = levelName;
    document.root_ = std::move(root);
    return document;
}

void LevelDocument::typeError(const std::string& path, const char* expected) const {
    throw eng::JsonError("Level \"" + levelName_ + "\": key \"" + path + "\" must be " + expected);
}

const nlohmann::json& LevelDocument::at(const std::string& path) const {
    const nlohmann::json* node = &root_;
    for (const std::string& key : splitFields(path, '.')) {
        if (!node->is_object() || !node->contains(key)) {
            throw eng::JsonError("Level \"" + levelName_ + "\": key \"" + path + "\" is missing");
        }
        node = &(*node)[key];
    }
    return *node;
}

std::string LevelDocument::stringOf(const LevelDocument& doc, const nlohmann::json& v, const std::string& path) {
    if (!v.is_string()) doc.typeError(path, "a string");
    return v.get<std::string>();
}

int LevelDocument::integerOf(const LevelDocument& doc, const nlohmann::json& v, const std::string& path) {
    if (!v.is_number_integer()) doc.typeError(path, "an integer");
    const auto wide = v.is_number_unsigned() ? static_cast<long long>(std::min<unsigned long long>(
                                                   v.get<unsigned long long>(), std::numeric_limits<long long>::max()))
                                             : v.get<long long>();
    if (wide < std::numeric_limits<int>::min() || wide > std::numeric_limits<int>::max()) {
        doc.typeError(path, "a 32-bit integer");
    }
    return static_cast<int>(wide);
}

double LevelDocument::numberOf(const LevelDocument& doc, const nlohmann::json& v, const std::string& path) {
    if (!v.is_number()) doc.typeError(path, "a number");
    return v.get<double>();
}

bool LevelDocument::booleanOf(const LevelDocument& doc, const nlohmann::json& v, const std::string& path) {
    if (!v.is_boolean()) doc.typeError(path, "true or false");
    return v.get<bool>();
}

std::string LevelDocument::string(const std::string& path) const { return stringOf(*this, at(path), path); }
int LevelDocument::integer(const std::string& path) const { return integerOf(*this, at(path), path); }
double LevelDocument::number(const std::string& path) const { return numberOf(*this, at(path), path); }
bool LevelDocument::boolean(const std::string& path) const { return booleanOf(*this, at(path), path); }

const nlohmann::json& LevelDocument::array(const std::string& path) const {
    const nlohmann::json& v = at(path);
    if (!v.is_array()) typeError(path, "an array");
    return v;
}

double LevelDocument::minutes(const std::string& path) const {
    const int value = integer(path);
    if (value < 0 || value > 59) {
        throw eng::TimeEncodingError("Level \"" + levelName_ + "\": key \"" + path + "\" is " +
                                     std::to_string(value) + " minutes, outside 0 to 59");
    }
    return value / (24.0 * 60.0);
}

const nlohmann::json& LevelDocument::Entry::member(const std::string& key) const {
    if (!value_.contains(key)) {
        throw eng::JsonError("Level \"" + document_.levelName() + "\": key \"" + path_ + "." + key + "\" is missing");
    }
    return value_[key];
}

std::string LevelDocument::Entry::string(const std::string& key) const {
    return stringOf(document_, member(key), path_ + "." + key);
}
int LevelDocument::Entry::integer(const std::string& key) const {
    return integerOf(document_, member(key), path_ + "." + key);
}
double LevelDocument::Entry::number(const std::string& key) const {
    return numberOf(document_, member(key), path_ + "." + key);
}
bool LevelDocument::Entry::boolean(const std::string& key) const {
    return booleanOf(document_, member(key), path_ + "." + key);
}
