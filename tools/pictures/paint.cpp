// Drawing primitives and materials shared by all pictures. Light comes from the
// top left everywhere: highlights sit up and left, shadows fall down and right.
#include "paint.h"

#include <cmath>

namespace pictures {

void setColour(cairo_t* cr, Colour c, double alpha) {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

void addStop(cairo_pattern_t* pattern, double offset, Colour c, double alpha) {
    cairo_pattern_add_color_stop_rgba(pattern, offset, c.r, c.g, c.b, alpha);
}

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double radius) {
    const double pi = M_PI;
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - radius, y + radius, radius, -pi / 2, 0);
    cairo_arc(cr, x + w - radius, y + h - radius, radius, 0, pi / 2);
    cairo_arc(cr, x + radius, y + h - radius, radius, pi / 2, pi);
    cairo_arc(cr, x + radius, y + radius, radius, pi, 3 * pi / 2);
    cairo_close_path(cr);
}

void polygon(cairo_t* cr, const std::vector<Point>& points) {
    cairo_new_sub_path(cr);
    for (const Point& p : points) {
        cairo_line_to(cr, p.x, p.y);
    }
    cairo_close_path(cr);
}

Pattern goldGradient(double x0, double y0, double x1, double y1) {
    Pattern gold(cairo_pattern_create_linear(x0, y0, x1, y1));
    addStop(gold.get(), 0.00, palette::goldLight);
    addStop(gold.get(), 0.38, palette::goldMid);
    addStop(gold.get(), 0.55, palette::goldDeep);
    addStop(gold.get(), 0.80, palette::goldMid);
    addStop(gold.get(), 1.00, palette::goldLight);
    return gold;
}

void paintGlow(cairo_t* cr, Point centre, double radius, Colour colour, double alpha) {
    Pattern glow(cairo_pattern_create_radial(centre.x, centre.y, 0, centre.x, centre.y, radius));
    addStop(glow.get(), 0.0, colour, alpha);
    addStop(glow.get(), 0.35, colour, alpha * 0.45);
    addStop(glow.get(), 0.7, colour, alpha * 0.12);
    addStop(glow.get(), 1.0, colour, 0.0);
    cairo_set_source(cr, glow.get());
    cairo_arc(cr, centre.x, centre.y, radius, 0, 2 * M_PI);
    cairo_fill(cr);
}

void paintBall(cairo_t* cr, Point centre, double radius, Colour light, Colour dark) {
    cairo_arc(cr, centre.x, centre.y, radius, 0, 2 * M_PI);
    Pattern body(
        cairo_pattern_create_radial(centre.x - radius * 0.4, centre.y - radius * 0.4, 1, centre.x, centre.y, radius));
    addStop(body.get(), 0.0, light);
    addStop(body.get(), 1.0, dark);
    cairo_set_source(cr, body.get());
    cairo_fill(cr);
}

void paintSparkle(cairo_t* cr, Point at, double size) {
    paintGlow(cr, at, size * 1.2, palette::cream, 0.8);
    const double waist = size * 0.18;
    polygon(cr, {{at.x, at.y - size}, {at.x + waist, at.y - waist}, {at.x + size, at.y},
                 {at.x + waist, at.y + waist}, {at.x, at.y + size}, {at.x - waist, at.y + waist},
                 {at.x - size, at.y}, {at.x - waist, at.y - waist}});
    cairo_set_source_rgba(cr, 1, 1, 1, 0.95);
    cairo_fill(cr);
}

namespace {

void glassBody(cairo_t* cr, double x, double y, double w, double h, double radius) {
    Pattern body(cairo_pattern_create_linear(x, y, x, y + h));
    addStop(body.get(), 0.0, mix(palette::panel, palette::cream, 0.12), 0.82);
    addStop(body.get(), 1.0, mix(palette::panel, palette::skyTop, 0.5), 0.90);
    roundedRect(cr, x, y, w, h, radius);
    cairo_set_source(cr, body.get());
    cairo_fill(cr);

    // Gloss: a pale sheen over the upper half, fading downwards.
    Pattern gloss(cairo_pattern_create_linear(x, y, x, y + h * 0.5));
    addStop(gloss.get(), 0.0, palette::cream, 0.22);
    addStop(gloss.get(), 1.0, palette::cream, 0.02);
    roundedRect(cr, x + 3, y + 3, w - 6, h * 0.5, radius - 3);
    cairo_set_source(cr, gloss.get());
    cairo_fill(cr);
}

void goldTrim(cairo_t* cr, double x, double y, double w, double h, double radius) {
    roundedRect(cr, x, y, w, h, radius);
    cairo_set_line_width(cr, 5.0);
    setColour(cr, palette::outline, 0.9);
    cairo_stroke_preserve(cr);
    Pattern gold = goldGradient(x, y, x + w * 0.2, y + h);
    cairo_set_source(cr, gold.get());
    cairo_set_line_width(cr, 3.0);
    cairo_stroke(cr);
    roundedRect(cr, x + 3, y + 3, w - 6, h - 6, radius - 3);
    cairo_set_line_width(cr, 1.0);
    setColour(cr, palette::goldLight, 0.35);
    cairo_stroke(cr);
}

}  // namespace

