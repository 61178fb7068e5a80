// Painters: the one that draws image frames through an SDL renderer (one textured copy per
// frame, handed to the frame composer), and the one that draws nothing.
#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/frame_composer.h"
#include "platform/graphics.h"

namespace {

SDL_BlendMode sdlBlend(int mode) {
    switch (mode) {
        case BLEND_SOLID: return SDL_BLENDMODE_NONE;
        case BLEND_LIGHT: return SDL_BLENDMODE_ADD;
        case BLEND_SHADE: return SDL_BLENDMODE_MOD;
        default: return SDL_BLENDMODE_BLEND;  // alpha, and mask through its cut-out copy
    }
}

// Lowest texel alpha that passes the mask test texelAlpha · alpha ≥ 128; 256 when none does.
int maskThreshold(float alpha) {
    if (alpha <= 0) return 256;
    return std::min(256, int(std::ceil(128.0f / alpha - 1e-4f)));
}

Pixmap cutOut(const Pixmap& pixels, int threshold) {
    Pixmap result = pixels;
    for (Rgba& p : result.pixels) p.a = p.a >= threshold ? 255 : 0;
    return result;
}

Pixmap opaqueBlack(int width, int height) {
    return {width, height, std::vector<Rgba>(size_t(width) * size_t(height), Rgba{0, 0, 0, 255})};
}

// Names each texture upload, so a stamp tells a texture and its content apart from all others.
uint64_t lastStamp = 0;

bool allOpaque(const Pixmap& pixels) {
    return std::all_of(pixels.pixels.begin(), pixels.pixels.end(), [](const Rgba& p) { return p.a == 255; });
}

class RendererPainter : public Painter {
public:
    RendererPainter(SDL_Renderer* renderer, unsigned generation, FrameOutput output)
        : renderer_(renderer),
          generation_(generation),
          output_(std::move(output)),
          composer_(renderer, generation, composingWanted()) {}

    void clear() override { composer_.clear(); }

    void settle() override { composer_.settle(); }

    void present(bool vsync) override {
        composer_.settle();
        if (SDL_RenderGetWindow(renderer_) && vsync != vsync_) {
            SDL_RenderSetVSync(renderer_, vsync ? 1 : 0);
            vsync_ = vsync;
        }
        output_(vsync);
    }

    void setClip(const PixelRect& rect) override {
        // SDL switches clipping off for an empty rectangle, so that case is kept here.
        clipEmpty_ = rect.w <= 0 || rect.h <= 0;
        if (!clipEmpty_) clip_ = rect;
    }

    void draw(const DrawCommand& command) override {
        if (clipEmpty_ || command.width == 0 || command.height == 0) return;
        const TextureSlot* slot = textureFor(command);
        if (!slot) return;
        composer_.draw(texturedCopy(command, *slot));
    }

    // Read in the frame's own format (a plain copy in SDL) and unpacked in place: much faster
    // than SDL's conversion, and one buffer instead of two. The renderer draws into a frame of
    // the logical size on every path, so no scaling back is needed.
    Pixmap readBack(int width, int height) override {
        composer_.settle();
        Pixmap frame{width, height, std::vector<Rgba>(size_t(std::max(width, 0)) * size_t(std::max(height, 0)))};
        if (frame.pixels.empty() ||
            SDL_RenderReadPixels(renderer_, nullptr, SDL_PIXELFORMAT_ARGB8888, frame.pixels.data(), width * 4) != 0)
            return opaqueBlack(width, height);
        for (Rgba& p : frame.pixels) {
            Uint32 argb;
            std::memcpy(&argb, &p, 4);
            p = Rgba{uint8_t(argb >> 16), uint8_t(argb >> 8), uint8_t(argb), 255};
        }
        return frame;
    }

private:
    TexturedCopy texturedCopy(const DrawCommand& command, const TextureSlot& slot) const {
        const Rgba& c = command.colour;
        TexturedCopy copy;
        copy.texture = slot.texture;
        copy.stamp = slot.stamp;
        copy.opaque = slot.opaque;
        copy.destination = {command.left, command.top, command.width, command.height};
        copy.centre = {command.centreX, command.centreY};
        copy.angle = command.angle;
        copy.flip =
            SDL_RendererFlip((command.flipX ? SDL_FLIP_HORIZONTAL : 0) | (command.flipY ? SDL_FLIP_VERTICAL : 0));
        copy.blend = sdlBlend(command.blend);
        copy.scaleMode = command.filtered ? SDL_ScaleModeLinear : SDL_ScaleModeNearest;
        copy.r = c.r;
        copy.g = c.g;
        copy.b = c.b;
        copy.a = command.blend == BLEND_MASK ? 255 : c.a;
        copy.clip = clip_;
        return copy;
    }

