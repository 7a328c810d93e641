// Strict conversions of source values (integers, numbers, yes/no) that refuse with the value's position.
// Unlike the game's lenient readers, the compiler never lets a typo become a silent 0.
#pragma once
#include <string>
#include <vector>
#include "compile_error.h"

namespace levelc {

int parseInt(const std::string& text, const SourcePos& pos);
double parseNumber(const std::string& text, const SourcePos& pos);
bool parseBool(const std::string& text, const SourcePos& pos);  // yes/no, true/false
// Whitespace-separated integers, exactly `count` of them.
std::vector<int> parseInts(const std::string& text, size_t count, const SourcePos& pos);
// The position `offset` characters to the right (for pointing into a value).
SourcePos shifted(SourcePos pos, int offset);
std::vector<std::string> splitOn(const std::string& text, char separator);

}  // namespace levelc
