// One level source in, the level document and its pictures out: read, check, build, draw, write.
// Files are rewritten only when their bytes change, so the build's time stamps stay meaningful.
#pragma once
#include <string>
#include <vector>

namespace levelc {

struct CompileResult {
    std::vector<std::string> written;  // every output file, changed or not
};

// Throws CompileError (file:line:column) for a level the game must not ship.
CompileResult compileLevel(const std::string& sourcePath, const std::string& outDir);
// Writes "<zone>_tiles.png" and "<zone>_tiles_back.png" into outDir.
CompileResult writeTilesets(const std::string& zone, const std::string& outDir);

}  // namespace levelc
