// Composing the still part of a frame: frames drawn through the composer give the same pixels
// as the straightforward path while parts stand still, move, change their pictures between
// and within frames, lose their pictures while held back, change the viewport, and are scaled.
#include <cstdlib>
#include <functional>

#include "platform/headless_fixture.h"

using headless::solidImage;

namespace {

// A picture with a gradient and soft alpha, so blending and filtering show.
Image softImage(int width, int height, int seed) {
    Pixmap pixels = headless::solidPixmap(width, height, Rgba{0, 0, 0, 0});
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.at(x, y) = Rgba{uint8_t(x * 255 / width), uint8_t(y * 255 / height), uint8_t(seed * 40),
                                   uint8_t((x + y + seed) * 255 / (width + height))};
    return loadImage(pixels, IMAGE_FILTERED);
}

// The pictures of one scene, made anew for each path so neither shares textures.
struct Scene {
    Image background = solidImage(1024, 768, Rgba{30, 60, 90, 255});
    Image board = softImage(300, 200, 1);
    Image sprite = softImage(48, 48, 2);
    Image glow = softImage(32, 32, 3);
};

// Frame n: a background and a board that stand still for a while, then fade; sprites of
// which one moves; a clipped row; a light and a shaded copy; scaled copies.
void drawFrame(Scene& scene, int n) {
    cls();
    setBlend(BLEND_SOLID);
    drawImage(scene.background, 0, 0, 0);
    setBlend(BLEND_ALPHA);
    setAlpha(n < 6 ? 1.0f : 0.5f);
    drawImage(scene.board, 100, 100, 0);
    setAlpha(1);
    for (int i = 0; i < 5; ++i) drawImage(scene.sprite, float(120 + 50 * i), 150, 0);
    drawImage(scene.sprite, float(120 + 7 * (n / 3)), 260, 0);
    setViewport(400, 0, 100, 768);
    for (int i = 0; i < 4; ++i) drawImage(scene.glow, float(380 + 30 * i), 400, 0);
    setViewport(0, 0, 1024, 768);
    setBlend(BLEND_LIGHT);
    drawImage(scene.glow, 600, 500, 0);
    setBlend(BLEND_SHADE);
    setScale(1.5f, 1.5f);
    drawImage(scene.glow, 700, 500, 0);
    setBlend(BLEND_ALPHA);
    // Scaled glows: inside, across the viewport's edge, across the screen's edge, mirrored.
    setScale(0.6f + 0.3f * float(n % 3), 1.3f);
    drawImage(scene.glow, 300, 600, 0);
    setViewport(0, 0, 320, 768);
    drawImage(scene.glow, 310, 650, 0);
    setViewport(0, 0, 1024, 768);
    drawImage(scene.glow, 1010, 700, 0);
    setScale(-0.8f, 0.8f);
    drawImage(scene.glow, 200, 700, 0);
    setScale(1, 1);
}

// The back buffer after each of `frames` frames, composed or straightforward.
std::vector<Pixmap> run(bool composed, int frames, const std::function<void(Scene&, int)>& frame) {
    if (composed)
        unsetenv("PENDREL_PLAIN_DRAWING");
    else
        setenv("PENDREL_PLAIN_DRAWING", "1", 1);
    bool opened = openDisplay(1024, 768, 0, 60, 0);
    unsetenv("PENDREL_PLAIN_DRAWING");
    std::vector<Pixmap> shots;
    if (!opened) return shots;
    Scene scene;
    for (int n = 0; n < frames; ++n) {
        frame(scene, n);
        shots.push_back(grabBackBuffer());
        flip(0);
    }
    return shots;
}

::testing::AssertionResult samePixels(const std::vector<Pixmap>& composed, const std::vector<Pixmap>& plain) {
    if (composed.size() != plain.size() || composed.empty()) return ::testing::AssertionFailure() << "no frames";
    for (size_t n = 0; n < plain.size(); ++n) {
        if (composed[n].pixels == plain[n].pixels) continue;
        for (size_t i = 0; i < plain[n].pixels.size(); ++i) {
            const Rgba& a = composed[n].pixels[i];
            const Rgba& b = plain[n].pixels[i];
            if (a == b) continue;
            return ::testing::AssertionFailure()
                   << "frame " << n << " pixel (" << i % 1024 << ", " << i / 1024 << "): composed (" << int(a.r) << ", "
                   << int(a.g) << ", " << int(a.b) << "), plain (" << int(b.r) << ", " << int(b.g) << ", " << int(b.b)
                   << ")";
        }
    }
    return ::testing::AssertionSuccess();
}

void expectSameAsPlain(int frames, const std::function<void(Scene&, int)>& frame) {
    EXPECT_TRUE(samePixels(run(true, frames, frame), run(false, frames, frame)));
}

}  // namespace

using FrameComposing = HeadlessDisplay;

TEST_F(FrameComposing, StillMovingAndFadingPartsDrawAsThePlainPath) {
    expectSameAsPlain(10, drawFrame);
    // A frame drawn again without a clear keeps what the frame before left.
    expectSameAsPlain(4, [](Scene& scene, int n) {
        if (n % 2 == 0)
            drawFrame(scene, 0);
        else
            drawImage(scene.sprite, 500, 600, 0);
    });
    // A second clear within a frame starts it afresh.
    expectSameAsPlain(4, [](Scene& scene, int n) {
        drawFrame(scene, n);
        drawFrame(scene, 2);
    });
}

TEST_F(FrameComposing, PicturesChangedBetweenAndWithinFramesShowAsChanged) {
    auto repaint = [](Scene& scene, uint8_t red) {
        for (Rgba& p : lockImage(scene.board, 0, false, true)->pixels) p.r = red;
        unlockImage(scene.board, 0);
    };
    // The board changes after three still frames, once the layer holds it.
    expectSameAsPlain(6, [&](Scene& scene, int n) {
        if (n == 3) repaint(scene, 200);
        drawFrame(scene, 0);
    });
    // Drawn, changed and drawn again within a frame that so far repeats the one before: the
    // first copy keeps the old pixels.
    expectSameAsPlain(4, [&](Scene& scene, int n) {
        drawFrame(scene, 0);
        if (n != 1) return;  // the first frame that repeats, before any layer is made
        repaint(scene, 250);
        drawImage(scene.board, 500, 300, 0);
    });
}

// Released in the first frame that repeats the one before, before any layer holds its copy.
TEST_F(FrameComposing, APictureReleasedWhileItsCopyWaitsIsDrawnFirst) {
    std::vector<Pixmap> shots = run(true, 3, [](Scene& scene, int n) {
        cls();
        setBlend(BLEND_SOLID);
        drawImage(scene.background, 0, 0, 0);
        drawImage(scene.sprite, 10, 10, 0);
        if (n == 1) scene.sprite = solidImage(48, 48, Rgba{250, 20, 20, 255});
    });
    ASSERT_EQ(shots.size(), 3u);
    EXPECT_EQ(shots[1].pixels, shots[0].pixels);
    EXPECT_TRUE(headless::nearColour(shots[2].at(20, 20), 250, 20, 20, 0));
    EXPECT_TRUE(headless::nearColour(shots[2].at(100, 100), 30, 60, 90, 0));
}
