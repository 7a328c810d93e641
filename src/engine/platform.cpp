// The window and its events on SDL: start-up (or dummy drivers when headless), event dispatch,
// full screen, size and placement. Headless runs draw with a software renderer into a surface.
#include "platform.h"
#include <stdexcept>
#include "platform_events.h"
#include "sdl_renderer.h"

namespace eng {

struct Platform::Impl {
    Uint32 subsystems = 0;
    sdl::WindowPtr window;
    std::unique_ptr<SdlRenderer> renderer;
    int windowedWidth = 0, windowedHeight = 0;  // headless: the size to return to after full screen
    bool headlessFullscreen = false;
    bool resizePending = false;                   // headless: a size change the game has not been told of

    ~Impl() {
        renderer.reset();  // textures and renderer go before the window, the window before SDL
        window.reset();
        if (subsystems) SDL_QuitSubSystem(subsystems);
    }
};

namespace {

MouseButton mouseButton(Uint8 button) {
    return button == SDL_BUTTON_RIGHT ? MouseButton::Right : button == SDL_BUTTON_MIDDLE ? MouseButton::Middle : MouseButton::Left;
}

}  // namespace

Platform::Platform(const WindowOptions& options) : impl_(std::make_unique<Impl>()), options_(options) {
    if (options.headless) {
        SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
        SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
        setHeadlessMessages(true);
    }
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");  // nearest neighbour: crisp pixel art at any zoom
    const Uint32 wanted = SDL_INIT_VIDEO | SDL_INIT_EVENTS | (options.headless ? 0 : SDL_INIT_GAMECONTROLLER);
    if (SDL_InitSubSystem(wanted) != 0) throw std::runtime_error(std::string("Cannot start SDL: ") + SDL_GetError());
    impl_->subsystems = wanted;
    impl_->windowedWidth = options.width;
    impl_->windowedHeight = options.height;
    if (options.headless) {
        impl_->renderer = SdlRenderer::offscreen(options.width, options.height);
        if (options.fullscreen) setFullscreen(true);
        return;
    }
    const Uint32 flags = SDL_WINDOW_SHOWN | (options.resizable ? SDL_WINDOW_RESIZABLE : 0) |
                         (options.fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    impl_->window.reset(SDL_CreateWindow(options.title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                         options.width, options.height, flags));
    if (!impl_->window) throw std::runtime_error(std::string("Cannot open the window: ") + SDL_GetError());
    impl_->renderer = SdlRenderer::forWindow(impl_->window.get(), true);
    // Show black at once rather than whatever the desktop left in the window.
    SDL_Renderer* r = SDL_GetRenderer(impl_->window.get());
    SDL_SetRenderDrawColor(r, 0, 0, 0, 255);
    SDL_RenderClear(r);
    SDL_RenderPresent(r);
}

Platform::~Platform() = default;

Renderer& Platform::renderer() { return *impl_->renderer; }

void Platform::pollEvents(const PlatformEvents& handlers) {
    if (impl_->resizePending) {
        impl_->resizePending = false;
        const SizeF size = windowSize();
        if (handlers.onResize) handlers.onResize(static_cast<int>(size.width), static_cast<int>(size.height));
    }
    // Mouse positions come in window coordinates; the scene is drawn in output pixels.
    const SizeF window = windowSize(), output = impl_->renderer->outputSize();
    const float toOutputX = window.width > 0 ? output.width / window.width : 1.f;
    const float toOutputY = window.height > 0 ? output.height / window.height : 1.f;
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        switch (e.type) {
        case SDL_QUIT:
            if (handlers.onQuit) handlers.onQuit();
            break;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            if (handlers.onKey) handlers.onKey(keyEventFromSdl(e.key.keysym.sym, e.type == SDL_KEYDOWN));
            break;
        case SDL_MOUSEMOTION:
            if (handlers.onMouse) handlers.onMouse(MouseEvent{MouseEvent::Move, e.motion.x * toOutputX, e.motion.y * toOutputY});
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            if (handlers.onMouse)
                handlers.onMouse(MouseEvent{e.type == SDL_MOUSEBUTTONDOWN ? MouseEvent::Down : MouseEvent::Up,
                                            e.button.x * toOutputX, e.button.y * toOutputY, mouseButton(e.button.button)});
            break;
        case SDL_WINDOWEVENT:
            if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED && handlers.onResize) handlers.onResize(e.window.data1, e.window.data2);
            break;
        default:
            break;
        }
    }
}

void Platform::waitEvents(int timeoutMs) {
    // With no event to fill in, SDL leaves the event queued for the next pollEvents.
    SDL_WaitEventTimeout(nullptr, std::max(timeoutMs, 0));
}

SizeF Platform::windowSize() const {
    if (!impl_->window) return impl_->renderer->outputSize();
    int w = 0, h = 0;
    SDL_GetWindowSize(impl_->window.get(), &w, &h);
    return {static_cast<float>(w), static_cast<float>(h)};
}

void Platform::setWindowSize(int w, int h) {
    if (w <= 0 || h <= 0) return;
    if (!impl_->window) {
        impl_->windowedWidth = w;
        impl_->windowedHeight = h;
        if (!impl_->headlessFullscreen) {
            impl_->renderer->resizeOffscreen(w, h);
            impl_->resizePending = true;
        }
        return;
    }
    SDL_SetWindowSize(impl_->window.get(), w, h);
}

void Platform::setFullscreen(bool on) {
    if (impl_->window) {
        SDL_SetWindowFullscreen(impl_->window.get(), on ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
        return;
    }
    if (impl_->headlessFullscreen == on) return;
    impl_->headlessFullscreen = on;
    const SizeF screen = screenSize();
    impl_->renderer->resizeOffscreen(on ? static_cast<int>(screen.width) : impl_->windowedWidth,
                                     on ? static_cast<int>(screen.height) : impl_->windowedHeight);
    impl_->resizePending = true;
}

bool Platform::fullscreen() const {
    if (!impl_->window) return impl_->headlessFullscreen;
    return (SDL_GetWindowFlags(impl_->window.get()) & SDL_WINDOW_FULLSCREEN_DESKTOP) == SDL_WINDOW_FULLSCREEN_DESKTOP;
}

SizeF Platform::screenSize() const {
    const int display = impl_->window ? std::max(SDL_GetWindowDisplayIndex(impl_->window.get()), 0) : 0;
    SDL_DisplayMode mode{};
    if (SDL_GetDesktopDisplayMode(display, &mode) != 0 || mode.w <= 0) return windowSize();
    return {static_cast<float>(mode.w), static_cast<float>(mode.h)};
}

void Platform::centerWindow() {
    if (impl_->window) SDL_SetWindowPosition(impl_->window.get(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
}

double Platform::displayRefreshHz() const {
    if (!impl_->window) return 0;  // headless: no display to pace on
    SDL_DisplayMode mode{};
    const int display = std::max(SDL_GetWindowDisplayIndex(impl_->window.get()), 0);
    if (SDL_GetCurrentDisplayMode(display, &mode) != 0) return 0;
    return mode.refresh_rate > 0 ? mode.refresh_rate : 0;
}

void Platform::setTitle(const std::string& title) {
    options_.title = title;
    if (impl_->window) SDL_SetWindowTitle(impl_->window.get(), title.c_str());
}

}  // namespace eng
