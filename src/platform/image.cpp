// Images: frames of CPU pixels cut from decoded pictures or created empty, dropped once their
// textures exist and decoded again from their source when needed, their handles and mask
// colour, pixel access through lockImage, the pixel-exact collision test, and the pixel-buffer
// helpers maskPixmap and pastePixmap.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/decode_ahead.h"
#include "platform/graphics.h"

namespace {

int normaliseFlags(int flags) { return flags == -1 ? IMAGE_MASKED | IMAGE_FILTERED : flags; }

// Masked images make their mask colour transparent, but only in pictures that brought no
// alpha channel of their own.
bool masksPicture(int flags, bool hasAlpha) { return (flags & IMAGE_MASKED) && !hasAlpha; }

// The picture's pixels are taken over, not copied, when nothing else holds them.
Pixmap preparePixels(const DecodedPicture& picture, int flags) {
    if (masksPicture(flags, picture.hasAlpha)) return *maskPixmap(*picture.pixmap, 0, 0, 0);
    if (picture.pixmap.use_count() == 1) return std::move(*picture.pixmap);
    return *picture.pixmap;
}

Pixmap cutCell(const Pixmap& picture, int left, int top, int width, int height) {
    Pixmap cell{width, height, std::vector<Rgba>(size_t(width) * size_t(height))};
    for (int y = 0; y < height; ++y)
        std::copy_n(&picture.at(left, top + y), width, &cell.at(0, y));
    return cell;
}

// The frames a decoded picture gives: the whole picture, or `count` of the source's cells
// from its first on, row by row; none when the picture holds fewer cells.
std::vector<Pixmap> framesOf(const DecodedPicture& picture, int flags, const PictureSource& source, int count) {
    if (source.cellWidth <= 0) return {preparePixels(picture, flags)};
    int across = picture.pixmap->width / source.cellWidth;
    if (across * (picture.pixmap->height / source.cellHeight) < source.first + count) return {};
    Pixmap pixels = preparePixels(picture, flags);
    std::vector<Pixmap> frames;
    for (int i = source.first; i < source.first + count; ++i)
        frames.push_back(cutCell(pixels, source.cellWidth * (i % across), source.cellHeight * (i / across),
                                 source.cellWidth, source.cellHeight));
    return frames;
}

Image imageFromPicture(const DecodedPicture& picture, int flags, PictureSource source, int count = 1) {
    if (!picture.pixmap) return nullptr;
    flags = normaliseFlags(flags);
    std::vector<Pixmap> frames = framesOf(picture, flags, source, count);
    if (frames.empty()) return nullptr;
    int width = frames[0].width, height = frames[0].height;
    Image image = makeImage(width, height, flags, std::move(frames));
    image->maskedOnLoad = masksPicture(flags, picture.hasAlpha);
    image->source = std::move(source);
    return image;
}

DecodedPicture decodeSource(const PictureSource& source) {
    return decodePicture(source.bytes ? *source.bytes : readWholeFile(source.file));
}

// The source decoded again, if it still gives frames of the image's size and masking.
std::vector<Pixmap> decodeAgain(const ImageData& image) {
    if (!image.source.exists()) return {};
    DecodedPicture picture = decodeSource(image.source);
    if (!picture.pixmap || masksPicture(image.flags, picture.hasAlpha) != image.maskedOnLoad) return {};
    std::vector<Pixmap> frames = framesOf(picture, image.flags, image.source, int(image.frames.size()));
    auto sameSize = [&image](const Pixmap& f) { return f.width == image.width && f.height == image.height; };
    bool fits = frames.size() == image.frames.size() && std::all_of(frames.begin(), frames.end(), sameSize);
    return fits ? frames : std::vector<Pixmap>{};
}

// Fills every frame that dropped its pixels, from the source or, when it no longer decodes as
// it did, with transparent pixels; such an image keeps its pixels from then on.
void restorePixels(ImageData& image) {
    std::vector<Pixmap> decoded = decodeAgain(image);
    if (decoded.empty() && image.source.exists()) {
        debugLog(u"Bild nicht wieder lesbar: " + image.source.file);
        image.source = {};
    }
    Pixmap blank{image.width, image.height, std::vector<Rgba>(size_t(image.width) * size_t(image.height))};
    for (size_t i = 0; i < image.frames.size(); ++i) {
        Pixmap& pixels = image.frames[i].pixels;
        if (pixels.pixels.empty()) pixels = decoded.empty() ? blank : std::move(decoded[i]);
    }
}

bool sameColour(const Rgba& p, int r, int g, int b) { return p.r == r && p.g == g && p.b == b; }

// Colour for a masked pixel: the average of its unmasked neighbours, so that filtering at
// the edge of the cut-out does not bleed the mask colour in.
Rgba neighbourAverage(const Pixmap& pixmap, int x, int y, int r, int g, int b) {
    int sum[3] = {0, 0, 0}, count = 0;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            int nx = x + dx, ny = y + dy;
            if ((dx == 0 && dy == 0) || nx < 0 || ny < 0 || nx >= pixmap.width || ny >= pixmap.height) continue;
            const Rgba& n = pixmap.at(nx, ny);
            if (sameColour(n, r, g, b)) continue;
            sum[0] += n.r, sum[1] += n.g, sum[2] += n.b, ++count;
        }
    if (count == 0) return Rgba{0, 0, 0, 0};
    return Rgba{uint8_t(sum[0] / count), uint8_t(sum[1] / count), uint8_t(sum[2] / count), 0};
}

