// Services that need no window: the per-user folder, folder creation, message boxes and URLs.
// Message boxes always go to standard error too, and only pop up when a real display is in use.
#include <atomic>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <mutex>
#include "platform.h"
#include "sdl_handles.h"

namespace eng {
namespace {

struct ServiceState {
    std::mutex lock;
    std::string dataDirOverride;
    std::atomic<bool> headlessMessages = false;
};

ServiceState& services() {
    static ServiceState state;
    return state;
}

// A box needs a display: not headless, and a video driver that shows windows.
bool canShowMessageBox() {
    if (services().headlessMessages) return false;
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver && std::strcmp(driver, "dummy") != 0 && std::strcmp(driver, "offscreen") != 0;
}

}  // namespace

std::string userDataDir() {
    {
        const std::lock_guard guard(services().lock);
        if (!services().dataDirOverride.empty()) return services().dataDirOverride;
    }
    const sdl::SdlStringPtr path(SDL_GetPrefPath("Pemtrax", "Zorlin"));
    if (path) return path.get();
    // No home folder: fall back to the working directory rather than failing.
    return (std::filesystem::current_path() / "Zorlin").string() + "/";
}

void setUserDataDirOverride(const std::string& dir) {
    const std::lock_guard guard(services().lock);
    services().dataDirOverride = dir;
}

bool ensureDir(const std::string& dir) {
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    return std::filesystem::is_directory(dir, ec);
}

void showMessage(const std::string& title, const std::string& text) {
    std::cerr << title << ": " << text << std::endl;
    if (canShowMessageBox())
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, title.c_str(), text.c_str(), nullptr);
}

bool openUrl(const std::string& url) {
    return !url.empty() && SDL_OpenURL(url.c_str()) == 0;
}

void setHeadlessMessages(bool headless) {
    services().headlessMessages = headless;
}

}  // namespace eng
