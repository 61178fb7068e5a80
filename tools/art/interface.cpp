// Shared interface pictures: dialog frames and the shade behind them, buttons,
// check box and tick, slider track and knob, pointer collision pictures, the
// player list panel and bar, the score table, the help board and its pictures,
// holo emblems and roadmap waypoints. Frames carry no words: the game writes them.
#include <algorithm>
#include <cmath>
#include <string>

#include "frame.h"
#include "pictures/canvas.h"
#include "pictures/gems.h"
#include "pictures/paint.h"
#include "roadmap.h"
#include "sets.h"

namespace art {

using pictures::Canvas;
using pictures::Colour;
using pictures::Pattern;
using pictures::Point;
namespace palette = pictures::palette;

namespace {

constexpr Colour kHolo{0.55, 0.90, 1.00};

// A glass panel filling the picture with a margin for its gold trim and soft edge.
tools::RgbaImage panel(int width, int height, double radius) {
    Canvas canvas(width, height);
    pictures::paintGlassPanel(canvas.cr(), 4, 4, width - 8, height - 8, radius);
    return canvas.pixels();
}

tools::RgbaImage solid(int width, int height, Colour colour, double alpha) {
    Canvas canvas(width, height);
    cairo_rectangle(canvas.cr(), 0, 0, width, height);
    pictures::setColour(canvas.cr(), colour, alpha);
    cairo_fill(canvas.cr());
    return canvas.pixels();
}

// A pill-shaped glass face filling (x, y, width, height); `body` tints the glass, `lit` brightens it.
void paintButtonFace(cairo_t* cr, double x, double y, double width, double height, Colour body, double lit) {
    pictures::roundedRect(cr, x, y, width, height, height / 2.0);
    Pattern fill(cairo_pattern_create_linear(0, y, 0, y + height));
    pictures::addStop(fill.get(), 0.0, pictures::mix(body, palette::cream, 0.35 + lit), 0.95);
    pictures::addStop(fill.get(), 0.5, body, 0.92);
    pictures::addStop(fill.get(), 1.0, pictures::mix(body, palette::skyTop, 0.5), 0.95);
    cairo_set_source(cr, fill.get());
    cairo_fill_preserve(cr);
    Pattern gold = pictures::goldGradient(0, y, 0, y + height);
    cairo_set_source(cr, gold.get());
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    pictures::roundedRect(cr, x + 7, y + 3, width - 14, height / 2.0 - 3, (height / 2.0 - 3) / 2.0);
    pictures::setColour(cr, palette::cream, 0.18);  // gloss
    cairo_fill(cr);
}

// The glass bar behind the selected row of the player list.
tools::RgbaImage rowBar(int width, int height) {
    Canvas canvas(width, height);
    paintButtonFace(canvas.cr(), 3, 3, width - 6, height - 6, palette::goldDeep, 0.1);
    return canvas.pixels();
}

// A text button. The game writes the caption 22 px above the picture's centre, top-aligned,
// so the caption's letters sit about 12 px above the centre: the face is raised to match,
// and the picture's lower part holds only the face's soft shadow.
tools::RgbaImage captionButton(Colour body) {
    constexpr int kWidth = 168, kHeight = 64, kFaceTop = 2, kFaceHeight = 36;
    Canvas canvas(kWidth, kHeight);
    cairo_t* cr = canvas.cr();
    pictures::roundedRect(cr, 8, kFaceTop + 6, kWidth - 16, kFaceHeight, kFaceHeight / 2.0);
    cairo_set_source_rgba(cr, 0.02, 0.01, 0.04, 0.35);
    cairo_fill(cr);
    paintButtonFace(cr, 3, kFaceTop, kWidth - 6, kFaceHeight, body, 0.0);
    return canvas.pixels();
}

// A round red button with a cream cross: the close button; `lit` brightens it for hover.
tools::RgbaImage closeButton(int size, double lit) {
    Canvas canvas(size, size);
    cairo_t* cr = canvas.cr();
    const double c = size / 2.0, r = c - 3;
    cairo_arc(cr, c, c, r, 0, 2 * M_PI);
    Pattern body(cairo_pattern_create_radial(c - r * 0.4, c - r * 0.4, 1, c, c, r));
    pictures::addStop(body.get(), 0.0, pictures::mix(palette::ruby.light, palette::cream, lit));
    pictures::addStop(body.get(), 1.0, palette::ruby.dark);
    cairo_set_source(cr, body.get());
    cairo_fill_preserve(cr);
    Pattern gold = pictures::goldGradient(0, 0, 0, size);
    cairo_set_source(cr, gold.get());
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    pictures::setColour(cr, palette::cream);
    cairo_set_line_width(cr, size * 0.1);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    const double a = r * 0.4;
    cairo_move_to(cr, c - a, c - a);
    cairo_line_to(cr, c + a, c + a);
    cairo_move_to(cr, c + a, c - a);
    cairo_line_to(cr, c - a, c + a);
    cairo_stroke(cr);
    return canvas.pixels();
}

tools::RgbaImage arrowButton(bool forward) {
    Canvas canvas(64, 64);
    cairo_t* cr = canvas.cr();
    cairo_arc(cr, 32, 32, 28, 0, 2 * M_PI);
    pictures::setColour(cr, palette::panel, 0.85);
    cairo_fill_preserve(cr);
    Pattern gold = pictures::goldGradient(0, 4, 0, 60);
    cairo_set_source(cr, gold.get());
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    const double s = forward ? 1 : -1;
    pictures::polygon(cr, {{32 + s * 14, 32}, {32 - s * 8, 18}, {32 - s * 8, 46}});
    cairo_set_source(cr, gold.get());
    cairo_fill(cr);
    return canvas.pixels();
}

tools::RgbaImage checkbox(bool tick) {
    Canvas canvas(32, 32);
    cairo_t* cr = canvas.cr();
    if (tick) {
        cairo_move_to(cr, 7, 16);
        cairo_line_to(cr, 14, 24);
        cairo_line_to(cr, 27, 6);
        pictures::setColour(cr, palette::emerald.light);
        cairo_set_line_width(cr, 5);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
    } else {
        pictures::roundedRect(cr, 4, 4, 24, 24, 5);
        pictures::setColour(cr, palette::panel, 0.9);
        cairo_fill_preserve(cr);
        Pattern gold = pictures::goldGradient(0, 4, 0, 28);
        cairo_set_source(cr, gold.get());
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    return canvas.pixels();
}

tools::RgbaImage knob() {
    Canvas canvas(28, 28);
    cairo_arc(canvas.cr(), 14, 14, 11, 0, 2 * M_PI);
    Pattern gold = pictures::goldGradient(0, 3, 0, 25);
    cairo_set_source(canvas.cr(), gold.get());
    cairo_fill_preserve(canvas.cr());
    pictures::setColour(canvas.cr(), palette::outline);
    cairo_set_line_width(canvas.cr(), 1.5);
    cairo_stroke(canvas.cr());
    return canvas.pixels();
}

tools::RgbaImage track(int width, int height) {
    Canvas canvas(width, height);
    pictures::roundedRect(canvas.cr(), 2, 2, width - 4, height - 4, (height - 4) / 2.0);
    pictures::setColour(canvas.cr(), palette::skyTop, 0.9);
    cairo_fill_preserve(canvas.cr());
    Pattern gold = pictures::goldGradient(0, 2, 0, height - 2);
    cairo_set_source(canvas.cr(), gold.get());
    cairo_set_line_width(canvas.cr(), 1.5);
    cairo_stroke(canvas.cr());
    return canvas.pixels();
}

// The help board: a 3x3 patch of board with its frame, as the help pages show it.
tools::RgbaImage helpBoard() {
    Canvas canvas(144 + 2 * kBand, 144 + 2 * kBand);
    cairo_t* cr = canvas.cr();
    pictures::roundedRect(cr, 3, 3, 144 + 2 * kBand - 6, 144 + 2 * kBand - 6, 12);
    Pattern gold = pictures::goldGradient(0, 0, 0, 144 + 2 * kBand);
    cairo_set_source(cr, gold.get());
    cairo_set_line_width(cr, 8);
    cairo_stroke(cr);
    tools::RgbaImage image = canvas.pixels();
    const tools::RgbaImage tiles = columnStrip(3);
    for (int column = 0; column < 3; ++column) {
        for (int y = 0; y < tiles.height; ++y) {
            const size_t from = size_t(y) * size_t(tiles.width) * 4;
            const size_t to = (size_t(y + kBand) * size_t(image.width) + size_t(kBand + column * kCell)) * 4;
            std::copy_n(&tiles.pixels[from], size_t(tiles.width) * 4, &image.pixels[to]);
        }
    }
    return image;
}

// Explanation pictures for the help pages: a glowing burst around a cell.
tools::RgbaImage helpBurst(Colour colour) {
    Canvas canvas(144, 144);
    pictures::paintGlow(canvas.cr(), {72, 72}, 70, colour, 0.55);
    pictures::paintSparkle(canvas.cr(), {72, 72}, 26);
    return canvas.pixels();
}

tools::RgbaImage helpArrow() {
    Canvas canvas(64, 40);
    cairo_t* cr = canvas.cr();
    pictures::polygon(cr, {{60, 20}, {38, 4}, {38, 13}, {4, 13}, {4, 27}, {38, 27}, {38, 36}});
    Pattern gold = pictures::goldGradient(0, 4, 0, 36);
    cairo_set_source(cr, gold.get());
    cairo_fill_preserve(cr);
    pictures::setColour(cr, palette::outline);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    return canvas.pixels();
}

// Holo emblem layers: a backing disc, a ring and a gem, drawn over one another.
tools::RgbaImage holoLayer(int layer) {
    Canvas canvas(128, 128);
    cairo_t* cr = canvas.cr();
    if (layer == 0) {
        pictures::paintGlow(cr, {64, 64}, 60, kHolo, 0.45);
    } else if (layer == 1) {
        cairo_arc(cr, 64, 64, 44, 0, 2 * M_PI);
        pictures::setColour(cr, kHolo, 0.8);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    } else {
        pictures::paintHeartGem(cr, {64, 64}, 26);
    }
    return canvas.pixels();
}

}  // namespace

void writeInterfacePictures(const std::filesystem::path& out) {
    const std::filesystem::path ui = out / "data/ui", buttons = ui / "buttons";
    // Frames are drawn centred on the screen; the dialogs place their close button 40 px below
    // the top edge at x 707, near the top-right corner of the small and medium frames.
    tools::writePng(ui / "popupbig.png", panel(820, 560, 28));     // help boards reach x 122..902, buttons y 636
    tools::writePng(ui / "popupmedium.png", panel(500, 480, 26));  // level preview board, win summary button y 566
    tools::writePng(ui / "popupsmall.png", panel(500, 304, 24));   // close at (707, 272), buttons down to y 510
    tools::writePng(ui / "popupmini.png", panel(240, 40, 14));     // tooltip: one line of text from y + 10
    tools::writePng(ui / "popupshadow.png", solid(1024, 768, palette::skyTop, 0.55));
    tools::writePng(ui / "playermenu.png", panel(600, 360, 22));  // at (512, 364), clear of the buttons at y 584
    tools::writePng(ui / "bar.png", rowBar(520, 24));
    tools::writePng(ui / "scores.png", panel(440, 340, 18));  // at (512, 432) inside the medium frame
    tools::writePng(ui / "uitopfull.png", panel(1024, 88, 18));
    tools::writePng(ui / "optionstrack.png", track(300, 20));
    tools::writePng(ui / "line.png", track(400, 6));
    tools::writePng(ui / "bnmove2.png", knob());
    tools::writePng(ui / "cb.png", checkbox(false));
    tools::writePng(ui / "h.png", checkbox(true));
    tools::writePng(ui / "coll.png", solid(4, 4, palette::cream, 1.0));
    tools::writePng(ui / "coll2.png", solid(8, 8, palette::cream, 1.0));
    tools::writePng(ui / "coll3.png", solid(4, 4, palette::cream, 1.0));
    tools::writePng(ui / "niner.png", helpBoard());
    tools::writePng(ui / "helptileexpl.png", helpBurst(palette::glow));
    tools::writePng(ui / "helpstoneexpl.png", helpBurst({0.85, 0.84, 0.82}));
    tools::writePng(ui / "helparrow.png", helpArrow());
    tools::writePng(buttons / "button_glas.png", captionButton(palette::panel));
    tools::writePng(buttons / "button_holo.png", captionButton({0.10, 0.36, 0.46}));
    tools::writePng(buttons / "next.png", arrowButton(true));
    tools::writePng(buttons / "previous.png", arrowButton(false));
    tools::writePng(buttons / "button_close.png", closeButton(44, 0.0));
    tools::writePng(buttons / "button_closehover.png", closeButton(44, 0.5));
    for (int layer = 0; layer < 3; ++layer)
        tools::writePng(buttons / ("0" + std::to_string(layer + 1) + "_holo.png"), holoLayer(layer));
    const std::filesystem::path roadmap = out / "data/roadmap";
    tools::writePng(roadmap / "waypoint-aktiv.png", waypointPicture(28, true, false));
    tools::writePng(roadmap / "waypoint-inaktiv.png", waypointPicture(28, false, false));
    tools::writePng(roadmap / "stage-waypoint-aktiv.png", waypointPicture(44, true, true));
    tools::writePng(roadmap / "stage-waypoint-inaktiv.png", waypointPicture(44, false, true));
}

}  // namespace art
