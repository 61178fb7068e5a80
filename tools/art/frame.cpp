// Border pieces and column strips. Every piece is rendered from the same
// moulding field: the distance of a pixel from the board's cells sets the
// profile, its direction sets the shading (light from the top left). A piece
// takes the look of the most typical neighbourhood that chooses it, so pieces that
// meet in a corner paint the same pixels there.
#include "frame.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include "pictures/canvas.h"
#include "pictures/paint.h"

namespace art {

using pictures::Colour;
namespace palette = pictures::palette;

namespace {

// One rule of the piece table: 1 = must hold a cell, 0 = must be empty, -1 = either.
struct Rule {
    int n, s, w, e, ne, nw, se, sw;
};

constexpr std::array<Rule, kPieceCount> kRules{{
    {0, -1, 1, 1, 0, 0, -1, -1},   {-1, 0, 1, 1, -1, -1, 0, 0},   {1, 1, 0, -1, -1, 0, -1, 0},
    {1, 1, -1, 0, 0, -1, 0, -1},   {0, -1, 0, 1, 0, -1, -1, 0},   {0, -1, 1, 0, -1, 0, 0, -1},
    {-1, 0, 1, 0, 0, -1, -1, 0},   {-1, 0, 0, 1, -1, 0, 0, -1},   {1, -1, -1, 0, -1, -1, 1, -1},
    {1, -1, 0, -1, -1, -1, -1, 1}, {0, -1, -1, 1, -1, 1, -1, -1}, {0, -1, 1, -1, 1, -1, -1, -1},
    {-1, 1, -1, 0, 1, -1, -1, -1}, {-1, 1, 0, -1, -1, 1, -1, -1}, {-1, 0, -1, 1, -1, -1, -1, 1},
    {-1, 0, 1, -1, -1, -1, 1, -1}, {-1, 0, 0, 1, -1, 1, 0, -1},   {-1, 0, 1, 0, 1, -1, -1, 0},
    {0, -1, 1, 0, -1, 0, 1, -1},   {0, -1, 0, 1, 0, -1, -1, 1},   {0, 1, -1, 0, -1, 1, 0, -1},
    {0, 1, 0, -1, 1, -1, -1, 0},   {1, 0, 0, -1, -1, 0, 1, -1},   {1, 0, -1, 0, 0, -1, -1, 1},
}};

bool fits(int wanted, bool present) { return wanted < 0 || (wanted == 1) == present; }

bool matches(const Rule& r, const Neighbours& a) {
    return fits(r.n, a.n) && fits(r.s, a.s) && fits(r.w, a.w) && fits(r.e, a.e) && fits(r.ne, a.ne) &&
           fits(r.nw, a.nw) && fits(r.se, a.se) && fits(r.sw, a.sw);
}

// Raster offsets of the cell itself and its neighbours in mask bit order.
constexpr int kCellsX[9] = {0, 0, 0, -1, 1, 1, -1, 1, -1};
constexpr int kCellsY[9] = {0, -1, 1, 0, 0, -1, -1, 1, 1};

// The area a piece may draw in, relative to its cell's top-left corner.
constexpr int kArea = kCell + 2 * kBand;

struct FieldSample {
    double distance;  // 0 inside a cell
    double gx, gy;    // unit direction away from the nearest cell
};

FieldSample sampleField(int mask, double px, double py) {
    FieldSample best{1e9, 0, 0};
    for (int i = 0; i < 9; ++i) {
        if (i > 0 && !(mask & (1 << (i - 1)))) continue;
        const double x0 = kCellsX[i] * kCell, y0 = kCellsY[i] * kCell;
        const double qx = std::clamp(px, x0, x0 + kCell), qy = std::clamp(py, y0, y0 + kCell);
        const double d = std::hypot(px - qx, py - qy);
        if (d < best.distance) best = {d, d > 0 ? (px - qx) / d : 0, d > 0 ? (py - qy) / d : 0};
    }
    return best;
}

Colour goldShade(double light) {
    return light >= 0 ? pictures::mix(palette::goldMid, palette::goldLight, std::min(light, 1.0))
                      : pictures::mix(palette::goldMid, palette::goldShadow, std::min(-light, 1.0) * 0.85);
}

uint32_t pack(Colour c, double alpha) {
    auto byte = [](double v) { return uint32_t(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
    return byte(c.r) | byte(c.g) << 8 | byte(c.b) << 16 | byte(alpha) << 24;
}

// The moulding's look at distance d from the board, facing direction (gx, gy):
// a dark lip, a narrow bead, a groove, a broad rounded rail, a dark edge and a soft shadow.
uint32_t moulding(const FieldSample& f) {
    const double d = f.distance;
    if (d <= 0 || d > kBand) return 0;
    const double towardLight = -(f.gx + f.gy) * M_SQRT1_2;  // > 0 when the outside faces the light
    auto rail = [&](double from, double to) {
        const double slope = std::cos(M_PI * (d - from) / (to - from));
        return goldShade(-slope * towardLight * 0.95 + 0.15);
    };
    if (d < 1.5) return pack(palette::outline, 1.0);
    if (d < 6.5) return pack(rail(1.5, 6.5), 1.0);
    if (d < 7.5) return pack(palette::goldShadow, 1.0);
    if (d < 15.5) return pack(rail(7.5, 15.5), 1.0);
    if (d < 16.8) return pack(palette::outline, 1.0);
    return pack(palette::outline, 0.45 * (kBand - d) / (kBand - 16.8));
}

// How typical a neighbourhood is for the boards levels use. Cells that touch only at a corner
// and runs one cell wide are rare; then solid sides and straight edges are preferred: an
// open side's band runs on past the corner rather than turning at a diagonal neighbour.
double typicality(int mask) {
    const Neighbours a = neighboursOf(mask);
    double weight = 1.0;
    for (bool side : {a.n, a.s, a.w, a.e}) weight *= side ? 1.01 : 1.0;
    for (auto [diagonal, side1, side2] : {std::array{a.ne, a.n, a.e}, std::array{a.nw, a.n, a.w},
                                          std::array{a.se, a.s, a.e}, std::array{a.sw, a.s, a.w}}) {
        if (diagonal && !side1 && !side2) weight *= 0.1;
        weight *= diagonal == (side1 && side2) ? 1.01 : 1.0;
    }
    if (!a.n && !a.s) weight *= 0.1;
    if (!a.w && !a.e) weight *= 0.1;
    return weight;
}

// The most typical neighbourhood that chooses `piece`: the piece is drawn for it, so every
// piece shows the frame as it runs on a regular board and neighbouring pieces agree.
int typicalMask(int piece) {
    int best = -1;
    for (int mask = 0; mask < 256; ++mask) {
        if (borderPiece(neighboursOf(mask)) == piece && (best < 0 || typicality(mask) > typicality(best)))
            best = mask;
    }
    return best;
}

// The piece's look over the whole area around its cell, limited to its own band.
std::vector<uint32_t> pieceArea(int piece) {
    const int mask = typicalMask(piece);
    std::vector<uint32_t> area(size_t(kArea) * kArea, 0);
    for (int y = 0; y < kArea; ++y) {
        for (int x = 0; x < kArea; ++x) {
            const double px = x - kBand + 0.5, py = y - kBand + 0.5;
            if (sampleField(0, px, py).distance <= kBand)
                area[size_t(y) * kArea + size_t(x)] = moulding(sampleField(mask, px, py));
        }
    }
    return area;
}

// The rectangle a piece covers: from its placing offset to the end of what it draws, never
// past its own cell on a side where a neighbour may lie, so pasting it cannot wipe out what
// a neighbour's piece drew.
tools::RgbaImage cropArea(const std::vector<uint32_t>& area, int piece, Offset from) {
    const Rule& rule = kRules[size_t(piece - 1)];
    const int rightLimit = rule.e == 0 ? kCell + kBand : kCell, bottomLimit = rule.s == 0 ? kCell + kBand : kCell;
    int right = from.dx + 1, bottom = from.dy + 1;
    for (int y = from.dy; y < bottomLimit; ++y) {
        for (int x = from.dx; x < rightLimit; ++x) {
            if (area[size_t(y + kBand) * kArea + size_t(x + kBand)] >> 24) {
                right = std::max(right, x + 1);
                bottom = std::max(bottom, y + 1);
            }
        }
    }
    tools::RgbaImage image{right - from.dx, bottom - from.dy, {}};
    for (int y = from.dy; y < bottom; ++y) {
        for (int x = from.dx; x < right; ++x) {
            const uint32_t v = area[size_t(y + kBand) * kArea + size_t(x + kBand)];
            for (int shift : {0, 8, 16, 24}) image.pixels.push_back(uint8_t(v >> shift));
        }
    }
    return image;
}

void paintTile(cairo_t* cr, double top) {
    pictures::Pattern body(cairo_pattern_create_linear(0, top, kCell, top + kCell));
    pictures::addStop(body.get(), 0.0, pictures::mix(palette::panel, palette::cream, 0.16), 0.90);
    pictures::addStop(body.get(), 1.0, pictures::mix(palette::panel, palette::skyTop, 0.5), 0.90);
    cairo_rectangle(cr, 0, top, kCell, kCell);
    cairo_set_source(cr, body.get());
    cairo_fill(cr);
    // A soft bevel: lit along the top and left, shaded along the bottom and right.
    cairo_set_line_width(cr, 1.0);
    pictures::setColour(cr, palette::cream, 0.22);
    cairo_move_to(cr, 1.5, top + kCell - 2);
    cairo_line_to(cr, 1.5, top + 1.5);
    cairo_line_to(cr, kCell - 2, top + 1.5);
    cairo_stroke(cr);
    pictures::setColour(cr, palette::skyTop, 0.55);
    cairo_move_to(cr, 2, top + kCell - 0.5);
    cairo_line_to(cr, kCell - 0.5, top + kCell - 0.5);
    cairo_line_to(cr, kCell - 0.5, top + 2);
    cairo_stroke(cr);
    pictures::paintGlow(cr, {14, top + 12}, 22, palette::cream, 0.07);
}

}  // namespace

Neighbours neighboursOf(int mask) {
    auto bit = [mask](int i) { return (mask >> i & 1) != 0; };
    return {bit(0), bit(1), bit(2), bit(3), bit(4), bit(5), bit(6), bit(7)};
}

int borderPiece(const Neighbours& around) {
    int piece = 0;
    for (int i = 0; i < kPieceCount; ++i) {
        if (matches(kRules[size_t(i)], around)) piece = i + 1;
    }
    return piece;
}

bool isPastedPiece(int piece) {
    return piece >= 1 && piece <= kPieceCount && !(piece == 11 || piece == 12 || piece == 15 || piece == 16 || piece >= 21);
}

Offset pasteOffset(int piece) {
    static constexpr int dx[kPieceCount + 1] = {0, 0, 0, -18, 46, -18, 0, 0, -18, 46, -18, 0, 0,
                                                46, -18, 0, 0, -18, 0, 0, -18, 0, 0, 0, 0};
    static constexpr int dy[kPieceCount + 1] = {0, -18, 46, 0, 0, -18, -18, 0, 0, 0, 0, 0, 0,
                                                -1, -1, 0, 0, -2, -2, -18, -18, 0, 0, 0, 0};
    return {dx[piece], dy[piece]};
}

tools::RgbaImage borderPicture(int piece) {
    return cropArea(pieceArea(piece), piece, isPastedPiece(piece) ? pasteOffset(piece) : kLiveOffset);
}

tools::RgbaImage columnStrip(int cells) {
    pictures::Canvas canvas(kCell, kCell * cells);
    for (int i = 0; i < cells; ++i) paintTile(canvas.cr(), double(i * kCell));
    return canvas.pixels();
}

}  // namespace art
