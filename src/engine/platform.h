// The window and the operating-system services: events, full screen, folders, message box, URL.
// Headless runs use SDL's dummy video and audio drivers and an offscreen software renderer.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include "geometry.h"
#include "input.h"
#include "renderer.h"

namespace eng {

struct WindowOptions {
    std::string title = "Zorlin";
    int width = 1000, height = 576;
    bool fullscreen = false;
    bool headless = false;      // no window: dummy drivers, software renderer on a surface
    bool resizable = false;
};

struct PlatformEvents {
    std::function<void(const KeyEvent&)> onKey;
    std::function<void(const MouseEvent&)> onMouse;
    std::function<void(int width, int height)> onResize;
    std::function<void()> onQuit;
};

class Platform {
public:
    explicit Platform(const WindowOptions& options);
    ~Platform();
    Platform(const Platform&) = delete;
    Platform& operator=(const Platform&) = delete;

    Renderer& renderer();
    void pollEvents(const PlatformEvents& handlers);   // dispatch everything queued, returns at once
    void waitEvents(int timeoutMs);                    // sleep until an event or the timeout
    bool headless() const { return options_.headless; }
    SizeF windowSize() const;
    void setWindowSize(int w, int h);
    void setFullscreen(bool on);                       // desktop full screen
    bool fullscreen() const;
    SizeF screenSize() const;                          // the desktop's size
    void centerWindow();
    double displayRefreshHz() const;                   // 0 when unknown
    void setTitle(const std::string& title);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    WindowOptions options_;
};

// Services usable without a window.
std::string userDataDir();                              // SDL_GetPrefPath("Pemtrax","Zorlin") or the --data-dir override
void setUserDataDirOverride(const std::string& dir);
bool ensureDir(const std::string& dir);                 // create with parents
void showMessage(const std::string& title, const std::string& text);  // message box; also stderr
bool openUrl(const std::string& url);
void setHeadlessMessages(bool headless);                // message boxes go to stderr only

}  // namespace eng
