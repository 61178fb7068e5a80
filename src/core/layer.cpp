// The grid layer: range-checked cell access and distances.
#include "core/layer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

vexaTLayer2D::vexaTLayer2D(int width, int height, const String& name)
    : map(size_t(std::max(width, 0)), std::vector<int>(size_t(std::max(height, 0)), 0)),
      w(std::max(width, 0)),
      h(std::max(height, 0)),
      caption(name) {
    debugLog(u"Neuer Layer (" + caption + u") initialisiert (" + intToString(width) + u"," + intToString(height) +
             u")");
}

std::shared_ptr<vexaTLayer2D> vexaTLayer2D::Create(int w, int h, const String& caption) {
    return std::make_shared<vexaTLayer2D>(w, h, caption);
}

int vexaTLayer2D::getCellValue(int x, int y) const { return checkCoord(x, y) ? map[size_t(x)][size_t(y)] : 0; }

int vexaTLayer2D::setCellValue(int x, int y, int value) {
    if (checkCoord(x, y)) map[size_t(x)][size_t(y)] = value;
    return 0;
}

int vexaTLayer2D::resetMap() {
    for (auto& column : map) std::fill(column.begin(), column.end(), 0);
    return 0;
}

int vexaTLayer2D::swapCell(int x1, int y1, int x2, int y2) {
    int first = getCellValue(x1, y1);
    int second = getCellValue(x2, y2);
    setCellValue(x1, y1, second);
    setCellValue(x2, y2, first);
    return 1;
}

int vexaTLayer2D::checkCoord(int x, int y) const {
    if (x >= 0 && x <= w - 1 && y >= 0 && y <= h - 1) return 1;
    debugLog(u"vexaTLayer2D.checkCoord: Koordinaten ausserhalb des zulaessigen Bereichs (" + caption + u") " +
             intToString(x) + u"," + intToString(y));
    return 0;
}

int vexaTLayer2D::checkX(int x) const {
    if (x >= 0 && x <= w - 1) return 1;
    debugLog(u"vexaTLayer2D.checkX: X-Koordinate ausserhalb des zulaessigen Bereichs");
    return 0;
}

int vexaTLayer2D::checkY(int y) const {
    if (y >= 0 && y <= h - 1) return 1;
    debugLog(u"vexaTLayer2D.checkY: Y-Koordinate ausserhalb des zulaessigen Bereichs");
    return 0;
}

int vexaTLayer2D::getDistanceX(int x1, int x2) const { return checkX(x1) && checkX(x2) ? std::abs(x2 - x1) : 0; }

int vexaTLayer2D::getDistanceY(int y1, int y2) const { return checkY(y1) && checkY(y2) ? std::abs(y2 - y1) : 0; }

float vexaTLayer2D::getDistance(int x1, int y1, int x2, int y2) const {
    float dx = float(getDistanceX(x1, x2));
    float dy = float(getDistanceY(y1, y2));
    return std::sqrt(dx * dx + dy * dy);
}
