// The keys each element kind accepts in a source, their types and defaults, in the level document's
// order; words the designer may write instead of codes ("falling" for style 3, "hazard" for pv -2).
#pragma once
#include <string>
#include <vector>
#include "level_model.h"

namespace levelc {

enum class FieldType { text, integer, number, boolean };

struct FieldRule {
    const char* key;
    FieldType type;
    const char* defaultValue;  // nullptr: the key is required
};

const std::vector<FieldRule>& fieldsOf(ElementKind kind);
// The code a word stands for in `key` ("style" "falling" -> "3"), or the text unchanged.
std::string codeForWord(ElementKind kind, const std::string& key, const std::string& text);
bool kindFromWord(const std::string& word, ElementKind& kind);

}  // namespace levelc
