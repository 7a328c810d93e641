// Helpers shared by the level compiler's tests: read a source into its model, read output files.
// Paths come from the build: the shipped sources, the fixtures and a scratch folder.
#pragma once
#include <fstream>
#include <sstream>
#include <string>
#include "level_reader.h"
#include "source_text.h"

namespace levelc_test {

inline std::string shippedSource(const std::string& name) { return std::string(LEVELC_SOURCES) + "/" + name + ".lvl"; }
inline std::string fixture(const std::string& name) { return std::string(LEVELC_FIXTURES) + "/" + name; }
inline std::string scratch(const std::string& name) { return std::string(LEVELC_SCRATCH) + "/" + name; }

inline levelc::LevelModel modelOf(const std::string& path, const std::string& name) {
    return levelc::readLevel(levelc::readSourceText(path), name);
}

inline std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Width and height from a PNG's header chunk.
inline std::pair<int, int> pngSize(const std::string& path) {
    const std::string bytes = fileBytes(path);
    if (bytes.size() < 24) return {0, 0};
    auto be32 = [&](size_t at) {
        return int((unsigned char)bytes[at]) << 24 | int((unsigned char)bytes[at + 1]) << 16 |
               int((unsigned char)bytes[at + 2]) << 8 | int((unsigned char)bytes[at + 3]);
    };
    return {be32(16), be32(20)};
}

}  // namespace levelc_test
