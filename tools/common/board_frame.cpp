// The frame model: piece rules, piece shapes cut from one moulding field that follows the
// board outline, the game's placing order, and a pixel-exact comparison of the frame those
// pieces make with the frame the board's outline asks for.
#include "board_frame.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <set>
#include <utility>

namespace boardframe {

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

constexpr double kSame = 1e-9;

bool sameDirection(const FieldSample& a, const FieldSample& b) {
    return std::abs(a.gx - b.gx) < kSame && std::abs(a.gy - b.gy) < kSame;
}

// Keeps the nearer of two samples in `best`; at equal distance in other directions, a mitre.
void keepNearest(FieldSample& best, const FieldSample& other) {
    if (other.distance < best.distance - kSame)
        best = other;
    else if (other.distance < best.distance + kSame && other.distance > 0 && !sameDirection(best, other))
        best.mitre = true;
}

bool fits(int wanted, bool present) { return wanted < 0 || (wanted == 1) == present; }

bool matches(const Rule& r, const Neighbours& a) {
    return fits(r.n, a.n) && fits(r.s, a.s) && fits(r.w, a.w) && fits(r.e, a.e) && fits(r.ne, a.ne) &&
           fits(r.nw, a.nw) && fits(r.se, a.se) && fits(r.sw, a.sw);
}

// Raster offsets of the cell itself and its neighbours in mask bit order.
constexpr int kCellsX[9] = {0, 0, 0, -1, 1, 1, -1, 1, -1};
constexpr int kCellsY[9] = {0, -1, 1, 0, 0, -1, -1, 1, 1};

// The square around a cell that its band can reach, relative to the cell's top-left corner.
constexpr int kArea = kCell + 2 * kBand;

// The field around a cell with the neighbours of `mask`, over its whole square; made once a mask.
const std::vector<FieldSample>& fieldAround(int mask) {
    static std::array<std::vector<FieldSample>, 256> cache;
    std::vector<FieldSample>& field = cache[size_t(mask)];
    if (field.empty()) {
        field.reserve(size_t(kArea) * kArea);
        for (int y = -kBand; y < kCell + kBand; ++y) {
            for (int x = -kBand; x < kCell + kBand; ++x) field.push_back(sampleField(mask, x, y));
        }
    }
    return field;
}

const FieldSample& fieldAt(int mask, int x, int y) {
    return fieldAround(mask)[size_t(y + kBand) * kArea + size_t(x + kBand)];
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

// What the piece draws at a pixel: the field of its typical neighbourhood, but only within the
// band of its own cell.
FieldSample pieceSample(int mask, int x, int y) {
    if (!onBand(fieldAt(0, x, y))) return {-1, 0, 0};
    return fieldAt(mask, x, y);
}

// The rectangle a piece covers: from its placing offset to the end of what it draws, never
// past its own cell on a side where a neighbour may lie, so pasting it cannot wipe out what
// a neighbour's piece drew.
PieceShape buildShape(int piece) {
    const int mask = typicalMask(piece);
    const Rule& rule = kRules[size_t(piece - 1)];
    const Offset from = isPastedPiece(piece) ? pasteOffset(piece) : kLiveOffset;
    const int rightLimit = rule.e == 0 ? kCell + kBand : kCell, bottomLimit = rule.s == 0 ? kCell + kBand : kCell;
    int right = from.dx + 1, bottom = from.dy + 1;
    for (int y = from.dy; y < bottomLimit; ++y) {
        for (int x = from.dx; x < rightLimit; ++x) {
            if (onBand(pieceSample(mask, x, y))) {
                right = std::max(right, x + 1);
                bottom = std::max(bottom, y + 1);
            }
        }
    }
    PieceShape shape{from, right - from.dx, bottom - from.dy, {}};
    for (int y = from.dy; y < bottom; ++y) {
        for (int x = from.dx; x < right; ++x) shape.samples.push_back(pieceSample(mask, x, y));
    }
    return shape;
}

// --- Checking a board's frame ---

// What one screen pixel holds in a layer: nothing, a cell tile or the moulding at a sample of
// the shared fields; and the index of the cell whose piece or band put it there.
struct Pixel {
    enum State : unsigned char { kNothing, kTile, kMoulding } state = kNothing;
    bool mitre = false;  // the outline only: two cells are as near in different directions
    int owner = -1;
    const FieldSample* sample = nullptr;
};

// The screen area around a board: the cells' squares widened by the band, which is all that
// pieces and strips can draw on.
struct Area {
    int left, top, width, height;
};

Area areaAround(const std::vector<PlacedCell>& cells) {
    int left = kScreenWidth, top = kScreenHeight, right = 0, bottom = 0;
    for (const PlacedCell& c : cells) {
        left = std::min(left, c.x - kCell / 2 - kBand);
        top = std::min(top, c.y - kCell / 2 - kBand);
        right = std::max(right, c.x + kCell / 2 + kBand);
        bottom = std::max(bottom, c.y + kCell / 2 + kBand);
    }
    return cells.empty() ? Area{0, 0, 0, 0} : Area{left, top, right - left, bottom - top};
}

// The frame as the game draws it (live pieces under the level picture) beside the frame the
// board's outline asks for, pixel by pixel.
class FrameCanvas {
public:
    explicit FrameCanvas(const std::vector<PlacedCell>& cells)
        : area(areaAround(cells)),
          liveLayer(size_t(area.width) * size_t(area.height)),
          levelLayer(liveLayer.size()),
          outline(liveLayer.size()) {
        for (size_t i = 0; i < cells.size(); ++i) addOutline(cells[i], int(i));
    }

    void draw(const FrameDraw& step) {
        if (step.kind == FrameDraw::kLivePiece) drawLive(pieceShape(step.picture), step.x, step.y, step.cell);
        if (step.kind == FrameDraw::kPastedPiece) pastePiece(pieceShape(step.picture), step.x, step.y, step.cell);
        if (step.kind == FrameDraw::kStrip) pasteStrip(step.picture, step.x, step.y);
    }

    // The fault that belongs to the earliest cell in slot order: (its index, what is wrong).
    // The soft shadow at the band's outer edge may differ; the opaque moulding may not.
    std::optional<std::pair<int, const char*>> firstFault() const {
        std::optional<std::pair<int, const char*>> first;
        auto note = [&first](int owner, const char* what) {
            if (!first || owner < first->first) first = {owner, what};
        };
        for (size_t i = 0; i < outline.size(); ++i) {
            const Pixel& want = outline[i];
            const Pixel& shown = levelLayer[i].state != Pixel::kNothing ? levelLayer[i] : liveLayer[i];
            const bool wantsBand = want.state == Pixel::kMoulding && want.sample->distance < kSolidBand;
            const bool outside = want.state == Pixel::kNothing || want.sample->distance > kBand;
            if (wantsBand && shown.state == Pixel::kNothing)
                note(want.owner, "the frame would have a gap here");
            else if (wantsBand && !shows(shown, want))
                note(want.owner, "the frame pieces would not join here");
            else if (outside && shown.state == Pixel::kMoulding)
                note(shown.owner, "the frame would run on past the board's edge here");
        }
        return first;
    }

private:
    static bool shows(const Pixel& shown, const Pixel& want) {
        return shown.state == want.state && std::abs(shown.sample->distance - want.sample->distance) < kSame &&
               (want.mitre || sameDirection(*shown.sample, *want.sample));
    }

    // The layer pixel at screen (x, y), or nullptr off the board's area.
    template <typename Layer>
    static auto* pixelAt(Layer& layer, const Area& area, int x, int y) {
        x -= area.left;
        y -= area.top;
        const bool inside = x >= 0 && y >= 0 && x < area.width && y < area.height;
        return inside ? &layer[size_t(y) * size_t(area.width) + size_t(x)] : nullptr;
    }

    // The frame the board's outline asks for: the nearest cell's field around every cell.
    void addOutline(const PlacedCell& cell, int owner) {
        const int left = cell.x - kCell / 2, top = cell.y - kCell / 2;
        for (int y = -kBand; y < kCell + kBand; ++y) {
            for (int x = -kBand; x < kCell + kBand; ++x) {
                Pixel* want = pixelAt(outline, area, left + x, top + y);
                const FieldSample& f = fieldAt(cell.neighbours, x, y);
                if (want->state == Pixel::kNothing || f.distance < want->sample->distance - kSame) {
                    *want = {f.distance > 0 ? Pixel::kMoulding : Pixel::kTile, f.mitre, owner, &f};
                } else {
                    FieldSample nearest = *want->sample;
                    keepNearest(nearest, f);
                    want->mitre = want->mitre || nearest.mitre;
                }
            }
        }
    }

    void drawLive(const PieceShape& shape, int left, int top, int owner) {
        for (int y = 0; y < shape.height; ++y) {
            for (int x = 0; x < shape.width; ++x) {
                Pixel* pixel = pixelAt(liveLayer, area, left + x, top + y);
                if (pixel && onBand(shape.at(x, y))) *pixel = {Pixel::kMoulding, false, owner, &shape.at(x, y)};
            }
        }
    }

    // Pasting copies every pixel of the piece, transparent ones included, clipped to the picture.
    void pastePiece(const PieceShape& shape, int left, int top, int owner) {
        for (int y = 0; y < shape.height; ++y) {
            for (int x = 0; x < shape.width; ++x) {
                if (!inLevel(left + x, top + y)) continue;
                Pixel* pixel = pixelAt(levelLayer, area, kLevelX + left + x, kLevelY + top + y);
                const FieldSample& f = shape.at(x, y);
                if (pixel) *pixel = onBand(f) ? Pixel{Pixel::kMoulding, false, owner, &f} : Pixel{};
            }
        }
    }

    void pasteStrip(int cells, int left, int top) {
        for (int y = 0; y < cells * kCell; ++y) {
            for (int x = 0; x < kCell; ++x) {
                Pixel* pixel = pixelAt(levelLayer, area, kLevelX + left + x, kLevelY + top + y);
                if (pixel && inLevel(left + x, top + y)) *pixel = {Pixel::kTile};
            }
        }
    }

    static bool inLevel(int x, int y) { return x >= 0 && y >= 0 && x < kLevelWidth && y < kLevelHeight; }

    Area area;
    std::vector<Pixel> liveLayer, levelLayer, outline;
};

// What makes a cell hard to frame, for the message naming it; empty when nothing stands out.
std::string shapeHint(const Neighbours& a) {
    if (!a.n && !a.s && !a.w && !a.e) return "a single cell cannot be framed";
    if (!a.n && !a.s) return "a run one cell high cannot be framed";
    if (!a.w && !a.e) return "a run one cell wide cannot be framed";
    if ((a.ne && !a.n && !a.e) || (a.nw && !a.n && !a.w) || (a.se && !a.s && !a.e) || (a.sw && !a.s && !a.w))
        return "cells touching only at a corner cannot be framed";
    return "";
}

// The hint for a cell or, when it has none, for the first neighbour that has one: a faulty
// piece spoils the band its neighbours are measured from.
std::string hintNear(const std::vector<PlacedCell>& cells, const PlacedCell& cell) {
    if (std::string hint = shapeHint(neighboursOf(cell.neighbours)); !hint.empty()) return hint;
    for (const PlacedCell& other : cells) {
        const bool near = std::abs(other.at.column - cell.at.column) <= 1 && std::abs(other.at.row - cell.at.row) <= 1;
        if (std::string hint = near ? shapeHint(neighboursOf(other.neighbours)) : ""; !hint.empty()) return hint;
    }
    return "";
}

}  // namespace

Neighbours neighboursOf(int mask) {
    auto bit = [mask](int i) { return (mask >> i & 1) != 0; };
    return {bit(0), bit(1), bit(2), bit(3), bit(4), bit(5), bit(6), bit(7)};
}

int maskOf(const Neighbours& a) {
    return int(a.n) | int(a.s) << 1 | int(a.w) << 2 | int(a.e) << 3 | int(a.ne) << 4 | int(a.nw) << 5 |
           int(a.se) << 6 | int(a.sw) << 7;
}

int borderPiece(const Neighbours& around) {
    int piece = 0;
    for (int i = 0; i < kPieceCount; ++i) {
        if (matches(kRules[size_t(i)], around)) piece = i + 1;
    }
    return piece;
}

bool isPastedPiece(int piece) {
    return piece >= 1 && piece <= kPieceCount &&
           !(piece == 11 || piece == 12 || piece == 15 || piece == 16 || piece >= 21);
}

Offset pasteOffset(int piece) {
    static constexpr int dx[kPieceCount + 1] = {0, 0, 0, -18, 46, -18, 0, 0, -18, 46, -18, 0, 0,
                                                46, -18, 0, 0, -18, 0, 0, -18, 0, 0, 0, 0};
    static constexpr int dy[kPieceCount + 1] = {0, -18, 46, 0, 0, -18, -18, 0, 0, 0, 0, 0, 0,
                                                -1, -1, 0, 0, -2, -2, -18, -18, 0, 0, 0, 0};
    return {dx[piece], dy[piece]};
}

FieldSample sampleField(int mask, int x, int y) {
    const double px = x + 0.5, py = y + 0.5;
    FieldSample best{1e9, 0, 0};
    for (int i = 0; i < 9; ++i) {
        if (i > 0 && !(mask & (1 << (i - 1)))) continue;
        const double x0 = kCellsX[i] * kCell, y0 = kCellsY[i] * kCell;
        const double qx = std::clamp(px, x0, x0 + kCell), qy = std::clamp(py, y0, y0 + kCell);
        const double d = std::hypot(px - qx, py - qy);
        keepNearest(best, {d, d > 0 ? (px - qx) / d : 0, d > 0 ? (py - qy) / d : 0});
    }
    return best;
}

const PieceShape& pieceShape(int piece) {
    static const std::array<PieceShape, kPieceCount> shapes = [] {
        std::array<PieceShape, kPieceCount> all;
        for (int p = 1; p <= kPieceCount; ++p) all[size_t(p - 1)] = buildShape(p);
        return all;
    }();
    return shapes[size_t(piece - 1)];
}

std::vector<PlacedCell> placeCells(const std::vector<RasterCell>& cells) {
    std::set<std::pair<int, int>> taken;  // (row, column): slot order
    for (const RasterCell& c : cells) {
        if (c.column >= 2 && c.column <= 20 && c.row >= 2 && c.row <= 13) taken.insert({c.row, c.column});
    }
    std::vector<PlacedCell> placed;
    for (const auto& [row, column] : taken) {
        auto at = [&](int dc, int dr) { return taken.count({row + dr, column + dc}) > 0; };
        const Neighbours around{at(0, -1), at(0, 1), at(-1, 0), at(1, 0), at(1, -1), at(-1, -1), at(1, 1), at(-1, 1)};
        placed.push_back({{column, row}, kCell * column - 16, kCell * row - 20, maskOf(around), borderPiece(around)});
    }
    return placed;
}

std::vector<FrameDraw> framePlan(const std::vector<PlacedCell>& cells) {
    std::vector<FrameDraw> plan;
    for (size_t i = 0; i < cells.size(); ++i) {
        const PlacedCell& c = cells[i];
        if (c.piece > 0 && !isPastedPiece(c.piece))
            plan.push_back({FrameDraw::kLivePiece, c.piece, c.x - 42, c.y - 42, int(i)});
    }
    for (size_t i = 0; i < cells.size(); ++i) {
        const PlacedCell& c = cells[i];
        if (!isPastedPiece(c.piece)) continue;
        const Offset o = pasteOffset(c.piece);
        plan.push_back({FrameDraw::kPastedPiece, c.piece, c.x - 56 + o.dx, c.y - 98 + o.dy, int(i)});
    }
    // The game pastes one strip a column from its topmost cell. Levels hold one unbroken run
    // of at most 11 cells a column, where that is the same as one strip a run; sample boards
    // with holes get one strip a run (11 cells at most each), so the tiles stay under their cells.
    std::set<std::pair<int, int>> byColumn;  // (x, y)
    for (const PlacedCell& c : cells) byColumn.insert({c.x, c.y});
    for (auto it = byColumn.begin(); it != byColumn.end();) {
        const auto [x, top] = *it;
        int count = 0;
        for (; it != byColumn.end() && it->first == x && it->second == top + count * kCell; ++it) ++count;
        for (int done = 0; done < count; done += kStripCount)
            plan.push_back({FrameDraw::kStrip, std::min(count - done, kStripCount), x - 56, top + done * kCell - 98, -1});
    }
    return plan;
}

std::optional<FrameFault> findFrameFault(const std::vector<RasterCell>& cells) {
    const std::vector<PlacedCell> placed = placeCells(cells);
    FrameCanvas canvas(placed);
    for (const FrameDraw& step : framePlan(placed)) canvas.draw(step);
    const auto first = canvas.firstFault();
    if (!first) return std::nullopt;
    const PlacedCell& cell = placed[size_t(first->first)];
    const std::string hint = hintNear(placed, cell);
    return FrameFault{cell.at, first->second + (hint.empty() ? "" : ": " + hint)};
}

}  // namespace boardframe
