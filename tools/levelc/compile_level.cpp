// The compiler's pipeline for one level: source text, model, checks, document, pictures, files.
// The pictures are composed from the zone tileset painted in memory, the same one written beside them.
#include "compile_level.h"
#include <filesystem>
#include "forest_tileset.h"
#include "foreground_strip.h"
#include "level_checks.h"
#include "level_document.h"
#include "level_reader.h"
#include "plane_picture.h"
#include "source_text.h"

namespace levelc {
namespace {

std::string outputPath(const std::string& dir, const std::string& name) {
    return (std::filesystem::path(dir) / name).string();
}

void writeText(const std::string& path, const std::string& text, CompileResult& result) {
    art::writeFileIfChanged(path, std::vector<std::uint8_t>(text.begin(), text.end()));
    result.written.push_back(path);
}

void writePicture(const std::string& path, const art::Canvas& picture, CompileResult& result) {
    art::writeFileIfChanged(path, art::encodePng(picture));
    result.written.push_back(path);
}

}  // namespace

CompileResult compileLevel(const std::string& sourcePath, const std::string& outDir) {
    const SourceText source = readSourceText(sourcePath);
    const std::string name = std::filesystem::path(sourcePath).stem().string();
    const LevelModel model = readLevel(source, name);
    checkLevel(model);
    const CompiledLevel level = buildDocument(model);
    checkPlacements(model, level.document);

    CompileResult result;
    std::filesystem::create_directories(outDir);
    // Composed before anything is written: a refused strip leaves no document behind.
    std::vector<art::Canvas> foregrounds;
    for (const auto& strip : level.foregroundPictures) foregrounds.push_back(composePlacedForeground(strip.layer));
    writeText(outputPath(outDir, name + ".json"), documentText(level.document), result);
    for (size_t i = 0; i < foregrounds.size(); ++i)
        writePicture(outputPath(outDir, level.foregroundPictures[i].fileName), foregrounds[i], result);
    if (level.planePictures.empty()) return result;
    const art::Canvas front = paintZoneTileset(model.header.zone);
    const art::Canvas back = backPlaneTileset(front);
    const int tileSize = model.header.tileSize;
    for (const auto& picture : level.planePictures) {
        const auto& rows = model.planes[picture.plane].rows;
        writePicture(outputPath(outDir, picture.fileName),
                     composePlane(rows, level.terrain[picture.plane].hiddenRooms, picture.plane == 0 ? front : back,
                                  tileSize, picture.plane + 1), result);
    }
    for (const auto& mask : level.maskPictures)
        writePicture(outputPath(outDir, mask.fileName),
                     composeMask(model.planes[mask.plane].rows, mask.room, mask.plane == 0 ? front : back, tileSize), result);
    return result;
}

CompileResult writeTilesets(const std::string& zone, const std::string& outDir) {
    CompileResult result;
    std::filesystem::create_directories(outDir);
    const art::Canvas front = paintZoneTileset(zone);
    writePicture(outputPath(outDir, zone + "_tiles.png"), front, result);
    writePicture(outputPath(outDir, zone + "_tiles_back.png"), backPlaneTileset(front), result);
    return result;
}

}  // namespace levelc
