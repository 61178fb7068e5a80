// The board, item, interface and effect pictures read back through the game's own
// image loading, with the geometry the drawing code relies on: sizes, frame
// strips, and items and cells centred on the 48-pixel raster.
#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "platform/headless_fixture.h"

namespace {

class GamePictures : public HeadlessDisplay {
protected:
    static Image load(const std::string& file) { return loadImage(toString16(file), 0); }

    // Bounding box of the pixels with alpha above 16.
    struct Box {
        int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
    };
    static Box inkBox(const Image& image, int frame = 0) {
        Box box;
        const Pixmap* pixels = lockImage(image, frame, true, false);
        for (int y = 0; y < pixels->height; ++y) {
            for (int x = 0; x < pixels->width; ++x) {
                if (pixels->at(x, y).a <= 16) continue;
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x), std::max(box.bottom, y)};
            }
        }
        unlockImage(image, frame);
        return box;
    }
    static bool fullyOpaque(const Image& image) {
        const Pixmap* pixels = lockImage(image, 0, true, false);
        bool opaque = true;
        for (const Rgba& p : pixels->pixels) opaque = opaque && p.a == 255;
        unlockImage(image, 0);
        return opaque;
    }
    static void expectSize(const std::string& file, int width, int height) {
        const Image image = load(file);
        ASSERT_TRUE(image) << file;
        EXPECT_EQ(imageWidth(image), width) << file;
        EXPECT_EQ(imageHeight(image), height) << file;
    }
    static void expectStrip(const std::string& file, int width, int height, int frames) {
        const Image strip = loadAnimImage(toString16(file), width, height, 0, frames, 0);
        ASSERT_TRUE(strip) << file;
        EXPECT_EQ(imageFrames(strip), frames) << file;
        for (int frame = 0; frame < frames; ++frame) EXPECT_GE(inkBox(strip, frame).right, 0) << file << " " << frame;
    }
};

TEST_F(GamePictures, CellPicturesCoverOneRasterCell) {
    for (const char* name : {"cell", "cellmask", "cellmark", "moss"})
        expectSize(std::string("data/match3/") + name + ".png", 48, 48);
    // The mask takes every point of a cell for the pointer test; moss is drawn solid when opaque.
    EXPECT_TRUE(fullyOpaque(load("data/match3/cellmask.png")));
    EXPECT_TRUE(fullyOpaque(load("data/match3/moss.png")));
}

TEST_F(GamePictures, ItemsSitCentredInsideTheirCell) {
    for (int type = 1; type <= 18; ++type) {
        const std::string file = "data/match3/item1-" + std::to_string(type) + ".png";
        const Image item = load(file);
        ASSERT_TRUE(item) << file;
        ASSERT_EQ(imageWidth(item), 48) << file;
        ASSERT_EQ(imageHeight(item), 48) << file;
        const Box ink = inkBox(item);
        EXPECT_GE(ink.left, 1) << file;
        EXPECT_GE(ink.top, 1) << file;
        EXPECT_LE(ink.right, 46) << file;
        EXPECT_LE(ink.bottom, 46) << file;
        EXPECT_LE(std::abs(ink.left - (47 - ink.right)), 6) << file;  // horizontally centred
        EXPECT_LE(std::abs(ink.top - (47 - ink.bottom)), 6) << file;  // vertically centred
        if (type <= 5) {
            EXPECT_GE(std::max(ink.right - ink.left, ink.bottom - ink.top) + 1, 38)
                << file << ": gems fill most of the cell";
        }
    }
}

TEST_F(GamePictures, FramePiecesStripsAndArrowsLoad) {
    for (int piece = 1; piece <= 24; ++piece) {
        const Image image = load("data/match3/border" + std::to_string(piece) + ".png");
        ASSERT_TRUE(image) << piece;
        EXPECT_LE(imageWidth(image), 84) << piece;  // a cell and its band on both sides at most
        EXPECT_LE(imageHeight(image), 84) << piece;
    }
    for (int cells = 1; cells <= 11; ++cells)
        expectSize("data/match3/cellrow" + std::to_string(cells) + ".png", 48, 48 * cells);
    for (int direction = 1; direction <= 4; ++direction)
        expectSize("data/match3/arrow" + std::to_string(direction) + ".png", 28, 28);
}

TEST_F(GamePictures, AnimationStripsCutIntoTheirFrames) {
    expectStrip("data/effects/impact.png", 128, 128, 16);
    expectStrip("data/effects/holowobbel.png", 128, 128, 32);
    expectStrip("data/match3/ast.png", 50, 56, 16);
}

