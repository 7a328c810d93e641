// Strict integer, number and yes/no conversions for level sources, refusing at the value's position.
// std::from_chars is used so the result never depends on the user's locale.
#include "value_parse.h"
#include <charconv>
#include <sstream>

namespace levelc {

int parseInt(const std::string& text, const SourcePos& pos) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end) throw CompileError(pos, "expected an integer, found \"" + text + "\"");
    return value;
}

double parseNumber(const std::string& text, const SourcePos& pos) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end) throw CompileError(pos, "expected a number, found \"" + text + "\"");
    return value;
}

bool parseBool(const std::string& text, const SourcePos& pos) {
    if (text == "yes" || text == "true") return true;
    if (text == "no" || text == "false") return false;
    throw CompileError(pos, "expected yes or no, found \"" + text + "\"");
}

std::vector<int> parseInts(const std::string& text, size_t count, const SourcePos& pos) {
    std::vector<int> values;
    size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && text[at] == ' ') ++at;
        if (at == text.size()) break;
        size_t end = text.find(' ', at);
        if (end == std::string::npos) end = text.size();
        values.push_back(parseInt(text.substr(at, end - at), shifted(pos, int(at))));
        at = end;
    }
    if (values.size() != count)
        throw CompileError(pos, "expected " + std::to_string(count) + " integers, found " + std::to_string(values.size()));
    return values;
}

SourcePos shifted(SourcePos pos, int offset) {
    pos.column += offset;
    return pos;
}

std::vector<std::string> splitOn(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator)) parts.push_back(part);
    if (!text.empty() && text.back() == separator) parts.push_back("");
    if (text.empty()) parts.push_back("");
    return parts;
}

}  // namespace levelc
