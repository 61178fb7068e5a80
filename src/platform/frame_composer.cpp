// The frame composer: holds back the copies that repeat the previous frame and draws them
// from one offscreen layer, so a frame that mostly stands still costs one plain copy and
// the copies that move.
#include "platform/frame_composer.h"

#include <cstdlib>

namespace {

// A frame with more copies than this is not compared with the next one.
constexpr size_t RECORD_LIMIT = 20000;

bool sameRect(const PixelRect& a, const PixelRect& b) { return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h; }

// Everything but the texture pointer: the stamp names the texture and its content.
bool sameLook(const TexturedCopy& a, const TexturedCopy& b) {
    return a.stamp == b.stamp && a.destination.x == b.destination.x && a.destination.y == b.destination.y &&
           a.destination.w == b.destination.w && a.destination.h == b.destination.h && a.centre.x == b.centre.x &&
           a.centre.y == b.centre.y && a.angle == b.angle && a.flip == b.flip && a.blend == b.blend &&
           a.scaleMode == b.scaleMode && a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a &&
           sameRect(a.clip, b.clip);
}

}  // namespace

bool composingWanted() { return std::getenv("PENDREL_PLAIN_DRAWING") == nullptr; }

FrameComposer::FrameComposer(SDL_Renderer* renderer, unsigned generation, bool enabled)
    : renderer_(renderer), enabled_(enabled), generation_(generation) {}

// Not through releaseTexture: the painter that owns this composer is going away.
FrameComposer::~FrameComposer() {
    if (layer_ && generation_ == rendererGeneration()) SDL_DestroyTexture(layer_);
}

void FrameComposer::clear() {
    settle();
    previous_.swap(current_);
    if (!recording_) previous_.clear();
    current_.clear();
    recording_ = enabled_ && composable();
    holding_ = recording_;
    if (!holding_) {
        layerLength_ = 0;
        clearTarget();
    }
}

void FrameComposer::draw(const TexturedCopy& copy) {
    size_t next = current_.size();
    if (holding_ && next < previous_.size() && sameLook(copy, previous_[next])) {
        current_.push_back(copy);
        return;
    }
    settle();
    render(copy);
    record(copy);
}

void FrameComposer::settle() {
    if (!holding_) return;
    holding_ = false;
    drawHeld(current_.size());
}

// The layer only serves a target drawn one to one: no logical size, scale or letterbox.
bool FrameComposer::composable() {
    int width = 0, height = 0;
    float scaleX = 1, scaleY = 1;
    SDL_Rect viewport;
    if (SDL_GetRendererOutputSize(renderer_, &width, &height) != 0) return false;
    SDL_RenderGetScale(renderer_, &scaleX, &scaleY);
    SDL_RenderGetViewport(renderer_, &viewport);
    return scaleX == 1 && scaleY == 1 && viewport.x == 0 && viewport.y == 0 && viewport.w == width &&
           viewport.h == height;
}

void FrameComposer::record(const TexturedCopy& copy) {
    if (!recording_) return;
    if (current_.size() < RECORD_LIMIT) {
        current_.push_back(copy);
        return;
    }
    recording_ = false;
    current_.clear();
}

// The layer kept its first layerLength_ copies since they were made: each frame since then
// repeated them, or drawHeld would have made it anew.
void FrameComposer::drawHeld(size_t count) {
    if (count == 0 || !readyLayer()) {
        layerLength_ = 0;
        clearTarget();
        for (size_t i = 0; i < count; ++i) render(current_[i]);
        return;
    }
    if (layerLength_ > count) layerLength_ = 0;
    if (layerLength_ < count) paintLayer(layerLength_, count);
    layerLength_ = count;
    copyLayer();
}

// A layer of the target's size and format; a new one starts empty.
bool FrameComposer::readyLayer() {
    int width = 0, height = 0;
    if (SDL_GetRendererOutputSize(renderer_, &width, &height) != 0) return false;
    if (layer_ && width == layerWidth_ && height == layerHeight_) return true;
    if (layer_) SDL_DestroyTexture(layer_);
    layer_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, width, height);
    layerWidth_ = width;
    layerHeight_ = height;
    layerLength_ = 0;
    if (!layer_) return false;
    SDL_SetTextureBlendMode(layer_, SDL_BLENDMODE_NONE);
    return true;
}

// Draws copies from..to of this frame onto the layer; a layer started afresh begins with the
// clear, or with the last copy that covers it all.
void FrameComposer::paintLayer(size_t from, size_t to) {
    SDL_Texture* target = SDL_GetRenderTarget(renderer_);
    SDL_SetRenderTarget(renderer_, layer_);
    appliedClip_.reset();
    if (from == 0) {
        std::optional<size_t> cover = lastCover(0, to);
        if (cover)
            from = *cover;
        else
            clearTarget();
    }
    for (size_t i = from; i < to; ++i) render(current_[i]);
    SDL_SetRenderTarget(renderer_, target);
    appliedClip_.reset();
}

void FrameComposer::copyLayer() {
    applyClip({});
    SDL_RenderCopy(renderer_, layer_, nullptr, nullptr);
}

void FrameComposer::render(const TexturedCopy& copy) {
    applyClip(copy.clip);
    SDL_SetTextureColorMod(copy.texture, copy.r, copy.g, copy.b);
    SDL_SetTextureAlphaMod(copy.texture, copy.a);
    SDL_SetTextureBlendMode(copy.texture, copy.blend);
    SDL_SetTextureScaleMode(copy.texture, copy.scaleMode);
    SDL_RenderCopyExF(renderer_, copy.texture, nullptr, &copy.destination, copy.angle, &copy.centre, copy.flip);
}

// An empty rectangle means no clipping.
void FrameComposer::applyClip(const PixelRect& clip) {
    if (appliedClip_ && sameRect(*appliedClip_, clip)) return;
    SDL_Rect rect{clip.x, clip.y, clip.w, clip.h};
    SDL_RenderSetClipRect(renderer_, clip.w > 0 && clip.h > 0 ? &rect : nullptr);
    appliedClip_ = clip;
}

// The clear ignores the clip rectangle.
void FrameComposer::clearTarget() {
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
}

std::optional<size_t> FrameComposer::lastCover(size_t from, size_t to) const {
    for (size_t i = to; i > from; --i)
        if (covers(current_[i - 1])) return i - 1;
    return std::nullopt;
}

// Opaque texels copied one to one over the whole layer, unclipped, leave nothing of what was
// drawn before them: alpha blending an opaque texel gives the texel.
bool FrameComposer::covers(const TexturedCopy& copy) const {
    if (!copy.opaque || copy.a != 255 || copy.angle != 0 || copy.flip != SDL_FLIP_NONE) return false;
    if (copy.blend != SDL_BLENDMODE_BLEND && copy.blend != SDL_BLENDMODE_NONE) return false;
    int width = 0, height = 0;
    if (SDL_QueryTexture(copy.texture, nullptr, nullptr, &width, &height) != 0) return false;
    const SDL_FRect& d = copy.destination;
    const PixelRect& c = copy.clip;
    return d.w == float(width) && d.h == float(height) && d.x <= 0 && d.y <= 0 && d.x + d.w >= float(layerWidth_) &&
           d.y + d.h >= float(layerHeight_) && c.x <= 0 && c.y <= 0 && c.x + c.w >= layerWidth_ &&
           c.y + c.h >= layerHeight_;
}
