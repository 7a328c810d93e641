// The level compiler's command line: "levelc compile SOURCE --out DIR" and "levelc tileset ZONE --out DIR".
// A refused level prints "file:line:column: error: ..." and exits 1, so the build stops on it.
#include <cstring>
#include <iostream>
#include <stdexcept>
#include "compile_error.h"
#include "compile_level.h"

namespace {

int usage() {
    std::cerr << "usage: levelc compile SOURCE.lvl --out DIR\n"
                 "       levelc tileset ZONE --out DIR\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5 || std::strcmp(argv[3], "--out") != 0) return usage();
    const std::string command = argv[1], what = argv[2], outDir = argv[4];
    try {
        if (command == "compile") levelc::compileLevel(what, outDir);
        else if (command == "tileset") levelc::writeTilesets(what, outDir);
        else return usage();
    } catch (const levelc::CompileError& e) {
        std::cerr << e.what() << "\n";
        return 1;
    } catch (const std::exception& e) {
        std::cerr << what << ": error: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
