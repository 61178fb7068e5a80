// The lantern emblem, drawn in a 100-unit-tall frame centred on the origin
// (y from -50 at the top of the ring to +50 at the foot) and scaled to size.
#include "emblem.h"

#include <cmath>

#include "gems.h"

namespace pictures {

namespace {

void fillGold(cairo_t* cr, double top, double bottom) {
    Pattern gold = goldGradient(-20, top, 10, bottom);
    cairo_set_source(cr, gold.get());
    cairo_fill_preserve(cr);
    setColour(cr, palette::outline);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
}

void ringAndCap(cairo_t* cr) {
    cairo_new_path(cr);
    cairo_arc(cr, 0, -42, 6.5, 0, 2 * M_PI);
    cairo_set_line_width(cr, 5.0);
    setColour(cr, palette::outline);
    cairo_stroke_preserve(cr);
    Pattern gold = goldGradient(-6, -49, 2, -35);
    cairo_set_source(cr, gold.get());
    cairo_set_line_width(cr, 2.6);
    cairo_stroke(cr);

    // A domed roof from the finial down to the eaves.
    cairo_move_to(cr, -5, -36);
    cairo_line_to(cr, 5, -36);
    cairo_curve_to(cr, 12, -33, 24, -31, 29, -26);
    cairo_line_to(cr, -29, -26);
    cairo_curve_to(cr, -24, -31, -12, -33, -5, -36);
    cairo_close_path(cr);
    fillGold(cr, -37, -26);
    roundedRect(cr, -31, -27, 62, 6, 2.5);
    fillGold(cr, -27, -21);
}

void glassPath(cairo_t* cr) {
    cairo_move_to(cr, -23, -21);
    cairo_line_to(cr, 23, -21);
    cairo_curve_to(cr, 29, -8, 29, 12, 21, 27);
    cairo_line_to(cr, -21, 27);
    cairo_curve_to(cr, -29, 12, -29, -8, -23, -21);
    cairo_close_path(cr);
}

void glassAndHeart(cairo_t* cr) {
    glassPath(cr);
    Pattern light(cairo_pattern_create_radial(-3, 0, 2, 0, 3, 30));
    addStop(light.get(), 0.0, palette::glowCore);
    addStop(light.get(), 0.5, palette::glow);
    addStop(light.get(), 1.0, mix(palette::glow, palette::goldShadow, 0.6));
    cairo_set_source(cr, light.get());
    cairo_fill(cr);
    paintHeartGem(cr, {0, 3}, 16);

    // Gloss on the left pane, then the frame and its two inner bars.
    cairo_move_to(cr, -20, -17);
    cairo_curve_to(cr, -25, -6, -25, 10, -19, 23);
    cairo_line_to(cr, -15, 23);
    cairo_curve_to(cr, -20, 10, -20, -6, -16, -17);
    cairo_close_path(cr);
    setColour(cr, palette::cream, 0.45);
    cairo_fill(cr);
    for (double x : {-10.0, 10.0}) {
        cairo_move_to(cr, x, -21);
        cairo_curve_to(cr, x * 1.25, -6, x * 1.25, 12, x * 0.92, 27);
    }
    cairo_set_line_width(cr, 1.6);
    setColour(cr, palette::goldMid, 0.75);
    cairo_stroke(cr);
    glassPath(cr);
    cairo_set_line_width(cr, 4.0);
    setColour(cr, palette::outline);
    cairo_stroke_preserve(cr);
    Pattern gold = goldGradient(-28, -21, 0, 27);
    cairo_set_source(cr, gold.get());
    cairo_set_line_width(cr, 2.4);
    cairo_stroke(cr);
}

void foot(cairo_t* cr) {
    roundedRect(cr, -27, 26, 54, 7, 3);
    fillGold(cr, 26, 33);
    cairo_move_to(cr, -17, 33);
    cairo_line_to(cr, 17, 33);
    cairo_line_to(cr, 24, 44);
    cairo_curve_to(cr, 24, 48, 22, 49, 20, 49);
    cairo_line_to(cr, -20, 49);
    cairo_curve_to(cr, -22, 49, -24, 48, -24, 44);
    cairo_close_path(cr);
    fillGold(cr, 33, 49);
}

}  // namespace

void paintPendant(cairo_t* cr, Point centre, double height) {
    cairo_save(cr);
    cairo_translate(cr, centre.x, centre.y);
    cairo_scale(cr, height / 100.0, height / 100.0);
    // The loop it hangs from, then the gold bezel around the heart gem.
    cairo_new_path(cr);
    cairo_arc(cr, 0, -40, 7, 0, 2 * M_PI);
    cairo_set_line_width(cr, 8.0);
    setColour(cr, palette::outline);
    cairo_stroke_preserve(cr);
    Pattern loopGold = goldGradient(-8, -48, 4, -32);
    cairo_set_source(cr, loopGold.get());
    cairo_set_line_width(cr, 4.5);
    cairo_stroke(cr);
    cairo_arc(cr, 0, 6, 38, 0, 2 * M_PI);
    Pattern bezel = goldGradient(-30, -32, 10, 44);
    cairo_set_source(cr, bezel.get());
    cairo_fill_preserve(cr);
    setColour(cr, palette::outline);
    cairo_set_line_width(cr, 4.0);
    cairo_stroke(cr);
    paintHeartGem(cr, {0, 6}, 29);
    cairo_restore(cr);
}

void paintLantern(cairo_t* cr, Point centre, double height) {
    const double scale = height / 100.0;
    paintGlow(cr, {centre.x, centre.y + 3 * scale}, 150 * scale, palette::glow, 0.55);
    paintGlow(cr, {centre.x, centre.y + 3 * scale}, 60 * scale, palette::glowCore, 0.35);
    cairo_save(cr);
    cairo_translate(cr, centre.x, centre.y);
    cairo_scale(cr, scale, scale);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    ringAndCap(cr);
    glassAndHeart(cr);
    foot(cr);
    cairo_restore(cr);
}

}  // namespace pictures
