// Field splitting and number parsing for the level's little texts.
// Numbers are read with a '.' decimal separator whatever the machine's locale.
#include "level/text_fields.h"
#include <cctype>
#include <charconv>

std::vector<std::string> splitFields(const std::string& text, char separator) {
    std::vector<std::string> fields;
    size_t start = 0;
    while (true) {
        const size_t cut = text.find(separator, start);
        if (cut == std::string::npos) {
            fields.push_back(text.substr(start));
            return fields;
        }
        fields.push_back(text.substr(start, cut - start));
        start = cut + 1;
    }
}

std::string lowerCase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

double parseNumberOr(const std::string& text, double fallback) {
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+') ++first;
    double value = 0;
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::fixed);
    if (error != std::errc() || end != last || first == last) return fallback;
    return value;
}
