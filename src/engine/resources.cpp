// Finds level documents and pictures by name in the resource folders, ignoring case,
// and keeps each decoded picture once so every image showing it shares the same bitmap.
#include "resources.h"
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <future>
#include <sstream>
#include "ascii.h"
#include "errors.h"

namespace fs = std::filesystem;

namespace eng {

std::string toLower(std::string s) {
    for (char& c : s) c = asciiLower(c);
    return s;
}

bool equalsIgnoreCase(const std::string& a, const std::string& b) { return sameIgnoringCase(a, b); }

std::string programDir() {
    std::error_code error;
    const fs::path exe = fs::read_symlink("/proc/self/exe", error);
    if (!error) return exe.parent_path().string();
    return fs::current_path(error).string();
}

void Resources::addSearchDir(const std::string& dir) { dirs_.push_back(dir); }

void Resources::prependSearchDir(const std::string& dir) { dirs_.insert(dirs_.begin(), dir); }

namespace {

// The file in `dir` called `fileName` in any letter case. An exact spelling wins; among other
// spellings the alphabetically first, so the answer never depends on the folder's listing order.
std::optional<std::string> findInDir(const std::string& dir, const std::string& fileName) {
    std::error_code error;
    const fs::path exact = fs::path(dir) / fileName;
    if (fs::is_regular_file(exact, error)) return exact.string();
    std::optional<std::string> best;
    for (fs::directory_iterator it(dir, error), end; !error && it != end; it.increment(error)) {
        const std::string candidate = it->path().filename().string();
        if (!sameIgnoringCase(candidate, fileName) || !it->is_regular_file(error)) continue;
        if (!best || candidate < fs::path(*best).filename().string()) best = it->path().string();
    }
    return best;
}

std::string readWholeFile(const std::string& path, const std::string& resourceName) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    if (!in || !(text << in.rdbuf())) throw ResourceError("Cannot read resource " + resourceName + " (" + path + ")");
    return text.str();
}

}  // namespace

std::optional<std::string> Resources::find(const std::string& name, const std::string& ext) const {
    const std::string fileName = ext.empty() ? name : name + (ext.front() == '.' ? ext : "." + ext);
    for (const std::string& dir : dirs_)
        if (auto path = findInDir(dir, fileName)) return path;
    return std::nullopt;
}

std::string Resources::loadText(const std::string& name) const {
    const auto path = find(name, "json");
    if (!path) throw ResourceNotFound("Resource not found: " + name);
    return readWholeFile(*path, name);
}

BitmapPtr Resources::loadBitmap(const std::string& name) {
    const std::string key = toLower(name);
    if (auto cached = bitmaps_.find(key); cached != bitmaps_.end()) return cached->second;
    const auto path = find(name, "png");
    if (!path) throw ResourceNotFound("Resource not found: " + name);
    auto bitmap = std::make_shared<Bitmap>(Bitmap::loadPng(*path));
    bitmaps_.emplace(key, bitmap);
    return bitmap;
}

void Resources::preloadBitmaps(const std::vector<std::string>& names) {
    struct Pending {
        std::string key;
        std::future<Bitmap> decoded;
    };
    std::vector<Pending> pending;
    for (const std::string& name : names) {
        std::string key = toLower(name);
        const bool alreadyThere = bitmaps_.count(key) > 0 ||
            std::any_of(pending.begin(), pending.end(), [&](const Pending& p) { return p.key == key; });
        const auto path = alreadyThere ? std::nullopt : find(name, "png");
        if (!path) continue;   // a missing picture is reported by loadBitmap, at its own step of the load
        pending.push_back({std::move(key), std::async(std::launch::async, [file = *path] { return Bitmap::loadPng(file); })});
    }
    for (Pending& p : pending) {
        try {
            bitmaps_.emplace(p.key, std::make_shared<Bitmap>(p.decoded.get()));
        } catch (const std::exception&) {
            // left out of the cache: loadBitmap decodes it again and raises the error where it belongs
        }
    }
}

}  // namespace eng
