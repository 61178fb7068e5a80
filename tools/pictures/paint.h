// Drawing primitives and materials shared by all pictures: paths, glows,
// metallic gold, glassy panels and lettering, all lit from the top left.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <cairo.h>

#include "canvas.h"
#include "palette.h"

namespace pictures {

struct Point {
    double x, y;
};

struct PatternFree {
    void operator()(cairo_pattern_t* p) const { cairo_pattern_destroy(p); }
};
using Pattern = std::unique_ptr<cairo_pattern_t, PatternFree>;

void setColour(cairo_t* cr, Colour c, double alpha = 1.0);
void addStop(cairo_pattern_t* pattern, double offset, Colour c, double alpha = 1.0);

// Path helpers: they only build the path, the caller fills or strokes it.
void roundedRect(cairo_t* cr, double x, double y, double w, double h, double radius);
void polygon(cairo_t* cr, const std::vector<Point>& points);

// Metallic gold across the box (x0,y0)-(x1,y1): bright at the top, a dark band
// below the middle, reflected light at the bottom.
Pattern goldGradient(double x0, double y0, double x1, double y1);

// A soft round light of `colour` fading to nothing at `radius` (additive feel).
void paintGlow(cairo_t* cr, Point centre, double radius, Colour colour, double alpha);

// A ball of `radius` lit from the top left: `light` at its highlight, `dark` at its rim.
void paintBall(cairo_t* cr, Point centre, double radius, Colour light, Colour dark);

// A four-pointed white glint with a soft halo, `size` px from centre to tip.
void paintSparkle(cairo_t* cr, Point at, double size);

// A rounded glass panel: dark translucent body, gloss on its upper half, gold trim.
void paintGlassPanel(cairo_t* cr, double x, double y, double w, double h, double radius);

// Font face and size for the toy text API (installed DejaVu faces).
struct Font {
    const char* family;
    cairo_font_slant_t slant;
    cairo_font_weight_t weight;
    double size;
};

// Sets the font and returns the width of the ink of `text`.
double inkWidth(cairo_t* cr, const Font& font, const std::string& text);

// Sets the font and returns the x where `text` must start so its ink is centred on cx.
double centredTextX(cairo_t* cr, const Font& font, const std::string& text, double cx);

// Plain centred lettering with a soft dark shadow below it.
void paintText(Canvas& canvas, const Font& font, const std::string& text, Point centreBaseline,
               Colour colour);

// Large gold lettering with a blurred shadow, a bronze extrusion `depth` px deep,
// a dark outline and a glossy gold face.
void paintGoldTitle(Canvas& canvas, const Font& font, const std::string& text,
                    Point centreBaseline, double depth);

}  // namespace pictures