// A frame as drawImage places it, for the collision test.
struct Placed {
    const ImageData& image;
    const Pixmap& pixels;
    float x, y, cosR, sinR, scaleX, scaleY;

    // Screen-space bounding box of the placed frame.
    void bounds(float& left, float& top, float& right, float& bottom) const {
        left = top = INFINITY;
        right = bottom = -INFINITY;
        for (float u : {-image.handleX, image.width - image.handleX})
            for (float v : {-image.handleY, image.height - image.handleY}) {
                float sx = x + u * cosR * scaleX - v * sinR * scaleY;
                float sy = y + u * sinR * scaleX + v * cosR * scaleY;
                left = std::min(left, sx), right = std::max(right, sx);
                top = std::min(top, sy), bottom = std::max(bottom, sy);
            }
    }

    // True when the screen point lies on a texel with alpha ≥ 128.
    bool solidAt(float px, float py) const {
        float dx = px - x, dy = py - y;
        float tx = (dx * cosR + dy * sinR) / scaleX + image.handleX;
        float ty = (dy * cosR - dx * sinR) / scaleY + image.handleY;
        if (!(tx >= 0 && ty >= 0 && tx < image.width && ty < image.height)) return false;
        return pixels.at(int(tx), int(ty)).a >= 128;
    }
};

bool hasTwoLevelAlpha(const Pixmap& pixels) {
    return std::all_of(pixels.pixels.begin(), pixels.pixels.end(),
                       [](const Rgba& p) { return p.a == 0 || p.a == 255; });
}

// The frame's pixels for a reader that needs them again later: they are kept from now on.
Pixmap& keptPixels(ImageData& image, ImageFrame& frame) {
    framePixels(image, frame);
    frame.keepPixels = true;
    return frame.pixels;
}

bool validFrame(const Image& image, int frame) {
    return image && frame >= 0 && frame < int(image->frames.size());
}

}  // namespace

ImageData::~ImageData() {
    for (ImageFrame& frame : frames) {
        releaseTexture(frame.texture);
        releaseTexture(frame.maskTexture);
    }
}

Image makeImage(int width, int height, int flags, std::vector<Pixmap> frames) {
    auto image = std::make_shared<ImageData>();
    image->width = width;
    image->height = height;
    image->flags = flags;
    for (Pixmap& pixels : frames) {
        image->frames.emplace_back();
        image->frames.back().twoLevelAlpha = hasTwoLevelAlpha(pixels);
        image->frames.back().pixels = std::move(pixels);
    }
    return image;
}

Image loadImage(const String& file, int flags) {
    return imageFromPicture(decodePictureFile(file), flags, PictureSource{file, nullptr});
}

// A picture embedded in another file keeps its bytes, far smaller than its pixels.
Image loadImage(const Stream& stream, int flags) {
    if (!stream) return nullptr;
    auto bytes = std::make_shared<const std::vector<uint8_t>>(readPictureBytes(stream));
    return imageFromPicture(decodePicture(*bytes), flags, PictureSource{{}, bytes});
}

// A pixel buffer is taken as it is: it carries its own alpha.
Image loadImage(const Pixmap& pixels, int flags) {
    return makeImage(pixels.width, pixels.height, normaliseFlags(flags), {pixels});
}

Image loadAnimImage(const String& file, int cellWidth, int cellHeight, int first, int count, int flags) {
    DecodedPicture picture = decodePictureFile(file);
    if (cellWidth <= 0 || cellHeight <= 0 || first < 0 || count <= 0) return nullptr;
    return imageFromPicture(picture, flags, PictureSource{file, nullptr, cellWidth, cellHeight, first}, count);
}

Image createImage(int width, int height, int frames, int flags) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    Pixmap blank{width, height, std::vector<Rgba>(size_t(width) * size_t(height))};
    return makeImage(width, height, normaliseFlags(flags) | IMAGE_DYNAMIC,
                     std::vector<Pixmap>(size_t(std::max(frames, 1)), blank));
}

