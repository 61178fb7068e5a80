// A cairo image surface with its drawing context, owned together, plus the
// operations cairo lacks that the pictures need: a soft blur and the export
// to straight-alpha pixels for the PNG and JPEG writers.
#pragma once

#include <memory>

#include <cairo.h>

#include "common/image_io.h"

namespace pictures {

class Canvas {
public:
    // A transparent ARGB surface of the given size.
    Canvas(int width, int height);

    cairo_t* cr() const { return m_cr.get(); }
    cairo_surface_t* surface() const { return m_surface.get(); }
    int width() const { return m_width; }
    int height() const { return m_height; }

    // Blurs all four channels in place (three box passes, close to a Gaussian).
    void blur(int radius);
    // The pixels with alpha un-premultiplied, rows from the top.
    tools::RgbaImage pixels() const;

private:
    struct SurfaceFree {
        void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
    };
    struct ContextFree {
        void operator()(cairo_t* c) const { cairo_destroy(c); }
    };
    int m_width;
    int m_height;
    std::unique_ptr<cairo_surface_t, SurfaceFree> m_surface;
    std::unique_ptr<cairo_t, ContextFree> m_cr;
};

}  // namespace pictures
