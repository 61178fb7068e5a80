// The display: one SDL window, or, headless, an offscreen frame. The game's drawing always
// lands in a frame of the logical size (a surface drawn by SDL's software renderer, or a
// render-target texture of an accelerated renderer) that is scaled to the window's real
// drawable size in one step when it is shown. Owns the painter in use, the window title and
// icon, the pointer visibility and the pacing of flip.
#include <SDL.h>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/frame_output.h"
#include "platform/graphics.h"
#include "platform/x11_size.h"

namespace {

struct Screen {
    bool headless = false;
    bool noPixels = false;
    bool videoReady = false;
    bool open = false;
    RendererChoice choice = RendererChoice::Automatic;
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Surface* frame = nullptr;         // the frame of the software path (headless or window)
    SDL_Texture* frameTexture = nullptr;  // the frame of the accelerated path
    int width = 0, height = 0, hz = 0;
    String title;
    Pixmap icon;
    std::unique_ptr<Painter> painter;
    int windowWidth = 0, windowHeight = 0;  // the window's real size; 0 = ask again
    Uint64 nextDeadline = 0;                // software pacing of flip(-1)
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
    if (screen.frame) SDL_FreeSurface(screen.frame);
    screen.renderer = nullptr;
    screen.window = nullptr;
    screen.frame = nullptr;
    screen.frameTexture = nullptr;
    screen.open = false;
    ++generation;
}

void applyIcon() {
    if (!screen.window || screen.icon.pixels.empty()) return;
    SDL_Surface* surface =
        SDL_CreateRGBSurfaceWithFormatFrom(screen.icon.pixels.data(), screen.icon.width, screen.icon.height, 32,
                                           screen.icon.width * 4, SDL_PIXELFORMAT_RGBA32);
    if (!surface) return;
    SDL_SetWindowIcon(screen.window, surface);
    SDL_FreeSurface(surface);
}

// The software path's frame: ARGB8888, the format its blits are fastest in and the one
// screenshots and tests read.
bool openFrameSurface(int width, int height) {
    screen.frame = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
    if (!screen.frame) return false;
    SDL_SetSurfaceBlendMode(screen.frame, SDL_BLENDMODE_NONE);
    screen.renderer = SDL_CreateSoftwareRenderer(screen.frame);
    return screen.renderer != nullptr;
}

// Headless: the frame is drawn and read back, never shown.
void presentOffscreen(bool) { SDL_RenderPresent(screen.renderer); }

// The window's size as the window system has it. SDL keeps the size it asked for, which is
// wrong when nobody granted it: under an X server without a window manager a window made
// full screen keeps its old size while SDL reports the screen's.
void askWindowSize() {
    if (!x11WindowSize(screen.window, screen.windowWidth, screen.windowHeight))
        SDL_GetWindowSizeInPixels(screen.window, &screen.windowWidth, &screen.windowHeight);
}

// The part of an output of outWidth × outHeight that the window really shows.
SDL_Rect shownArea(int outWidth, int outHeight) {
    if (screen.windowWidth <= 0 || screen.windowHeight <= 0) askWindowSize();
    return {0, 0, std::min(outWidth, screen.windowWidth), std::min(outHeight, screen.windowHeight)};
}

FrameRect fitInto(const SDL_Rect& area) { return fitFrame(screen.width, screen.height, area.w, area.h); }

// The black bars around the frame inside the shown area.
void fillBars(SDL_Surface* out, const SDL_Rect& shown, const FrameRect& fit) {
    const Uint32 black = SDL_MapRGB(out->format, 0, 0, 0);
    const SDL_Rect bars[] = {{0, 0, shown.w, fit.y},
                             {0, fit.y + fit.h, shown.w, shown.h - fit.y - fit.h},
                             {0, fit.y, fit.x, fit.h},
                             {fit.x + fit.w, fit.y, shown.w - fit.x - fit.w, fit.h}};
    for (const SDL_Rect& bar : bars)
        if (bar.w > 0 && bar.h > 0) SDL_FillRect(out, &bar, black);
}

// Copies (or scales, nearest pixel) the frame into the window's surface. Window surfaces of
// 32-bit RGB are read as ARGB8888, the frame's own layout, so the copy needs no conversion.
void copyFrameInto(SDL_Surface* out, const FrameRect& fit) {
    SDL_Rect target{fit.x, fit.y, fit.w, fit.h};
    const Uint32 format = out->format->format;
    if (format != SDL_PIXELFORMAT_ARGB8888 && format != SDL_PIXELFORMAT_RGB888) {
        SDL_BlitScaled(screen.frame, nullptr, out, &target);
        return;
    }
    SDL_Surface* view =
        SDL_CreateRGBSurfaceWithFormatFrom(out->pixels, out->w, out->h, 32, out->pitch, SDL_PIXELFORMAT_ARGB8888);
    if (!view) return;
    if (fit.w == screen.frame->w && fit.h == screen.frame->h)
        SDL_BlitSurface(screen.frame, nullptr, view, &target);
    else
        SDL_SoftStretch(screen.frame, nullptr, view, &target);
    SDL_FreeSurface(view);
}

// The software path in a window: the finished frame goes to the window's surface in one step.
void presentToWindowSurface(bool) {
    SDL_RenderPresent(screen.renderer);  // completes the frame's drawing
    SDL_Surface* out = SDL_GetWindowSurface(screen.window);
    if (!out) return;
    const SDL_Rect shown = shownArea(out->w, out->h);
    const FrameRect fit = fitInto(shown);
    if (fit.w <= 0 || fit.h <= 0) return;
    fillBars(out, shown, fit);
    copyFrameInto(out, fit);
    SDL_UpdateWindowSurfaceRects(screen.window, &shown, 1);
}

// The accelerated path: the frame texture scaled to the drawable size, then drawing goes
// back into the frame texture.
void presentThroughTexture(bool) {
    SDL_Renderer* renderer = screen.renderer;
    SDL_SetRenderTarget(renderer, nullptr);
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);
    int outWidth = 0, outHeight = 0;
    SDL_GetRendererOutputSize(renderer, &outWidth, &outHeight);
    const FrameRect fit = fitFrame(screen.width, screen.height, outWidth, outHeight);
    const SDL_Rect target{fit.x, fit.y, fit.w, fit.h};
    SDL_RenderCopy(renderer, screen.frameTexture, nullptr, &target);
    SDL_RenderPresent(renderer);
    SDL_SetRenderTarget(renderer, screen.frameTexture);
}