int imageWidth(const Image& image) { return image ? image->width : 0; }
int imageHeight(const Image& image) { return image ? image->height : 0; }
int imageFrames(const Image& image) { return image ? int(image->frames.size()) : 0; }

void setImageHandle(const Image& image, float x, float y) {
    if (!image) return;
    image->handleX = x;
    image->handleY = y;
}

void midHandleImage(const Image& image) {
    if (image) setImageHandle(image, image->width * 0.5f, image->height * 0.5f);
}

void getImageHandle(const Image& image, float& x, float& y) {
    x = image ? image->handleX : 0;
    y = image ? image->handleY : 0;
}

const Pixmap& framePixels(ImageData& image, ImageFrame& frame) {
    if (frame.pixels.pixels.empty()) restorePixels(image);
    return frame.pixels;
}

void dropPixels(const ImageData& image, ImageFrame& frame) {
    if (!frame.keepPixels && image.source.exists()) frame.pixels = Pixmap{};
}

// For an image masked at load, the transparent pixels held the old mask colour, so the
// picture is rebuilt and masked again with the new one; its decoded source no longer matches.
void setMaskColor(const Image& image, int r, int g, int b) {
    if (!image) return;
    Rgba old = image->maskColor;
    image->maskColor = Rgba{uint8_t(r), uint8_t(g), uint8_t(b), 255};
    if (!image->maskedOnLoad) return;
    for (ImageFrame& frame : image->frames) {
        keptPixels(*image, frame);
        for (Rgba& p : frame.pixels.pixels) p = p.a == 0 ? old : Rgba{p.r, p.g, p.b, 255};
        frame.pixels = *maskPixmap(frame.pixels, r, g, b);
        frame.twoLevelAlpha = hasTwoLevelAlpha(frame.pixels);
        frame.textureStale = frame.maskStale = true;
    }
}

int imagesCollide(const Image& image1, int x1, int y1, int frame1, const Image& image2, int x2, int y2,
                  int frame2) {
    if (!validFrame(image1, frame1) || !validFrame(image2, frame2)) return 0;
    float sx, sy;
    getScale(sx, sy);
    if (sx == 0 || sy == 0) return 0;
    float radians = getRotation() * (std::numbers::pi_v<float> / 180);
    float c = std::cos(radians), s = std::sin(radians);
    Placed a{*image1, keptPixels(*image1, image1->frames[size_t(frame1)]), float(x1), float(y1), c, s, sx, sy};
    Placed b{*image2, keptPixels(*image2, image2->frames[size_t(frame2)]), float(x2), float(y2), c, s, sx, sy};
    float l1, t1, r1, b1, l2, t2, r2, b2;
    a.bounds(l1, t1, r1, b1);
    b.bounds(l2, t2, r2, b2);
    int left = int(std::floor(std::max(l1, l2))), right = int(std::ceil(std::min(r1, r2)));
    int top = int(std::floor(std::max(t1, t2))), bottom = int(std::ceil(std::min(b1, b2)));
    for (int py = top; py < bottom; ++py)
        for (int px = left; px < right; ++px)
            if (a.solidAt(px + 0.5f, py + 0.5f) && b.solidAt(px + 0.5f, py + 0.5f)) return 1;
    return 0;
}

Pixmap* lockImage(const Image& image, int frame, bool, bool) {
    if (!validFrame(image, frame)) return nullptr;
    ImageFrame& target = image->frames[size_t(frame)];
    keptPixels(*image, target);
    // The caller may write while it holds the pixels, so the textures are rebuilt on the next draw
    // and masks are cut out again.
    target.textureStale = target.maskStale = true;
    target.twoLevelAlpha = false;
    return &target.pixels;
}

void unlockImage(const Image&, int) {}

PixmapPtr maskPixmap(const Pixmap& pixmap, int r, int g, int b) {
    auto result = std::make_shared<Pixmap>(pixmap);
    for (int y = 0; y < pixmap.height; ++y)
        for (int x = 0; x < pixmap.width; ++x) {
            const Rgba& p = pixmap.at(x, y);
            result->at(x, y) = sameColour(p, r, g, b) ? neighbourAverage(pixmap, x, y, r, g, b)
                                                       : Rgba{p.r, p.g, p.b, 255};
        }
    return result;
}

// Copies the part of the source that lies inside the destination, replacing pixels.
void pastePixmap(Pixmap& destination, const Pixmap& source, int x, int y) {
    int left = std::max(0, -x), right = std::min(source.width, destination.width - x);
    for (int row = std::max(0, -y); row < std::min(source.height, destination.height - y); ++row)
        if (left < right) std::copy(&source.at(left, row), &source.at(left, row) + (right - left),
                                    &destination.at(x + left, y + row));
}
