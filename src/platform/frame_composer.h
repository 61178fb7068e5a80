// The frame composer: draws a frame's textured copies, keeping the part that stands still
// composed in one offscreen picture. Private to src/platform.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/graphics.h"

// One textured copy with everything that decides its pixels.
struct TexturedCopy {
    SDL_Texture* texture = nullptr;
    uint64_t stamp = 0;   // the texture's content, see TextureSlot
    bool opaque = false;  // every texel of the texture has alpha 255
    SDL_FRect destination{};
    SDL_FPoint centre{};
    double angle = 0;
    SDL_RendererFlip flip = SDL_FLIP_NONE;
    SDL_BlendMode blend = SDL_BLENDMODE_BLEND;
    SDL_ScaleMode scaleMode = SDL_ScaleModeNearest;
    Uint8 r = 255, g = 255, b = 255, a = 255;
    PixelRect clip;
};

// A frame starts with the clear; its copies are held back while they repeat the previous
// frame's copies one for one. When one differs, or the frame is needed, the held run is drawn
// from the layer: an offscreen picture of the clear and that run, made once and extended
// while the run grows, then copied to the back buffer as one plain copy. A copy that covers
// the whole target with opaque texels makes the clear and the copies before it unneeded when
// the layer is made. Without composing (`enabled` false) every copy is drawn at once.
class FrameComposer {
public:
    FrameComposer(SDL_Renderer* renderer, unsigned generation, bool enabled);
    ~FrameComposer();
    FrameComposer(const FrameComposer&) = delete;
    FrameComposer& operator=(const FrameComposer&) = delete;

    // Starts a frame on a back buffer cleared to opaque black.
    void clear();
    void draw(const TexturedCopy& copy);
    // Draws whatever is held back: before the back buffer is shown or read and before a
    // texture the held copies use changes or dies.
    void settle();

private:
    bool composable();
    void record(const TexturedCopy& copy);
    void drawHeld(size_t count);
    bool readyLayer();
    void paintLayer(size_t from, size_t to);
    void copyLayer();
    void render(const TexturedCopy& copy);
    void applyClip(const PixelRect& clip);
    void clearTarget();
    std::optional<size_t> lastCover(size_t from, size_t to) const;
    bool covers(const TexturedCopy& copy) const;

    SDL_Renderer* renderer_;
    bool enabled_;
    std::vector<TexturedCopy> previous_;  // the copies of the previous frame, in order
    std::vector<TexturedCopy> current_;   // this frame's copies so far
    bool recording_ = false;              // current_ holds every copy since the clear
    bool holding_ = false;                // current_ repeats previous_ and none of it is drawn
    unsigned generation_;
    SDL_Texture* layer_ = nullptr;
    int layerWidth_ = 0, layerHeight_ = 0;
    size_t layerLength_ = 0;                // copies of current_ (and previous_) in the layer
    std::optional<PixelRect> appliedClip_;  // the clip the target has, when known
};

// Whether drawing composes still layers: on unless PENDREL_PLAIN_DRAWING is set, which asks
// for the straightforward path (one copy per picture onto the cleared back buffer).
bool composingWanted();