// The GL driver's own name for itself ("llvmpipe (LLVM 15.0.6, 256 bits)", a GPU's name);
// empty for renderers that are not OpenGL. The renderer's context is current after creation.
std::string glRendererName(const SDL_RendererInfo& info) {
    if (std::string_view(info.name).rfind("opengl", 0) != 0) return "";
    using GetString = const unsigned char* (*)(unsigned);
    auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    constexpr unsigned GL_RENDERER_NAME = 0x1F01;
    const unsigned char* name = getString ? getString(GL_RENDERER_NAME) : nullptr;
    return name ? reinterpret_cast<const char*>(name) : "";
}

Uint32 windowFlags(bool fullScreen) { return fullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : SDL_WINDOW_RESIZABLE; }

// A full-screen window is made at the desktop's size, so that it covers the screen even where
// no window manager resizes it.
SDL_Window* createWindow(int width, int height, Uint32 flags) {
    SDL_DisplayMode desktop;
    if ((flags & SDL_WINDOW_FULLSCREEN_DESKTOP) && SDL_GetDesktopDisplayMode(0, &desktop) == 0) {
        width = std::max(width, desktop.w);
        height = std::max(height, desktop.h);
    }
    screen.windowWidth = screen.windowHeight = 0;
    return SDL_CreateWindow(toUtf8(screen.title).c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height,
                            flags);
}

