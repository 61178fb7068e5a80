// A named two-dimensional grid of integers with range-checked access. Out-of-range
// coordinates read as 0, are never written, and leave a trace line.
#pragma once

#include <memory>
#include <vector>

#include "platform/platform.h"

// A w x h grid of cells indexed map[x][y], all 0 when created.
class vexaTLayer2D {
public:
    std::vector<std::vector<int>> map;
    int w = 0;
    int h = 0;
    int isVisible = 0;  // carried flag
    String caption;     // name used in trace lines

    virtual ~vexaTLayer2D() = default;
    // An empty layer: no cells, no caption.
    vexaTLayer2D() = default;
    // A layer of w x h zeros (negative sizes count as 0); writes a trace line.
    vexaTLayer2D(int w, int h, const String& caption);

    // A new layer of w x h zeros; writes a trace line.
    static std::shared_ptr<vexaTLayer2D> Create(int w, int h, const String& caption);

    // The cell at (x, y), or 0 when out of range.
    virtual int getCellValue(int x, int y) const;
    // Stores value at (x, y) when in range. Returns 0.
    virtual int setCellValue(int x, int y, int value);
    // Sets every cell to 0. Returns 0.
    virtual int resetMap();
    // Exchanges two cells; an out-of-range cell reads as 0 and is not written. Returns 1.
    virtual int swapCell(int x1, int y1, int x2, int y2);
    // 1 when (x, y) lies on the grid, else 0 with a trace line.
    virtual int checkCoord(int x, int y) const;
    // 1 when 0 <= x < w, else 0 with a trace line.
    virtual int checkX(int x) const;
    // 1 when 0 <= y < h, else 0 with a trace line.
    virtual int checkY(int y) const;
    // |x2 - x1| when both columns are on the grid, else 0.
    virtual int getDistanceX(int x1, int x2) const;
    // |y2 - y1| when both rows are on the grid, else 0.
    virtual int getDistanceY(int y1, int y2) const;
    // Euclidean distance from the two checked distances above.
    virtual float getDistance(int x1, int y1, int x2, int y2) const;
};