    // The texture slot the command draws from, up to date; null when there is nothing to draw.
    const TextureSlot* textureFor(const DrawCommand& command) {
        ImageFrame& frame = *command.frame;
        int threshold = command.blend == BLEND_MASK ? maskThreshold(command.alpha) : -1;
        if (threshold > 255) return nullptr;
        // A frame whose texels are all clear or opaque is its own cut-out at any threshold.
        if (threshold < 0 || frame.twoLevelAlpha) return current(command, frame.texture, frame.textureStale, -1);
        if (threshold != frame.maskThreshold) {
            // A mask drawn faded is cut again whenever its alpha changes, from pixels kept for it.
            if (frame.maskThreshold != -1) frame.keepPixels = true;
            frame.maskStale = true;
        }
        frame.maskThreshold = threshold;
        return current(command, frame.maskTexture, frame.maskStale, threshold);
    }

    // The slot's texture, made again from the frame's pixels (cut out at the threshold, if one
    // is given) when it is stale or was lost with its renderer; then the pixels may go.
    const TextureSlot* current(const DrawCommand& command, TextureSlot& slot, bool& stale, int threshold) {
        if (!stale && live(slot)) return &slot;
        const Pixmap& pixels = framePixels(*command.image, *command.frame);
        SDL_Texture* texture = threshold < 0 ? upload(slot, pixels) : upload(slot, cutOut(pixels, threshold));
        stale = texture == nullptr;
        if (!texture) return nullptr;
        dropPixels(*command.image, *command.frame);
        return &slot;
    }

    bool live(const TextureSlot& slot) const { return slot.texture && slot.generation == generation_; }

    SDL_Texture* upload(TextureSlot& slot, const Pixmap& pixels) {
        if (!live(slot)) {
            slot = {};  // made by a renderer that no longer exists, which freed it
            if (pixels.pixels.empty()) return nullptr;
            slot.texture = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGBA32, SDL_TEXTUREACCESS_STATIC,
                                             pixels.width, pixels.height);
            if (!slot.texture) return nullptr;
            slot.generation = generation_;
        }
        composer_.settle();  // held copies may use this texture as it was
        SDL_UpdateTexture(slot.texture, nullptr, pixels.pixels.data(), pixels.width * 4);
        slot.stamp = ++lastStamp;
        slot.opaque = allOpaque(pixels);
        return slot.texture;
    }

    SDL_Renderer* renderer_;
    unsigned generation_;
    FrameOutput output_;
    bool vsync_ = true;
    bool clipEmpty_ = false;
    PixelRect clip_;
    FrameComposer composer_;
};

class NullPainter : public Painter {
public:
    void clear() override {}
    void present(bool) override {}
    void setClip(const PixelRect&) override {}
    void draw(const DrawCommand&) override {}
    Pixmap readBack(int width, int height) override { return opaqueBlack(width, height); }
};

}  // namespace

std::unique_ptr<Painter> makeRendererPainter(SDL_Renderer* renderer, unsigned generation, FrameOutput output) {
    return std::make_unique<RendererPainter>(renderer, generation, std::move(output));
}

std::unique_ptr<Painter> makeNullPainter() { return std::make_unique<NullPainter>(); }

void releaseTexture(TextureSlot& slot) {
    if (slot.texture && slot.generation == rendererGeneration()) {
        painter().settle();  // held copies may use it
        SDL_DestroyTexture(slot.texture);
    }
    slot = {};
}
