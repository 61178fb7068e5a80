// The image wrapper through which every picture of the game is loaded, placed (by its centre
// or its top-left corner) and drawn. It keeps no drawing state: blend, alpha, colour, scale and
// rotation are whatever the caller last set on the platform.
#pragma once

#include <memory>
#include <optional>

#include "platform/platform.h"

// A picture from the data folder with its drawing position, size, handle rule and a cached box.
// Owners hold their wrappers for life; the wrapper owns the platform image.
class vexaTBild {
public:
    std::optional<String> url;  // path last requested; empty until the first LoadFromDisk
    Image data;                 // the loaded image, null when nothing is loaded
    float X = 0;                // drawing position used by Paint
    float Y = 0;
    float W = 0;  // size of the last successfully loaded image; never cleared
    float H = 0;
    float x1 = 0;  // the box: recomputed only by recalculateCoords
    float x2 = 0;
    float y1 = 0;
    float y2 = 0;
    float sc = 0;   // scale slot carried for the owner; never applied here
    float rot = 0;  // rotation slot (degrees) carried for the owner; never applied here
    int isLoaded = 0;
    int isCentered = 0;
    String label;  // name used in trace lines: the path of the last successful load

    virtual ~vexaTBild() = default;
    vexaTBild() = default;
    // Two wrappers sharing one image would move each other's handle, so wrappers only move.
    vexaTBild(const vexaTBild&) = delete;
    vexaTBild& operator=(const vexaTBild&) = delete;
    vexaTBild(vexaTBild&&) = default;
    vexaTBild& operator=(vexaTBild&&) = default;

    // A new, empty wrapper.
    static std::shared_ptr<vexaTBild> Create();

    // Moves to (0, 0), zeroes the box and the scale and rotation slots and lets the image go;
    // size, handle rule, url and label stay. Returns 0.
    virtual int reset();
    // Loads the picture at url (center 1 puts the handle at its middle); a failed load leaves the
    // wrapper unloaded with its old size, position and box. Returns 0.
    virtual int LoadFromDisk(const String& path, int center, int flags);
    // Lets the image go; position, size, box and handle rule stay. Returns 1.
    virtual int Unload();
    // Draws at (X, Y) with the current drawing state; 1 when drawn, 0 when nothing is loaded.
    virtual int Paint();
    // Draws at (x, y) without storing the point; 1 when drawn, 0 when nothing is loaded.
    virtual int PaintXY(float x, float y);
    // Sets the position and recomputes the box. Returns 1.
    virtual int setXY(float x, float y);
    // Puts the image's handle at its middle; 1 when an image is loaded, else 0 (top-left box rule).
    virtual int Center();
    // Recomputes the box from the position, the size and the handle rule. Returns 0.
    virtual int recalculateCoords();
    // Moves the handle of a centred image back to its top-left corner, leaving the box as it is;
    // 1 when done, else 0.
    virtual int setHandleTopLeft();
    // Writes the box to the trace. Returns 0.
    virtual int debugOutputCoords();

private:
    // The path for trace lines: empty before the first load.
    String pathText() const;
};

// A second name for the same kind of wrapper; adds nothing.
class vexaTImage : public vexaTBild {
public:
    // A new, empty wrapper.
    static std::shared_ptr<vexaTImage> Create();
};
