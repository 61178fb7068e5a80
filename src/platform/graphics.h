// Seams between the graphics files of the platform: the image record with its CPU pixels
// and cached textures, the painter that turns draw commands into pixels (or nothing),
// and the picture decoders. Private to src/platform.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/internal.h"

struct SDL_Texture;

// A texture made by one renderer; `generation` tells whether that renderer still exists.
struct TextureSlot {
    SDL_Texture* texture = nullptr;
    unsigned generation = 0;
    uint64_t stamp = 0;   // this upload's number, unique among all uploads
    bool opaque = false;  // every texel has alpha 255
};

// One frame of an image: its pixels, and the textures made from them on demand. Once a
// texture exists the pixels are dropped, unless something reads them back (collision tests,
// lockImage, masks cut again at a new threshold) or the image has no source to decode them
// from again (created images, pixel buffers).
struct ImageFrame {
    Pixmap pixels;               // empty while dropped
    bool keepPixels = false;     // read back: never dropped again
    bool twoLevelAlpha = false;  // every alpha is 0 or 255: the mask blend mode needs no cut-out
    TextureSlot texture;         // the pixels as they are
    TextureSlot maskTexture;     // alpha cut to 0/255 for the mask blend mode
    int maskThreshold = -1;      // lowest texel alpha kept in maskTexture
    bool textureStale = true;
    bool maskStale = true;
};

// Where an image's pixels came from, so that dropped frames can be decoded again (after the
// renderer that held their textures was lost, or when something starts reading them).
struct PictureSource {
    String file;                                        // a picture file of its own
    std::shared_ptr<const std::vector<uint8_t>> bytes;  // or a picture embedded in another file
    int cellWidth = 0, cellHeight = 0, first = 0;       // animation cells; 0 for the whole picture
    bool exists() const { return bytes || !file.empty(); }
};

struct ImageData {
    int width = 0;
    int height = 0;
    int flags = 0;
    Rgba maskColor{0, 0, 0, 255};
    float handleX = 0;
    float handleY = 0;
    bool maskedOnLoad = false;  // its mask colour was cut out of a picture without alpha
    PictureSource source;       // none: every frame keeps its pixels
    std::vector<ImageFrame> frames;
    ~ImageData();
};

// Image frames' CPU pixels (image.cpp). The frame's pixels, decoded again from the image's
// source when they were dropped; a picture that cannot be decoded as it was gives transparent
// frames of the same size.
const Pixmap& framePixels(ImageData& image, ImageFrame& frame);
// Lets the frame's pixels go once its textures are made, if they can be decoded again and
// nothing reads them back.
void dropPixels(const ImageData& image, ImageFrame& frame);

// Everything drawImage decided about one frame, in pixels of the back buffer.
struct DrawCommand {
    ImageData* image = nullptr;
    ImageFrame* frame = nullptr;  // one of image's frames
    bool filtered = false;
    float left = 0, top = 0, width = 0, height = 0;  // unrotated destination rectangle
    float centreX = 0, centreY = 0;                  // rotation centre, relative to left/top
    float angle = 0;                                 // degrees, clockwise
    bool flipX = false, flipY = false;
    int blend = BLEND_MASK;
    Rgba colour{255, 255, 255, 255};  // r, g, b clamped; a = drawing alpha · 255
    float alpha = 1;
};

// Pixel rectangle of the back buffer.
struct PixelRect {
    int x = 0, y = 0, w = 0, h = 0;
};

// Turns drawing into pixels. The display owns one; --no-pixels and "no display yet" use
// the painter that draws nothing, so drawing code never asks which one it has.
class Painter {
public:
    virtual ~Painter() = default;
    virtual void clear() = 0;
    virtual void present(bool vsync) = 0;
    virtual void setClip(const PixelRect& rect) = 0;
    virtual void draw(const DrawCommand& command) = 0;
    // Draws whatever the painter held back; before a texture it may use changes or dies.
    virtual void settle() {}
    // The back buffer at its logical size, alpha 255; empty when there are no pixels.
    virtual Pixmap readBack(int width, int height) = 0;
};

// Painters (painter.cpp). The renderer painter draws the frame through an SDL renderer and
// hands it to the output to be shown (vsync or not) when it is presented.
struct SDL_Renderer;
using FrameOutput = std::function<void(bool vsync)>;
std::unique_ptr<Painter> makeRendererPainter(SDL_Renderer* renderer, unsigned generation, FrameOutput output);
std::unique_ptr<Painter> makeNullPainter();
// Frees a cached texture if its renderer still exists; called when an image dies.
void releaseTexture(TextureSlot& slot);

// Display (display.cpp): the painter in use and the renderer generation it belongs to.
Painter& painter();
unsigned rendererGeneration();
// The open window, or null (headless, or no display yet).
struct SDL_Window;
SDL_Window* displayWindow();

// Drawing state (draw.cpp): back to the defaults for a display of width × height.
void resetDrawState(int width, int height);

// Image records (image.cpp): one frame per cell of a decoded picture.
Image makeImage(int width, int height, int flags, std::vector<Pixmap> frames);
// The built-in small font (smallfont.cpp): one frame per character 32..126, all one size.
Image makeSmallFont();

// A decoded picture and whether its file carried an alpha channel (masking depends on it).
struct DecodedPicture {
    PixmapPtr pixmap;
    bool hasAlpha = false;
};

// Larger pictures are taken as damaged headers rather than allocated: a side of at most
// 16384 pixels and at most 16 Mi pixels (64 MiB of RGBA) in all.
bool pictureSizeAllowed(unsigned width, unsigned height);

// Decoders (codecs.cpp, codecs_bmp.cpp): bytes of a whole file → picture, or null pixmap.
DecodedPicture decodePicture(const std::vector<uint8_t>& bytes);
DecodedPicture decodePng(const std::vector<uint8_t>& bytes);
DecodedPicture decodeJpeg(const std::vector<uint8_t>& bytes);
DecodedPicture decodeBmp(const std::vector<uint8_t>& bytes);
DecodedPicture decodeTga(const std::vector<uint8_t>& bytes);
// The bytes of the one picture file starting at the stream's position, leaving the stream
// just after it (font files embed pictures between records); empty when it is cut short.
std::vector<uint8_t> readPictureBytes(const Stream& stream);
// The first picture of an ICO file's bytes (codecs_bitmap.cpp).
DecodedPicture decodeIco(const std::vector<uint8_t>& bytes);