TEST_F(GamePictures, InterfacePicturesFitTheScreen) {
    expectSize("data/match3/m3uiup.png", 1024, 88);
    expectSize("data/match3/m3uilongbar.png", 1024, 24);
    for (const char* file : {"data/match3/victory.png", "data/texts/gameon.png"}) {
        const Image image = load(file);
        ASSERT_TRUE(image) << file;
        EXPECT_LE(imageWidth(image), 1024) << file;
        EXPECT_LE(imageHeight(image), 768) << file;
    }
}

// A point on the screen where the game draws something centred.
struct At {
    int x, y;
};

// The screen area a picture covers.
struct Area {
    int left, top, right, bottom;
    bool holds(const Area& inner) const {
        return inner.left >= left && inner.right <= right && inner.top >= top && inner.bottom <= bottom;
    }
};

class DialogLayout : public GamePictures {
protected:
    // Where a centred picture lies when drawn at (x, y), scaled horizontally by `scaleX`.
    static Area placed(const std::string& picture, int x, int y, float scaleX = 1) {
        const Image image = load("data/ui/" + picture + ".png");
        EXPECT_TRUE(image) << picture;
        const int w = int(float(imageWidth(image)) * scaleX), h = imageHeight(image);
        return {x - w / 2, y - h / 2, x - w / 2 + w, y - h / 2 + h};
    }
    static Area frame(const char* size) { return placed(std::string("popup") + size, 512, 384); }
    static Area button(int x, int y) { return placed("buttons/button_glas", x, y); }
    static Area closeButton(int x, int y) { return placed("buttons/button_close", x, y); }
};

TEST_F(DialogLayout, SmallFrameHoldsItsQuestionsAndTheInGameMenu) {
    const Area small = frame("small");
    const Area close = closeButton(707, 272);
    EXPECT_TRUE(small.holds(close));
    EXPECT_LE(small.right - 707, 70) << "the close button sits at the top-right corner";
    EXPECT_LE(272 - small.top, 50) << "the close button sits at the top-right corner";
    constexpr At kButtons[] = {{407, 484}, {617, 484}, {412, 484}, {612, 484},
                               {417, 374}, {607, 374}, {417, 454}, {607, 454}};
    for (const At& at : kButtons) EXPECT_TRUE(small.holds(button(at.x, at.y))) << at.x << "," << at.y;
    EXPECT_LT(button(417, 374).right, button(607, 374).left) << "menu buttons side by side stay apart";
    EXPECT_LT(button(417, 374).bottom, button(417, 454).top) << "menu buttons above each other stay apart";
}

TEST_F(DialogLayout, MediumFrameHoldsTheSummaryChampionsAndLevelPreview) {
    const Area medium = frame("medium");
    EXPECT_TRUE(medium.holds(closeButton(707, medium.top + 40)));
    EXPECT_LE(medium.right - 707, 70);
    EXPECT_TRUE(medium.holds(button(512, 540)));  // the summary's "ok"
    EXPECT_TRUE(medium.holds(button(512, 554)));  // the preview's "play"
    EXPECT_LT(medium.top + 20, 274 - 30) << "the title stands above the first summary line";
    EXPECT_TRUE(medium.holds(placed("scores", 512, 432)));
    // The half-size board (columns 2..20, rows 2..13 of 24 px, frame band 9 px) from (250, top + 40).
    const Area board{250 + 2 * 24 - 12 - 9, medium.top + 40 + 2 * 24 - 12 - 9, 250 + 20 * 24 + 12 + 9,
                     medium.top + 40 + 13 * 24 + 12 + 9};
    EXPECT_TRUE(medium.holds(board));
    EXPECT_LE(board.bottom, button(512, 554).top) << "the largest board ends above the play button";
}

TEST_F(DialogLayout, BigFrameHoldsOptionsHelpPagesAndThePlayerList) {
    const Area big = frame("big");
    constexpr At kButtons[] = {{362, 594}, {662, 594}, {412, 484}, {612, 484}, {512, 586}, {312, 610},
                               {512, 610}, {712, 610}, {323, 584}, {512, 584}, {701, 584}};
    for (const At& at : kButtons) EXPECT_TRUE(big.holds(button(at.x, at.y))) << at.x << "," << at.y;
    EXPECT_LT(button(312, 610).right, button(512, 610).left) << "help page buttons stay apart";
    EXPECT_LT(button(323, 584).right, button(512, 584).left) << "player list buttons stay apart";
    constexpr At kBoards[] = {{212, 270}, {812, 270}, {212, 465}, {812, 465}, {312, 399}, {712, 399}};
    for (const At& at : kBoards)
        EXPECT_TRUE(big.holds(placed("niner", at.x, at.y))) << "help board at " << at.x << "," << at.y;
    EXPECT_TRUE(big.holds(placed("playermenu", 512, 384, 1.1f))) << "the options' paper panel";
    EXPECT_LT(placed("playermenu", 512, 364).bottom, button(512, 584).top) << "the player list above its buttons";
}

