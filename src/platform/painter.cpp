// Painters: the one that draws image frames through an SDL renderer (one textured copy per
// frame, mods and blend mode set before each copy), and the one that draws nothing.
#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstring>

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

// Nearest-pixel scaling of a window's real pixels to the logical size.
Pixmap resized(const Pixmap& real, int width, int height) {
    Pixmap result = opaqueBlack(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) result.at(x, y) = real.at(x * real.width / width, y * real.height / height);
    return result;
}

class RendererPainter : public Painter {
public:
    RendererPainter(SDL_Renderer* renderer, unsigned generation)
        : renderer_(renderer), generation_(generation) {}

    void clear() override {
        SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
        SDL_RenderClear(renderer_);
    }

    void present(bool vsync) override {
        if (SDL_RenderGetWindow(renderer_) && vsync != vsync_) {
            SDL_RenderSetVSync(renderer_, vsync ? 1 : 0);
            vsync_ = vsync;
        }
        SDL_RenderPresent(renderer_);
    }

    void setClip(const PixelRect& rect) override {
        // SDL switches clipping off for an empty rectangle, so that case is kept here.
        clipEmpty_ = rect.w <= 0 || rect.h <= 0;
        SDL_Rect clip{rect.x, rect.y, rect.w, rect.h};
        if (!clipEmpty_) SDL_RenderSetClipRect(renderer_, &clip);
    }

    void draw(const DrawCommand& command) override {
        if (clipEmpty_ || command.width == 0 || command.height == 0) return;
        SDL_Texture* texture = textureFor(command);
        if (!texture) return;
        const Rgba& c = command.colour;
        SDL_SetTextureColorMod(texture, c.r, c.g, c.b);
        SDL_SetTextureAlphaMod(texture, command.blend == BLEND_MASK ? 255 : c.a);
        SDL_SetTextureBlendMode(texture, sdlBlend(command.blend));
        SDL_SetTextureScaleMode(texture, command.filtered ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
        SDL_FRect destination{command.left, command.top, command.width, command.height};
        SDL_FPoint centre{command.centreX, command.centreY};
        int flip = (command.flipX ? SDL_FLIP_HORIZONTAL : 0) | (command.flipY ? SDL_FLIP_VERTICAL : 0);
        SDL_RenderCopyExF(renderer_, texture, nullptr, &destination, command.angle, &centre,
                          SDL_RendererFlip(flip));
    }

    // Read in the back buffer's own format (a plain copy in SDL) and unpacked in place:
    // much faster than SDL's conversion, and one buffer instead of two.
    Pixmap readBack(int width, int height) override {
        SDL_Rect viewport;
        float scaleX = 1, scaleY = 1;
        SDL_RenderGetViewport(renderer_, &viewport);
        SDL_RenderGetScale(renderer_, &scaleX, &scaleY);
        int realWidth = int(viewport.w * scaleX), realHeight = int(viewport.h * scaleY);
        Pixmap real{realWidth, realHeight, {}};
        real.pixels.resize(size_t(std::max(realWidth, 0)) * size_t(std::max(realHeight, 0)));
        if (real.pixels.empty() ||
            SDL_RenderReadPixels(renderer_, nullptr, SDL_PIXELFORMAT_ARGB8888, real.pixels.data(), realWidth * 4) != 0)
            return opaqueBlack(width, height);
        for (Rgba& p : real.pixels) {
            Uint32 argb;
            std::memcpy(&argb, &p, 4);
            p = Rgba{uint8_t(argb >> 16), uint8_t(argb >> 8), uint8_t(argb), 255};
        }
        if (realWidth == width && realHeight == height) return real;
        return resized(real, width, height);
    }

private:
    SDL_Texture* textureFor(const DrawCommand& command) {
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
    SDL_Texture* current(const DrawCommand& command, TextureSlot& slot, bool& stale, int threshold) {
        if (!stale && live(slot)) return slot.texture;
        const Pixmap& pixels = framePixels(*command.image, *command.frame);
        SDL_Texture* texture = threshold < 0 ? upload(slot, pixels) : upload(slot, cutOut(pixels, threshold));
        stale = texture == nullptr;
        if (texture) dropPixels(*command.image, *command.frame);
        return texture;
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
        SDL_UpdateTexture(slot.texture, nullptr, pixels.pixels.data(), pixels.width * 4);
        return slot.texture;
    }

    SDL_Renderer* renderer_;
    unsigned generation_;
    bool vsync_ = true;
    bool clipEmpty_ = false;
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

std::unique_ptr<Painter> makeRendererPainter(SDL_Renderer* renderer, unsigned generation) {
    return std::make_unique<RendererPainter>(renderer, generation);
}

std::unique_ptr<Painter> makeNullPainter() { return std::make_unique<NullPainter>(); }

void releaseTexture(TextureSlot& slot) {
    if (slot.texture && slot.generation == rendererGeneration()) SDL_DestroyTexture(slot.texture);
    slot = {};
}
