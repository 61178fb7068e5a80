// The display: one SDL window with a renderer scaled to the logical size, or, headless, a
// software renderer drawing into an offscreen surface. Owns the painter in use, the window
// title and icon, the pointer visibility and the pacing of flip.
#include <SDL.h>

#include <algorithm>

#include "platform/graphics.h"

namespace {

struct Screen {
    bool headless = false;
    bool noPixels = false;
    bool videoReady = false;
    bool open = false;
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Surface* surface = nullptr;  // headless back buffer
    int width = 0, height = 0, hz = 0;
    String title;
    Pixmap icon;
    std::unique_ptr<Painter> painter;
    Uint64 nextDeadline = 0;  // software pacing of flip(-1)
    int pacedFrames = 0;
};

Screen screen;
// Counts renderers made; kept outside Screen so that images released during static
// destruction can still compare against it.
unsigned generation = 1;

void closeDisplay() {
    screen.painter = makeNullPainter();
    if (screen.renderer) SDL_DestroyRenderer(screen.renderer);  // frees its textures too
    if (screen.window) SDL_DestroyWindow(screen.window);
    if (screen.surface) SDL_FreeSurface(screen.surface);
    screen.renderer = nullptr;
    screen.window = nullptr;
    screen.surface = nullptr;
    screen.open = false;
    ++generation;
}

void applyIcon() {
    if (!screen.window || screen.icon.pixels.empty()) return;
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
        screen.icon.pixels.data(), screen.icon.width, screen.icon.height, 32, screen.icon.width * 4,
        SDL_PIXELFORMAT_RGBA32);
    if (!surface) return;
    SDL_SetWindowIcon(screen.window, surface);
    SDL_FreeSurface(surface);
}

bool openOffscreen(int width, int height) {
    screen.surface = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
    if (!screen.surface) return false;
    screen.renderer = SDL_CreateSoftwareRenderer(screen.surface);
    return screen.renderer != nullptr;
}

SDL_Renderer* createWindowRenderer(SDL_Window* window) {
    SDL_Renderer* renderer =
        SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
    return renderer ? renderer : SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
}

bool openWindow(int width, int height, bool fullScreen) {
    if (!screen.videoReady) return false;
    Uint32 flags = fullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : SDL_WINDOW_RESIZABLE;
    screen.window = SDL_CreateWindow(toUtf8(screen.title).c_str(), SDL_WINDOWPOS_CENTERED,
                                     SDL_WINDOWPOS_CENTERED, width, height, flags);
    if (!screen.window) return false;
    screen.renderer = createWindowRenderer(screen.window);
    if (!screen.renderer) return false;
    SDL_RenderSetLogicalSize(screen.renderer, width, height);
    applyIcon();
    SDL_StartTextInput();
    if (fullScreen) {
        int wx = 0, wy = 0;
        SDL_RenderLogicalToWindow(screen.renderer, width / 2.0f, height / 2.0f, &wx, &wy);
        SDL_WarpMouseInWindow(screen.window, wx, wy);
        injectMouseMove(width / 2, height / 2);
    }
    return true;
}

// Sleeps until the next frame deadline of hz frames per second; a missed deadline is
// moved to now instead of being caught up.
void paceFrame() {
    if (screen.hz <= 0) return;
    int hz = screen.hz;
    Uint64 now = SDL_GetTicks64();
    if (screen.nextDeadline > now) SDL_Delay(Uint32(screen.nextDeadline - now));
    else screen.nextDeadline = now;
    int extra = screen.pacedFrames % hz < 1000 % hz ? 1 : 0;
    screen.nextDeadline += Uint64(1000 / hz + extra);
    screen.pacedFrames = (screen.pacedFrames + 1) % hz;
}

bool modeMatches(const GraphicsMode& mode, int width, int height, int depth, int hz) {
    // Desktop full screen scales the logical size, so any display at least this big serves.
    return (width == 0 || mode.width >= width) && (height == 0 || mode.height >= height) &&
           (depth == 0 || mode.depth == depth) && (hz == 0 || mode.hz == hz);
}

}  // namespace

