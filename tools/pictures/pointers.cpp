// The two mouse pointers, 32x32 with straight alpha. The game draws them with
// their top-left corner at the mouse position, so each tip sits at pixel (1,1).
#include <cmath>

#include "generators.h"
#include "paint.h"

namespace pictures {

namespace {

constexpr int pointerSize = 32;

// Lays a soft shadow of the path built by `outline`, offset down and right,
// under what is drawn next.
template <typename Outline>
void paintShadow(Canvas& canvas, Outline outline) {
    Canvas shadow(canvas.width(), canvas.height());
    outline(shadow.cr());
    cairo_set_source_rgba(shadow.cr(), 0, 0, 0, 1);
    cairo_fill(shadow.cr());
    shadow.blur(1);
    cairo_set_source_surface(canvas.cr(), shadow.surface(), 1.5, 2.0);
    cairo_paint_with_alpha(canvas.cr(), 0.5);
}

// A dark outline around the shape, filled with `fill`.
void paintOutlined(cairo_t* cr, const std::vector<Point>& shape, double lineWidth,
                   cairo_pattern_t* fill) {
    polygon(cr, shape);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, lineWidth);
    setColour(cr, palette::outline);
    cairo_stroke_preserve(cr);
    cairo_set_source(cr, fill);
    cairo_fill(cr);
}

std::vector<Point> arrowShape() {
    return {{1.5, 1.5},   {1.5, 22.5},  {6.5, 18.0}, {10.2, 26.6},
            {14.2, 24.9}, {10.6, 16.6}, {17.2, 16.6}};
}

void paintArrow(Canvas& canvas) {
    paintShadow(canvas, [](cairo_t* cr) { polygon(cr, arrowShape()); });
    cairo_t* cr = canvas.cr();
    // Pale gold at the tip, deepening towards the tail.
    Pattern gold(cairo_pattern_create_linear(2, 2, 18, 26));
    addStop(gold.get(), 0.0, palette::goldLight);
    addStop(gold.get(), 0.5, palette::goldMid);
    addStop(gold.get(), 1.0, palette::goldDeep);
    paintOutlined(cr, arrowShape(), 2.0, gold.get());
    // A white rim along the left edge catches the light.
    cairo_move_to(cr, 2.9, 4.5);
    cairo_line_to(cr, 2.9, 19.0);
    cairo_set_line_width(cr, 1.0);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.85);
    cairo_stroke(cr);
}

// The key drawn along the x axis (tip at the origin, bow to the right, bit
// below), then turned 45 degrees so the tip points to the top left at (1.6,1.6).
Point keyPoint(Point local) {
    const double c = std::cos(M_PI / 4), s = std::sin(M_PI / 4);
    return {1.6 + local.x * c - local.y * s, 1.6 + local.x * s + local.y * c};
}

std::vector<Point> keyShape() {
    const std::vector<Point> local = {
        {0.0, 0.0}, {2.0, -1.9}, {24.0, -1.9}, {24.0, 1.9}, {10.5, 1.9}, {10.5, 7.0},
        {7.5, 7.0}, {7.5, 4.6},  {5.5, 4.6},   {5.5, 7.0},  {2.5, 7.0},  {2.5, 1.9},
        {1.9, 1.9}};
    std::vector<Point> turned;
    for (const Point& p : local) {
        turned.push_back(keyPoint(p));
    }
    return turned;
}

// The bow: a gold disc with a small ruby set in it.
void paintKeyBow(cairo_t* cr, Point centre) {
    cairo_new_path(cr);
    cairo_arc(cr, centre.x, centre.y, 6.2, 0, 2 * M_PI);
    setColour(cr, palette::outline);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke_preserve(cr);
    Pattern gold = goldGradient(centre.x - 6, centre.y - 6, centre.x + 3, centre.y + 6);
    cairo_set_source(cr, gold.get());
    cairo_fill(cr);
    cairo_arc(cr, centre.x, centre.y, 3.0, 0, 2 * M_PI);
    Pattern ruby(cairo_pattern_create_radial(centre.x - 1, centre.y - 1, 0.3, centre.x,
                                             centre.y, 3.0));
    addStop(ruby.get(), 0.0, palette::ruby.light);
    addStop(ruby.get(), 0.5, palette::ruby.base);
    addStop(ruby.get(), 1.0, palette::ruby.dark);
    cairo_set_source(cr, ruby.get());
    cairo_fill_preserve(cr);
    setColour(cr, palette::outline, 0.8);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
}

void paintKey(Canvas& canvas) {
    const Point bow = keyPoint({29.0, 0.0});
    paintShadow(canvas, [&](cairo_t* cr) {
        polygon(cr, keyShape());
        cairo_new_sub_path(cr);
        cairo_arc(cr, bow.x, bow.y, 6.2, 0, 2 * M_PI);
    });
    Pattern gold = goldGradient(2, 2, 26, 26);
    paintOutlined(canvas.cr(), keyShape(), 1.6, gold.get());
    paintKeyBow(canvas.cr(), bow);
}

}  // namespace

void writePointers(const std::filesystem::path& out) {
    Canvas arrow(pointerSize, pointerSize);
    paintArrow(arrow);
    tools::writePng(out / "data/ui/cursor.png", arrow.pixels());
    Canvas key(pointerSize, pointerSize);
    paintKey(key);
    tools::writePng(out / "data/ui/key.png", key.pixels());
}

}  // namespace pictures