void paintGlassPanel(cairo_t* cr, double x, double y, double w, double h, double radius) {
    glassBody(cr, x, y, w, h, radius);
    goldTrim(cr, x, y, w, h, radius);
}

namespace {

cairo_text_extents_t inkExtents(cairo_t* cr, const Font& font, const std::string& text) {
    cairo_select_font_face(cr, font.family, font.slant, font.weight);
    cairo_set_font_size(cr, font.size);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, text.c_str(), &ext);
    return ext;
}

}  // namespace

double inkWidth(cairo_t* cr, const Font& font, const std::string& text) { return inkExtents(cr, font, text).width; }

double centredTextX(cairo_t* cr, const Font& font, const std::string& text, double cx) {
    const cairo_text_extents_t ext = inkExtents(cr, font, text);
    return cx - (ext.x_bearing + ext.width / 2);
}

namespace {

// A soft shadow of the text: its path filled dark on a layer of its own, blurred,
// then painted onto the canvas before the letters themselves are drawn.
void paintTextShadow(Canvas& canvas, const Font& font, const std::string& text, Point at,
                     double blur, double alpha) {
    Canvas shadow(canvas.width(), canvas.height());
    cairo_t* cr = shadow.cr();
    cairo_move_to(cr, centredTextX(cr, font, text, at.x), at.y);
    cairo_text_path(cr, text.c_str());
    cairo_set_source_rgba(cr, 0.02, 0.01, 0.04, 1.0);
    cairo_fill(cr);
    shadow.blur(int(blur));
    cairo_set_source_surface(canvas.cr(), shadow.surface(), 0, 0);
    cairo_paint_with_alpha(canvas.cr(), alpha);
}

void textPath(cairo_t* cr, const Font& font, const std::string& text, Point centreBaseline) {
    cairo_new_path(cr);
    cairo_move_to(cr, centredTextX(cr, font, text, centreBaseline.x), centreBaseline.y);
    cairo_text_path(cr, text.c_str());
}

}  // namespace

void paintText(Canvas& canvas, const Font& font, const std::string& text, Point centreBaseline,
               Colour colour) {
    const double offset = font.size * 0.06;
    paintTextShadow(canvas, font, text, {centreBaseline.x + offset, centreBaseline.y + offset},
                    font.size * 0.06 + 1, 0.85);
    cairo_t* cr = canvas.cr();
    textPath(cr, font, text, centreBaseline);
    setColour(cr, colour);
    cairo_fill(cr);
}

namespace {

void goldExtrusion(cairo_t* cr, const Font& font, const std::string& text, Point at,
                   double depth) {
    textPath(cr, font, text, {at.x + depth * 0.45, at.y + depth});
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, font.size * 0.045);
    setColour(cr, palette::outline);
    cairo_stroke(cr);
    for (double d = depth; d > 0; d -= 0.5) {
        textPath(cr, font, text, {at.x + d * 0.45, at.y + d});
        setColour(cr, mix(palette::goldShadow, palette::goldDeep, 1.0 - d / depth * 0.8));
        cairo_fill(cr);
    }
}

void goldFace(cairo_t* cr, const Font& font, const std::string& text, Point at) {
    const double top = at.y - font.size * 0.75;
    textPath(cr, font, text, at);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, font.size * 0.045);
    setColour(cr, palette::outline);
    cairo_stroke_preserve(cr);
    Pattern gold = goldGradient(at.x, top, at.x + font.size * 0.1, at.y + font.size * 0.05);
    cairo_set_source(cr, gold.get());
    cairo_fill_preserve(cr);

    // Gloss on the upper part of the letters and a thin bright rim inside them.
    cairo_save(cr);
    cairo_clip_preserve(cr);
    Pattern gloss(cairo_pattern_create_linear(at.x, top, at.x, top + font.size * 0.35));
    addStop(gloss.get(), 0.0, palette::cream, 0.55);
    addStop(gloss.get(), 1.0, palette::cream, 0.0);
    cairo_set_source(cr, gloss.get());
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, font.size * 0.02);
    setColour(cr, palette::goldLight, 0.7);
    cairo_stroke(cr);
    cairo_restore(cr);
}

}  // namespace

void paintGoldTitle(Canvas& canvas, const Font& font, const std::string& text,
                    Point centreBaseline, double depth) {
    paintTextShadow(canvas, font, text,
                    {centreBaseline.x + depth * 0.8, centreBaseline.y + depth * 1.6},
                    depth * 0.8 + 2, 0.8);
    goldExtrusion(canvas.cr(), font, text, centreBaseline, depth);
    goldFace(canvas.cr(), font, text, centreBaseline);
}

}  // namespace pictures
