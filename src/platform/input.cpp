// Keyboard, mouse and system-event state. Window-system events and the test
// script both arrive through the inject operations; the game polls the result.
// Counters accumulate until read, so a hit not read in one frame shows in a later one.
#include <SDL.h>

#include <array>
#include <deque>

#include "platform/internal.h"
#include "platform/keymap.h"

namespace {

constexpr int KEY_COUNT = 256;
constexpr int BUTTON_COUNT = 4;  // index 0 unused
constexpr size_t QUEUE_LIMIT = 256;

struct KeyboardState {
    std::array<bool, KEY_COUNT> held{};
    std::array<int, KEY_COUNT> hits{};
    std::deque<int> typed;
};

struct MouseState {
    std::array<bool, BUTTON_COUNT> held{};
    std::array<int, BUTTON_COUNT> hits{};
    int x = 0, y = 0;
    int wheel = 0;  // notches turned since the last mouseZSpeed
};

struct EventState {
    std::deque<int> queue;
    int current = 0;
    bool closeAsked = false;
    bool windowActive = true;
};

KeyboardState keyboard;
MouseState mouse;
EventState events;

bool validKey(int key) { return key > 0 && key < KEY_COUNT; }
bool validButton(int button) { return button > 0 && button < BUTTON_COUNT; }

// Reports activation changes once each: the window system may repeat them (for
// example while the window is minimised), and each report would flush the input again.
void windowFocus(bool active) {
    if (active == events.windowActive) return;
    events.windowActive = active;
    injectEvent(active ? EVENT_RESUME : EVENT_SUSPEND);
}

bool typedKey(int key) { return key == KEY_BACKSPACE || key == KEY_ENTER; }

// The queue holds what a name can be made of: Backspace, Enter and the printable characters
// of ISO 8859-1, the fonts' character set.
bool queueable(int code) { return typedKey(code) || (code >= 32 && code <= 126) || (code >= 160 && code <= 255); }

// A held Backspace or Enter repeats in the typed-character queue, like text.
void takeKey(const SDL_KeyboardEvent& event, bool down) {
    const int key = virtualKeyFromSdl(event.keysym.sym);
    if (!event.repeat) injectKey(key, down);
    else if (down && typedKey(key)) injectChar(key);
}

bool windowMinimised(uint32_t windowId) {
    SDL_Window* window = SDL_GetWindowFromID(windowId);
    return window != nullptr && (SDL_GetWindowFlags(window) & SDL_WINDOW_MINIMIZED) != 0;
}

// Activation changes while the window is minimised are not the player's doing.
void takeWindowEvent(const SDL_WindowEvent& event) {
    if (event.event == SDL_WINDOWEVENT_SIZE_CHANGED) windowResized();
    if (windowMinimised(event.windowID)) return;
    if (event.event == SDL_WINDOWEVENT_FOCUS_LOST) windowFocus(false);
    if (event.event == SDL_WINDOWEVENT_FOCUS_GAINED) windowFocus(true);
}

// The window reports the pointer in its own pixels; the game works in the frame's.
void takeMouseMove(int x, int y) {
    windowToFrame(x, y);
    injectMouseMove(x, y);
}

void takeEvent(const SDL_Event& event) {
    switch (event.type) {
    case SDL_KEYDOWN: takeKey(event.key, true); break;
    case SDL_KEYUP: takeKey(event.key, false); break;
    case SDL_TEXTINPUT: injectText(event.text.text); break;
    case SDL_MOUSEMOTION: takeMouseMove(event.motion.x, event.motion.y); break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        takeMouseMove(event.button.x, event.button.y);
        injectMouseButton(gameButtonFromSdl(event.button.button), event.type == SDL_MOUSEBUTTONDOWN);
        break;
    case SDL_MOUSEWHEEL:
        injectWheel(event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y : event.wheel.y);
        break;
    case SDL_WINDOWEVENT: takeWindowEvent(event.window); break;
    case SDL_QUIT: injectEvent(EVENT_CLOSE); break;
    default: break;
    }
}

}  // namespace

