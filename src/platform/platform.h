// The platform layer: display, drawing state, images, sound channels, input,
// system events, timers, random numbers, files, streams and string operations.
// Everything above this layer reaches the machine only through these free
// operations; no SDL or codec type appears in this header.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

using String = std::u16string;

// --- Start-up and configuration ---

// Which renderer draws into a window: automatic takes a GPU's renderer and our own software
// path where the only accelerated renderer rasterises on the CPU.
enum class RendererChoice { Automatic, Software, Accelerated };

struct PlatformConfig {
    bool headless = false;   // offscreen software drawing, virtual clock, no audio device
    bool noPixels = false;   // with headless: drawing calls do nothing
    std::string traceFile;   // when set, debugLog writes one line per call here
    RendererChoice renderer = RendererChoice::Automatic;
};

// Called once by main before anything else of the platform is used.
void initPlatform(const PlatformConfig& config);
// Called once at exit: closes the display, the audio device and the trace file.
void shutdownPlatform();
bool isHeadless();

// --- Handle types ---

struct Rgba {
    uint8_t r = 0, g = 0, b = 0, a = 0;
    bool operator==(const Rgba&) const = default;
};

// An RGBA 8888 picture in memory, rows top to bottom.
struct Pixmap {
    int width = 0;
    int height = 0;
    std::vector<Rgba> pixels;
    Rgba& at(int x, int y) { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
    const Rgba& at(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
};
using PixmapPtr = std::shared_ptr<Pixmap>;

struct ImageData;
using Image = std::shared_ptr<ImageData>;  // released when the last holder lets go
struct SoundData;
using Sound = std::shared_ptr<SoundData>;
struct TimerData;
using Timer = std::shared_ptr<TimerData>;
class StreamData;
using Stream = std::shared_ptr<StreamData>;

// One voice of the mixer; id 0 stands for "none".
struct Channel {
    int id = 0;
    explicit operator bool() const { return id != 0; }
    bool operator==(const Channel&) const = default;
};

// --- Display and frame ---

struct GraphicsMode {
    int width, height, depth, hz;
};

// depth 0 opens a resizable window, depth 32 desktop full screen. Resets the drawing state.
bool openDisplay(int width, int height, int depth, int hz, int flags);
// Switches the open window between desktop full screen and a resizable window in place, keeping
// its renderer, pictures and drawing state; false when the window system refuses (or no display
// is open). Offscreen there is no window mode to switch: nothing changes and the result is true.
bool switchFullScreen(bool fullScreen);
std::vector<GraphicsMode> graphicsModes();
int graphicsModeExists(int width, int height, int depth, int hz);
int displayWidth();
int displayHeight();
void setVirtualResolution(float w, float h);
float virtualWidth();
float virtualHeight();
void cls();
// Presents the back buffer; sync 1 waits for the vertical blank, -1 paces by software.
void flip(int sync);
void showPointer();
void hidePointer();
// Copies the current back buffer (logical 1024x768) into a pixmap; used for screenshots.
Pixmap grabBackBuffer();
// Where the frame is shown: the window's real size and the rectangle the frame is scaled into,
// in the window's pixels; all zero without a window.
struct ShownFrame {
    int windowWidth = 0, windowHeight = 0;
    int x = 0, y = 0, width = 0, height = 0;
};
ShownFrame shownFrame();
// Id of the open window (0 when there is none); stands in for the window handle.
int activeWindow();
void setWindowIcon(const Pixmap& icon);
void minimizeWindow();
void setWindowTitle(const String& title);

// --- Drawing state and drawing ---

enum BlendMode { BLEND_MASK = 1, BLEND_SOLID = 2, BLEND_ALPHA = 3, BLEND_LIGHT = 4, BLEND_SHADE = 5 };

void setBlend(int mode);
int getBlend();
void setAlpha(float a);
float getAlpha();
void setColor(int r, int g, int b);  // stored as given; clamped to 0..255 when drawing
void getColor(int& r, int& g, int& b);
void setRotation(float degrees);
float getRotation();
void setScale(float sx, float sy);
void getScale(float& sx, float& sy);
void setViewport(int x, int y, int w, int h);
void drawImage(const Image& image, float x, float y, int frame);
void drawText(const String& text, float x, float y);  // built-in small font
int textWidth(const String& text);                    // width of drawText's output in pixels

// --- Images ---

enum ImageFlags { IMAGE_MASKED = 1, IMAGE_FILTERED = 2, IMAGE_MIPMAPPED = 4, IMAGE_DYNAMIC = 8 };

Image loadImage(const String& file, int flags);
Image loadImage(const Pixmap& pixels, int flags);
// The picture file read from the stream's current position to its end (font files embed them).
Image loadImage(const Stream& stream, int flags);
Image loadAnimImage(const String& file, int cellWidth, int cellHeight, int first, int count, int flags);
Image createImage(int width, int height, int frames, int flags);
int imageWidth(const Image& image);
int imageHeight(const Image& image);
int imageFrames(const Image& image);
void setImageHandle(const Image& image, float x, float y);
void midHandleImage(const Image& image);
void getImageHandle(const Image& image, float& x, float& y);
void setMaskColor(const Image& image, int r, int g, int b);
int imagesCollide(const Image& image1, int x1, int y1, int frame1, const Image& image2, int x2, int y2,
                  int frame2);
// The frame's pixels; changes show when the frame is next drawn.
Pixmap* lockImage(const Image& image, int frame, bool read, bool write);
void unlockImage(const Image& image, int frame);
PixmapPtr loadPixmap(const String& file);
PixmapPtr loadPixmap(const Stream& stream);
PixmapPtr maskPixmap(const Pixmap& pixmap, int r, int g, int b);
void pastePixmap(Pixmap& destination, const Pixmap& source, int x, int y);
// Writes a pixmap as PNG; false when the file cannot be written.
bool savePixmapPng(const Pixmap& pixmap, const std::string& path);
// First picture of an ICO file (PNG or 32-bit BMP entry); null when unreadable.
PixmapPtr loadIconPixmap(const String& file);

// --- Audio ---

// SOUND_STREAM: decoded piece by piece as it plays instead of whole at load (music).
enum SoundFlags { SOUND_LOOP = 1, SOUND_STREAM = 2 };

Sound loadSound(const String& file, int flags);
Channel playSound(const Sound& sound, Channel channel = {});
Channel cueSound(const Sound& sound, Channel channel = {});
Channel allocChannel();
void stopChannel(Channel channel);
void pauseChannel(Channel channel);
void resumeChannel(Channel channel);
int channelPlaying(Channel channel);
void setChannelVolume(Channel channel, float volume);
void setChannelPan(Channel channel, float pan);

// --- Decoding ahead ---

// Names the picture and sound files the game is about to load, in the order it loads them (a
// file loaded twice named twice). A worker thread reads and decodes them meanwhile; loadImage,
// loadAnimImage and loadSound (not streamed) then take the result and do only the rest (textures
// are still made when first drawn). A file the worker has not finished is decoded by the load
// itself, so a load is never slower for waiting. Each call releases what the previous one left
// untaken (an empty list only releases); the worker starts no file while it holds 48 MiB.
void decodeAhead(const std::vector<String>& files);

// --- Input and events ---

enum KeyCode {
    KEY_BACKSPACE = 8, KEY_ENTER = 13, KEY_ESCAPE = 27, KEY_SPACE = 32,
    KEY_0 = 48, KEY_A = 65, KEY_R = 82, KEY_Z = 90, KEY_F1 = 112, KEY_F10 = 121
};
enum EventId { EVENT_SUSPEND = 257, EVENT_RESUME = 258, EVENT_CLOSE = 259 };

int keyHit(int key);
int keyDown(int key);
// The next typed character (8 Backspace, 13 Enter or a printable ISO 8859-1 code), 0 if none.
int getChar();
void flushKeys();
// Clears only the typed-character queue; the name entry starts from it empty.
void flushChars();
void flushMouse();
int mouseX();
int mouseY();
int mouseZSpeed();
int mouseHit(int button);
int mouseDown(int button);
int closeRequested();
// True when an event is waiting (after pumping the window system).
bool peekEvent();
void pollEvent();
int eventId();

// The one path by which input reaches the layer: the window system's events and the
// test script both arrive here. Coordinates are logical pixels.
// A key going down; Backspace and Enter also queue their character.
void injectKey(int key, bool down);
// Queues a typed character; anything but 8, 13 and the printable ISO 8859-1 codes is dropped.
void injectChar(int code);
// Queues the characters of a UTF-8 text (window-system text input, the script's "type").
void injectText(const std::string& utf8);
void injectMouseMove(int x, int y);
void injectMouseButton(int button, bool down);
void injectWheel(int notches);
// 257/258 also flush keys and mouse; 259 sets the close request.
void injectEvent(int id);
// Takes pending window-system events into the input state (no-op when headless).
void pumpEvents();

// --- Time and random ---

int millisecs();
Timer createTimer(float hz);
int timerTicks(const Timer& timer);
int waitTimer(const Timer& timer);
void seedRandom(int seed);
double randUnit();
int randInt(int a, int b);
double randFloat(double a, double b);

// --- Files and streams ---

// Real path of a game file name: both separators accepted, "data/..." taken below the data
// folder, resolved case-insensitively component by component when it does not exist as written.
std::string resolvePath(const String& file);
// The folder that "data/..." names stand for ("data", the working folder's, until set).
void setDataFolder(const std::string& folder);

// A stream read or write failed (the stream ended early or the disk refused the bytes).
struct StreamError {
    std::string what;
};

Stream readFile(const String& file);
Stream writeFile(const String& file);
Stream openStream(const String& file, bool read, bool write);
void closeStream(const Stream& stream);
int eof(const Stream& stream);
int readInt(const Stream& stream);    // throws StreamError
void writeInt(const Stream& stream, int value);
uint8_t readByte(const Stream& stream);
void writeByte(const Stream& stream, uint8_t value);
String readString(const Stream& stream, int n);  // throws StreamError
void writeString(const Stream& stream, const String& text);
String readLine(const Stream& stream);
void writeLine(const Stream& stream, const String& text);
std::vector<uint8_t> readAllBytes(const Stream& stream);  // the rest of the stream
String loadText(const String& file);                      // throws StreamError when unreadable
int fileType(const String& path);
int createDir(const String& path, int recurse);
int readDir(const String& path);
// Replaces `path` by `temporary` in one step, so a crash never leaves half a file.
bool replaceFile(const String& temporary, const String& path);
// Deletes a file; false when there was none or it cannot be deleted.
bool removeFile(const String& file);

// --- Strings and numbers ---

String toString16(const std::string& utf8);
std::string toUtf8(const String& text);
int compareStrings(const String& a, const String& b);
String intToString(int value);
String floatToString(float value);
String doubleToString(double value);
int stringToInt(const String& text);
int floatToInt(double value);
String trim(const String& text);
String upper(const String& text);
String mid(const String& text, int start, int n = -1);
String left(const String& text, int n);
int instr(const String& text, const String& part, int start = 1);
std::vector<String> split(const String& text, const String& separator);
int asc(const String& text);
String chr(int code);
float sinDeg(float degrees);
float cosDeg(float degrees);
float asinDeg(float value);

// --- Process ---

// Modal message box captioned with the window title; headless it goes to stderr.
void notify(const String& text, int serious);
[[noreturn]] void exitProgram();
void printLine(const String& text);
void debugLog(const String& text);
// Bytes currently allocated on the heap (for the debug overlay).
long long allocatedBytes();