// Tries the accelerated path in a hidden window: kept (and shown) when the renderer is one
// the player's choice keeps, else everything made is destroyed again.
bool openAcceleratedWindow(int width, int height, bool fullScreen) {
    screen.window = createWindow(width, height, windowFlags(fullScreen) | SDL_WINDOW_HIDDEN);
    if (!screen.window) return false;
    screen.renderer = SDL_CreateRenderer(
        screen.window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC | SDL_RENDERER_TARGETTEXTURE);
    SDL_RendererInfo info{};
    if (screen.renderer) SDL_GetRendererInfo(screen.renderer, &info);
    const std::string gl = screen.renderer ? glRendererName(info) : "";
    if (screen.renderer && keepAcceleratedRenderer(screen.choice, info.name, gl))
        screen.frameTexture =
            SDL_CreateTexture(screen.renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, width, height);
    if (!screen.frameTexture) {
        debugLog(u"Renderer: " + toString16(screen.renderer ? info.name : "none") + u" " + toString16(gl) +
                 u" not used, drawing in software");
        closeDisplay();
        return false;
    }
    debugLog(u"Renderer: " + toString16(info.name) + u" " + toString16(gl));
    SDL_SetTextureScaleMode(screen.frameTexture, SDL_ScaleModeLinear);
    SDL_SetRenderTarget(screen.renderer, screen.frameTexture);
    SDL_ShowWindow(screen.window);
    return true;
}

// Our own software path: the frame drawn by SDL's software renderer, as headless, and copied
// to the window's surface without any OpenGL in between.
bool openSoftwareWindow(int width, int height, bool fullScreen) {
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    screen.window = createWindow(width, height, windowFlags(fullScreen));
    return screen.window && SDL_GetWindowSurface(screen.window) && openFrameSurface(width, height);
}

void centrePointer(int width, int height) {
    const ShownFrame shown = shownFrame();
    SDL_WarpMouseInWindow(screen.window, shown.x + shown.width / 2, shown.y + shown.height / 2);
    injectMouseMove(width / 2, height / 2);
}

// Whether the machine shows a GPU device at all. Without one, any OpenGL driver can only
// rasterise in software, and trying it would load that driver (tens of MB) just to find out.
bool gpuDevicePresent() {
    for (const char* device : {"/dev/dri/renderD128", "/dev/dri/card0", "/dev/nvidia0"})
        if (access(device, F_OK) == 0) return true;
    return false;
}

bool tryAccelerated() {
    if (screen.choice == RendererChoice::Software) return false;
    if (screen.choice == RendererChoice::Automatic && !gpuDevicePresent()) {
        debugLog(u"Renderer: no GPU device, drawing in software");
        return false;
    }
    return true;
}

bool openWindow(int width, int height, bool fullScreen) {
    if (!screen.videoReady) return false;
    bool accelerated = tryAccelerated() && openAcceleratedWindow(width, height, fullScreen);
    if (!accelerated && !openSoftwareWindow(width, height, fullScreen)) return false;
    applyIcon();
    SDL_StartTextInput();
    if (fullScreen) centrePointer(width, height);
    return true;
}

FrameOutput frameOutput() {
    if (screen.frameTexture) return presentThroughTexture;
    if (screen.window) return presentToWindowSurface;
    return presentOffscreen;
}

// Sleeps until the next frame deadline of hz frames per second; a missed deadline is
// moved to now instead of being caught up.
void paceFrame() {
    if (screen.hz <= 0) return;
    int hz = screen.hz;
    Uint64 now = SDL_GetTicks64();
    if (screen.nextDeadline > now)
        SDL_Delay(Uint32(screen.nextDeadline - now));
    else
        screen.nextDeadline = now;
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

void initGraphics(bool headless, bool noPixels, RendererChoice choice) {
    closeDisplay();
    screen.headless = headless;
    screen.noPixels = noPixels;
    screen.choice = choice;
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
    screen.width = width;
    screen.height = height;
    bool opened = screen.headless ? openFrameSurface(width, height) : openWindow(width, height, depth != 0);
    if (!opened) {
        closeDisplay();
        return false;
    }
    if (!screen.noPixels) screen.painter = makeRendererPainter(screen.renderer, generation, frameOutput());
    screen.open = true;
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
    windowResized();
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

ShownFrame shownFrame() {
    if (!screen.window) return {};
    const SDL_Rect shown = shownArea(std::numeric_limits<int>::max(), std::numeric_limits<int>::max());
    const FrameRect fit = fitInto(shown);
    return {shown.w, shown.h, fit.x, fit.y, fit.w, fit.h};
}

void windowResized() { screen.windowWidth = screen.windowHeight = 0; }

void windowToFrame(int& x, int& y) {
    const ShownFrame shown = shownFrame();
    if (shown.width <= 0 || shown.height <= 0) return;
    x = int(std::floor(double(x - shown.x) * screen.width / shown.width));
    y = int(std::floor(double(y - shown.y) * screen.height / shown.height));
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
