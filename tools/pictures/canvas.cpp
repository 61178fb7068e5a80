// A cairo image surface with its context; box blur and export to RGBA pixels.
// Both work on cairo's premultiplied native-endian 32-bit words directly.
#include "canvas.h"

#include <cstdint>
#include <stdexcept>
#include <vector>

namespace pictures {

Canvas::Canvas(int width, int height)
    : m_width(width),
      m_height(height),
      m_surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      m_cr(cairo_create(m_surface.get())) {
    if (cairo_status(m_cr.get()) != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error("cannot create a cairo surface");
    }
}

namespace {

// One box pass along a line of `count` words spaced `step` apart; each channel
// becomes the mean of the 2*radius+1 neighbours, edges clamped.
void boxLine(uint32_t* line, int count, int step, int radius, std::vector<uint32_t>& scratch) {
    scratch.resize(size_t(count));
    for (int i = 0; i < count; ++i) {
        scratch[size_t(i)] = line[i * step];
    }
    const int window = 2 * radius + 1;
    for (int shift = 0; shift < 32; shift += 8) {
        int sum = 0;
        auto channel = [&](int i) {
            int clamped = i < 0 ? 0 : (i >= count ? count - 1 : i);
            return int((scratch[size_t(clamped)] >> shift) & 0xFF);
        };
        for (int i = -radius; i <= radius; ++i) {
            sum += channel(i);
        }
        for (int i = 0; i < count; ++i) {
            uint32_t value = uint32_t((sum + window / 2) / window);
            line[i * step] = (line[i * step] & ~(0xFFu << shift)) | (value << shift);
            sum += channel(i + radius + 1) - channel(i - radius);
        }
    }
}

}  // namespace

void Canvas::blur(int radius) {
    cairo_surface_flush(surface());
    auto* data = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(surface()));
    const int stride = cairo_image_surface_get_stride(surface()) / 4;
    std::vector<uint32_t> scratch;
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < m_height; ++y) {
            boxLine(data + y * stride, m_width, 1, radius, scratch);
        }
        for (int x = 0; x < m_width; ++x) {
            boxLine(data + x, m_height, stride, radius, scratch);
        }
    }
    cairo_surface_mark_dirty(surface());
}

tools::RgbaImage Canvas::pixels() const {
    cairo_surface_flush(surface());
    const auto* data = cairo_image_surface_get_data(surface());
    const int stride = cairo_image_surface_get_stride(surface());
    tools::RgbaImage image{m_width, m_height, {}};
    image.pixels.reserve(size_t(m_width) * size_t(m_height) * 4);
    for (int y = 0; y < m_height; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(data + y * stride);
        for (int x = 0; x < m_width; ++x) {
            const uint32_t argb = row[x];
            const uint32_t a = argb >> 24;
            for (int shift : {16, 8, 0}) {
                const uint32_t c = (argb >> shift) & 0xFF;
                image.pixels.push_back(uint8_t(a == 0 ? 0 : (c * 255 + a / 2) / a));
            }
            image.pixels.push_back(uint8_t(a));
        }
    }
    return image;
}

}  // namespace pictures
