// Splits a level source into sections, "key = value" entries and grid rows, with positions for errors.
// "#" starts a comment line outside grids; inside a grid, ";" lines are comments (column rulers).
#include "source_text.h"
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace levelc {
namespace {

std::string trimRight(std::string s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.pop_back();
    return s;
}

size_t firstNonBlank(const std::string& s, size_t from = 0) {
    while (from < s.size() && (s[from] == ' ' || s[from] == '\t')) ++from;
    return from;
}

class Reader {
public:
    explicit Reader(SourceText& out) : out_(out) {}

    void readFile(const std::string& path, const SourcePos& includedFrom) {
        const std::string canonical = std::filesystem::weakly_canonical(path).string();
        if (std::find(open_.begin(), open_.end(), canonical) != open_.end())
            throw CompileError(includedFrom, "include cycle through " + path);
        std::ifstream in(path, std::ios::binary);
        if (!in) throw CompileError(includedFrom, "cannot read level source " + path);
        std::stringstream text;
        text << in.rdbuf();
        open_.push_back(canonical);
        readText(text.str(), path, std::filesystem::path(path).parent_path().string());
        open_.pop_back();
    }

    void readText(const std::string& text, const std::string& file, const std::string& dir) {
        out_.files.push_back(file);
        std::istringstream lines(text);
        std::string raw;
        int lineNo = 0;
        while (std::getline(lines, raw)) {
            ++lineNo;
            readLine(trimRight(raw), SourcePos{file, lineNo, 1}, dir);
        }
    }

private:
    void readLine(const std::string& line, SourcePos pos, const std::string& dir) {
        Section* current = out_.sections.empty() ? nullptr : &out_.sections.back();
        const bool inGrid = current && current->kind == "plane" && currentFile_ == pos.file;
        if (!line.empty() && line[0] == '[') return openSection(line, pos);
        if (inGrid) {
            if (line.empty() || line[0] == ';') return;  // empty cells are written '.', never left blank
            current->rows.push_back(GridRow{line, pos});
            return;
        }
        const size_t start = firstNonBlank(line);
        if (start == line.size() || line[start] == '#') return;
        if (line.compare(start, 8, "include ") == 0) {
            const size_t nameAt = firstNonBlank(line, start + 8);
            readFile((std::filesystem::path(dir) / line.substr(nameAt)).string(), SourcePos{pos.file, pos.line, int(nameAt) + 1});
            return;
        }
        if (!current || currentFile_ != pos.file)
            throw CompileError(SourcePos{pos.file, pos.line, int(start) + 1}, "text outside a [section]");
        readEntry(*current, line, start, pos);
    }

    void openSection(const std::string& line, const SourcePos& pos) {
        const size_t close = line.find(']');
        if (close == std::string::npos) throw CompileError(pos, "a section header needs a closing ']'");
        std::istringstream words(line.substr(1, close - 1));
        Section section;
        section.pos = pos;
        words >> section.kind >> section.id;
        std::string extra;
        if (section.kind.empty()) throw CompileError(pos, "empty section header");
        if (words >> extra) throw CompileError(pos, "a section header is \"[kind]\" or \"[kind id]\"");
        out_.sections.push_back(std::move(section));
        currentFile_ = pos.file;
    }

    static void readEntry(Section& section, const std::string& line, size_t start, const SourcePos& pos) {
        const size_t equals = line.find('=', start);
        if (equals == std::string::npos)
            throw CompileError(SourcePos{pos.file, pos.line, int(start) + 1}, "expected \"key = value\"");
        KeyValue kv;
        kv.key = trimRight(line.substr(start, equals - start));
        const size_t valueAt = firstNonBlank(line, equals + 1);
        kv.value = line.substr(std::min(valueAt, line.size()));
        kv.keyPos = SourcePos{pos.file, pos.line, int(start) + 1};
        kv.valuePos = SourcePos{pos.file, pos.line, int(std::min(valueAt, line.size())) + 1};
        if (kv.key.empty()) throw CompileError(kv.keyPos, "missing key before '='");
        section.entries.push_back(std::move(kv));
    }

    SourceText& out_;
    std::vector<std::string> open_;
    std::string currentFile_;
};

}  // namespace

SourceText readSourceText(const std::string& path) {
    SourceText out;
    Reader(out).readFile(path, SourcePos{path, 0, 0});
    return out;
}

SourceText parseSourceText(const std::string& text, const std::string& fileName, const std::string& dir) {
    SourceText out;
    Reader(out).readText(text, fileName, dir);
    return out;
}

}  // namespace levelc