int virtualKeyFromSdl(int32_t keycode) {
    if (keycode >= SDLK_a && keycode <= SDLK_z) return KEY_A + (keycode - SDLK_a);
    if (keycode >= SDLK_0 && keycode <= SDLK_9) return KEY_0 + (keycode - SDLK_0);
    if (keycode >= SDLK_F1 && keycode <= SDLK_F12) return KEY_F1 + (keycode - SDLK_F1);
    switch (keycode) {
    case SDLK_BACKSPACE: return KEY_BACKSPACE;
    case SDLK_TAB: return 9;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return KEY_ENTER;
    case SDLK_ESCAPE: return KEY_ESCAPE;
    case SDLK_SPACE: return KEY_SPACE;
    case SDLK_LEFT: return 37;
    case SDLK_UP: return 38;
    case SDLK_RIGHT: return 39;
    case SDLK_DOWN: return 40;
    case SDLK_DELETE: return 46;
    default: return 0;
    }
}

int gameButtonFromSdl(int button) {
    switch (button) {
    case SDL_BUTTON_LEFT: return 1;
    case SDL_BUTTON_RIGHT: return 2;
    case SDL_BUTTON_MIDDLE: return 3;
    default: return 0;
    }
}

void pumpEvents() {
    if (isHeadless() || !SDL_WasInit(SDL_INIT_VIDEO)) return;
    SDL_Event event;
    while (SDL_PollEvent(&event)) takeEvent(event);
}

int keyHit(int key) {
    pumpEvents();
    if (!validKey(key)) return 0;
    const int hits = keyboard.hits[key];
    keyboard.hits[key] = 0;
    return hits;
}

int keyDown(int key) {
    pumpEvents();
    return validKey(key) && keyboard.held[key] ? 1 : 0;
}

int getChar() {
    pumpEvents();
    if (keyboard.typed.empty()) return 0;
    const int code = keyboard.typed.front();
    keyboard.typed.pop_front();
    return code;
}

void flushKeys() { keyboard = KeyboardState{}; }

void flushChars() { keyboard.typed.clear(); }

void flushMouse() {
    mouse.held = {};
    mouse.hits = {};
    mouse.wheel = 0;
}

int mouseX() {
    pumpEvents();
    return mouse.x;
}

int mouseY() {
    pumpEvents();
    return mouse.y;
}

int mouseZSpeed() {
    pumpEvents();
    const int notches = mouse.wheel;
    mouse.wheel = 0;
    return notches;
}

int mouseHit(int button) {
    pumpEvents();
    if (!validButton(button)) return 0;
    const int hits = mouse.hits[button];
    mouse.hits[button] = 0;
    return hits;
}

int mouseDown(int button) {
    pumpEvents();
    return validButton(button) && mouse.held[button] ? 1 : 0;
}

int closeRequested() {
    pumpEvents();
    const bool asked = events.closeAsked;
    events.closeAsked = false;
    return asked ? 1 : 0;
}

bool peekEvent() {
    pumpEvents();
    return !events.queue.empty();
}

void pollEvent() {
    pumpEvents();
    events.current = 0;
    if (events.queue.empty()) return;
    events.current = events.queue.front();
    events.queue.pop_front();
}

int eventId() { return events.current; }

// Backspace and Enter also reach the typed-character queue, from the window system and the
// test script alike.
void injectKey(int key, bool down) {
    if (!validKey(key)) return;
    keyboard.held[key] = down;
    if (!down) return;
    ++keyboard.hits[key];
    if (typedKey(key)) injectChar(key);
}

void injectChar(int code) {
    if (queueable(code) && keyboard.typed.size() < QUEUE_LIMIT) keyboard.typed.push_back(code);
}

// A character beyond ISO 8859-1 is one UTF-16 unit above 255 (or a surrogate pair), which the
// queue drops.
void injectText(const std::string& utf8) {
    for (char16_t unit : toString16(utf8)) injectChar(unit);
}

void injectMouseMove(int x, int y) {
    mouse.x = x;
    mouse.y = y;
}

void injectMouseButton(int button, bool down) {
    if (!validButton(button)) return;
    mouse.held[button] = down;
    if (down) ++mouse.hits[button];
}

void injectWheel(int notches) { mouse.wheel += notches; }

void injectEvent(int id) {
    if (id == EVENT_SUSPEND || id == EVENT_RESUME) {
        flushKeys();
        flushMouse();
    }
    if (id == EVENT_CLOSE) events.closeAsked = true;
    if (events.queue.size() < QUEUE_LIMIT) events.queue.push_back(id);
}
