// Where a level source went wrong: every refusal of the level compiler names the file, line and column.
// The message reads "file:line:column: error: what", the form editors jump to.
#pragma once
#include <stdexcept>
#include <string>

namespace levelc {

struct SourcePos {
    std::string file;
    int line = 0;    // 1-based
    int column = 0;  // 1-based
};

class CompileError : public std::runtime_error {
public:
    CompileError(const SourcePos& where, const std::string& what)
        : std::runtime_error(where.file + ":" + std::to_string(where.line) + ":" + std::to_string(where.column) +
                             ": error: " + what),
          where_(where) {}
    const SourcePos& where() const { return where_; }

private:
    SourcePos where_;
};

}  // namespace levelc
