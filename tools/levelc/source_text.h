// The level source as written: sections of "key = value" lines and the tile grids of the two planes,
// every piece remembering the file, line and column it came from. No meaning is given to keys here.
#pragma once
#include <string>
#include <vector>
#include "compile_error.h"

namespace levelc {

struct KeyValue {
    std::string key;
    std::string value;
    SourcePos keyPos;
    SourcePos valuePos;
};

struct GridRow {
    std::string cells;
    SourcePos pos;  // column 1 of the row
};

// "[kind id]" opens a section; "[level]", "[legend]" and "[scrolling]" have no id, "[plane 1]" holds a grid.
struct Section {
    std::string kind;
    std::string id;
    SourcePos pos;
    std::vector<KeyValue> entries;
    std::vector<GridRow> rows;  // only for "plane" sections
};

struct SourceText {
    std::vector<Section> sections;
    std::vector<std::string> files;  // the source and every file it includes, in reading order
};

// Reads `path` and the files it includes ("include other.inc" lines, relative to the including file).
// Throws CompileError for unreadable files, malformed lines and include cycles.
SourceText readSourceText(const std::string& path);
// The same from text in memory (tests); includes are resolved against `dir`.
SourceText parseSourceText(const std::string& text, const std::string& fileName, const std::string& dir);

}  // namespace levelc
