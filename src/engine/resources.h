// Finds the game's resources by name: level documents and PNG pictures, names matched ignoring case.
// Folders are searched in order (a designer's --resources folder first, then the built-in ones).
#pragma once
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>
#include "bitmap.h"

namespace eng {

class Resources {
public:
    void addSearchDir(const std::string& dir);       // searched in the order added
    void prependSearchDir(const std::string& dir);   // searched before all others
    const std::vector<std::string>& searchDirs() const { return dirs_; }

    // Full path of `<name>.<ext>` in the first folder holding it, ignoring case; nullopt when absent.
    std::optional<std::string> find(const std::string& name, const std::string& ext) const;

    // The text of level document `name` (".json"). Throws ResourceNotFound naming the resource.
    std::string loadText(const std::string& name) const;
    // The picture `name` (".png"), decoded once and shared. Throws ResourceNotFound / ResourceError.
    BitmapPtr loadBitmap(const std::string& name);
    // Decodes the listed pictures not yet cached side by side, one thread each, so a level's large plane
    // pictures load together. Missing or broken pictures are skipped: loadBitmap reports them later.
    void preloadBitmaps(const std::vector<std::string>& names);
    void clearCache() { bitmaps_.clear(); }

private:
    std::vector<std::string> dirs_;
    std::unordered_map<std::string, BitmapPtr> bitmaps_;  // key: lower-case name
};

// Folders beside the running program ("sons", "fonts", the built-in resources).
std::string programDir();
std::string toLower(std::string s);
bool equalsIgnoreCase(const std::string& a, const std::string& b);

}  // namespace eng