void initGraphics(bool headless, bool noPixels) {
    closeDisplay();
    screen.headless = headless;
    screen.noPixels = noPixels;
    if (!headless && !screen.videoReady) {
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        screen.videoReady = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
    }
}

void shutdownGraphics() {
    closeDisplay();
    if (screen.videoReady) SDL_QuitSubSystem(SDL_INIT_VIDEO);
    screen.videoReady = false;
}

Painter& painter() {
    if (!screen.painter) screen.painter = makeNullPainter();
    return *screen.painter;
}

unsigned rendererGeneration() { return generation; }

SDL_Window* displayWindow() { return screen.window; }

const String& windowTitle() { return screen.title; }

bool openDisplay(int width, int height, int depth, int hz, int) {
    closeDisplay();
    bool opened = screen.headless ? openOffscreen(width, height) : openWindow(width, height, depth != 0);
    if (!opened) {
        closeDisplay();
        return false;
    }
    if (!screen.noPixels) screen.painter = makeRendererPainter(screen.renderer, generation);
    screen.open = true;
    screen.width = width;
    screen.height = height;
    screen.hz = hz;
    screen.nextDeadline = 0;
    screen.pacedFrames = 0;
    resetDrawState(width, height);
    return true;
}

bool switchFullScreen(bool fullScreen) {
    if (!screen.open) return false;
    if (!screen.window) return true;
    if (SDL_SetWindowFullscreen(screen.window, fullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0) return false;
    // A window opened in full screen was made without a frame to drag.
    if (!fullScreen) SDL_SetWindowResizable(screen.window, SDL_TRUE);
    return true;
}

// The desktop mode first, then the display's list; each size and rate once.
std::vector<GraphicsMode> graphicsModes() {
    if (screen.headless) return {{1024, 768, 32, 60}};
    std::vector<GraphicsMode> modes;
    if (!screen.videoReady) return modes;
    auto add = [&modes](const SDL_DisplayMode& mode) {
        GraphicsMode entry{mode.w, mode.h, 32, mode.refresh_rate};
        bool known = std::any_of(modes.begin(), modes.end(), [&](const GraphicsMode& m) {
            return m.width == entry.width && m.height == entry.height && m.hz == entry.hz;
        });
        if (!known && entry.width > 0 && entry.height > 0) modes.push_back(entry);
    };
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) == 0) add(mode);
    for (int i = 0; i < SDL_GetNumDisplayModes(0); ++i)
        if (SDL_GetDisplayMode(0, i, &mode) == 0) add(mode);
    return modes;
}

int graphicsModeExists(int width, int height, int depth, int hz) {
    for (const GraphicsMode& mode : graphicsModes())
        if (modeMatches(mode, width, height, depth, hz)) return 1;
    return 0;
}

int displayWidth() { return screen.open ? screen.width : 0; }

int displayHeight() { return screen.open ? screen.height : 0; }

void cls() { painter().clear(); }

void flip(int sync) {
    painter().present(sync == 1);
    if (sync == -1 && screen.window) paceFrame();
}

void showPointer() {
    if (screen.videoReady) SDL_ShowCursor(SDL_ENABLE);
}

void hidePointer() {
    if (screen.videoReady) SDL_ShowCursor(SDL_DISABLE);
}

Pixmap grabBackBuffer() { return painter().readBack(displayWidth(), displayHeight()); }

int activeWindow() {
    if (screen.window) return int(SDL_GetWindowID(screen.window));
    return screen.open ? 1 : 0;
}

void setWindowIcon(const Pixmap& icon) {
    screen.icon = icon;
    applyIcon();
}

void minimizeWindow() {
    if (screen.window) SDL_MinimizeWindow(screen.window);
}

void setWindowTitle(const String& title) {
    screen.title = title;
    if (screen.window) SDL_SetWindowTitle(screen.window, toUtf8(title).c_str());
}
