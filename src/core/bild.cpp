// The image wrapper: loading, placement, the cached box and drawing.
#include "core/bild.h"

std::shared_ptr<vexaTBild> vexaTBild::Create() { return std::make_shared<vexaTBild>(); }

std::shared_ptr<vexaTImage> vexaTImage::Create() { return std::make_shared<vexaTImage>(); }

String vexaTBild::pathText() const { return url.value_or(String()); }

int vexaTBild::reset() {
    X = Y = 0;
    x1 = x2 = y1 = y2 = 0;
    sc = rot = 0;
    data = nullptr;
    isLoaded = 0;
    return 0;
}

int vexaTBild::LoadFromDisk(const String& path, int center, int flags) {
    url = path;
    data = loadImage(path, flags);
    if (!data) {
        Unload();
        debugLog(u"vexaTBild: Laden nicht erfolgreich (" + path + u")");
        return 0;
    }
    isLoaded = 1;
    W = float(imageWidth(data));
    H = float(imageHeight(data));
    label = path;
    // Only Center and setHandleTopLeft change isCentered: with center 0 a wrapper centred earlier
    // keeps its centred box although the new image's handle is its top-left corner.
    if (center == 1) Center();
    recalculateCoords();
    return 0;
}

int vexaTBild::Unload() {
    data = nullptr;
    isLoaded = 0;
    debugLog(u"vexaTBild: " + pathText() + u" (" + label + u") entladen.");
    return 1;
}

int vexaTBild::Paint() {
    if (isLoaded == 0) {
        debugLog(u"vexaTBild: PaintErr: " + pathText() + u" (" + label + u")");
        return 0;
    }
    drawImage(data, X, Y, 0);
    return 1;
}

int vexaTBild::PaintXY(float x, float y) {
    if (!data || isLoaded == 0) {
        // The doubled parenthesis is the game's own trace text.
        debugLog(u"vexaTBild: PaintErr: " + pathText() + u" (" + label + u")) an " + floatToString(x) + u"/" +
                 floatToString(y));
        return 0;
    }
    drawImage(data, x, y, 0);
    return 1;
}

int vexaTBild::setXY(float x, float y) {
    X = x;
    Y = y;
    recalculateCoords();
    return 1;
}

int vexaTBild::Center() {
    if (!data) {
        isCentered = 0;
        recalculateCoords();
        return 0;
    }
    midHandleImage(data);
    isCentered = 1;
    recalculateCoords();
    return 1;
}

int vexaTBild::recalculateCoords() {
    if (isCentered == 1) {
        x1 = X - W / 2;
        y1 = Y - H / 2;
        x2 = X + W / 2;
        y2 = Y + H / 2;
    } else {
        x1 = X;
        y1 = Y;
        x2 = X + W;
        y2 = Y + H;
    }
    return 0;
}

int vexaTBild::setHandleTopLeft() {
    if (isCentered != 1 || !data) return 0;
    setImageHandle(data, 0, 0);
    isCentered = 0;
    // The box stays centred until the next setXY or Center recomputes it.
    return 1;
}

int vexaTBild::debugOutputCoords() {
    debugLog(u"vexaTBild: Box-Koordinaten (x1,y1,x2,y2): (" + floatToString(x1) + u"," + floatToString(y1) + u"," +
             floatToString(x2) + u"," + floatToString(y2) + u")");
    return 0;
}