TEST_F(GamePictures, DialogPicturesLoadCentredOnTheScreen) {
    expectSize("data/ui/popupshadow.png", 1024, 768);
    // The tooltip frame holds one line of text, 10 px below its top edge.
    const Image mini = load("data/ui/popupmini.png");
    ASSERT_TRUE(mini);
    EXPECT_GE(imageHeight(mini), 36);
    // clang-format off
    const char* const kPictures[] = {
        "popupmini", "playermenu", "bar", "scores", "uitopfull", "optionstrack", "line", "bnmove2", "cb", "h",
        "coll", "coll2", "coll3", "niner", "helptileexpl", "helpstoneexpl", "helparrow", "buttons/button_glas",
        "buttons/button_holo", "buttons/next", "buttons/previous", "buttons/button_close", "buttons/button_closehover",
        "buttons/01_holo", "buttons/02_holo", "buttons/03_holo"};
    // clang-format on
    for (const char* file : kPictures) EXPECT_TRUE(load(std::string("data/ui/") + file + ".png")) << file;
    for (const char* file : {"waypoint-aktiv", "waypoint-inaktiv", "stage-waypoint-aktiv", "stage-waypoint-inaktiv"})
        EXPECT_TRUE(load(std::string("data/roadmap/") + file + ".png")) << file;
    // The pointer test needs every pixel of the collision pictures.
    EXPECT_TRUE(fullyOpaque(load("data/ui/coll.png")));
    EXPECT_TRUE(fullyOpaque(load("data/ui/coll3.png")));
}

TEST_F(GamePictures, PowerUpButtonsAndScreenBarsHaveTheirSizes) {
    // The four pictures of a power-up are centred on one button and fit its 100-pixel hover box.
    for (const char* kind : {"removeline", "removesameitems", "replaceallitems", "throwexplosive"}) {
        for (const char* picture : {"background", "ready", "disabled", "lock"})
            expectSize(std::string("data/powerups/") + kind + "/" + picture + ".png", 96, 96);
    }
    for (const char* bar : {"loadbar", "loadfill", "menuborderup", "menuborderdown"}) {
        const Image image = load(std::string("data/ui/") + bar + ".png");
        ASSERT_TRUE(image) << bar;
        EXPECT_EQ(imageWidth(image), 1024) << bar;
    }
    for (const char* file :
         {"data/ui/scoresbar.png", "data/ui/createplayer.png", "data/match3/menu.png", "data/match3/menuhover.png"})
        EXPECT_TRUE(load(file)) << file;
}

TEST_F(GamePictures, BackgroundsStoryPagesAndTheRoadmapFillTheScreen) {
    std::vector<std::string> files{"bg/loadbg.jpg", "bg/menubg.jpg", "roadmap/roadmap.png"};
    for (int chapter = 1; chapter <= 8; ++chapter) files.push_back("bg/bg" + std::to_string(chapter) + ".jpg");
    for (int page = 1; page <= 11; ++page) files.push_back("story/story" + std::to_string(page) + ".jpg");
    for (const std::string& name : files) expectSize("data/" + name, 1024, 768);
    EXPECT_FALSE(load("data/story/story12.jpg")) << "the story has eleven pages";
}

TEST_F(GamePictures, EffectPicturesAreNotEmpty) {
    std::vector<std::string> files{"bombflare", "glowstar", "logoglow", "rays2"};
    for (int n = 1; n <= 9; ++n) {
        for (const char* prefix : {"glb", "glo", "dirt"}) files.push_back(prefix + std::to_string(n));
    }
    for (int n = 1; n <= 5; ++n) files.push_back("asts" + std::to_string(n));
    for (const std::string& name : files) {
        const Image image = load("data/effects/" + name + ".png");
        ASSERT_TRUE(image) << name;
        EXPECT_GE(inkBox(image).right, 0) << name;
    }
}

}  // namespace
