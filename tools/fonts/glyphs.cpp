// FreeType rendering of single glyphs with light hinting; the stroked shape comes
// from FreeType's stroker (outer border only, so it covers the letter as well).
#include "glyphs.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_GLYPH_H
#include FT_STROKER_H

namespace fonts {

struct Rasterizer::Library {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    FT_Stroker stroker = nullptr;

    ~Library() {
        if (stroker) FT_Stroker_Done(stroker);
        if (face) FT_Done_Face(face);
        if (library) FT_Done_FreeType(library);
    }
};

namespace {

constexpr FT_Int32 LOAD_FLAGS = FT_LOAD_NO_BITMAP | FT_LOAD_TARGET_LIGHT;

void check(FT_Error error, const std::string& what) {
    if (error) throw std::runtime_error("FreeType: " + what + " failed (error " + std::to_string(error) + ")");
}

// Turns a glyph (consumed) into a coverage map placed against the line top.
Coverage toCoverage(FT_Glyph glyph, int ascent) {
    check(FT_Glyph_To_Bitmap(&glyph, FT_RENDER_MODE_NORMAL, nullptr, 1), "rendering a glyph");
    const auto* bitmapGlyph = reinterpret_cast<FT_BitmapGlyph>(glyph);
    const FT_Bitmap& bitmap = bitmapGlyph->bitmap;
    Coverage coverage;
    coverage.width = int(bitmap.width);
    coverage.height = int(bitmap.rows);
    coverage.left = bitmapGlyph->left;
    coverage.top = ascent - bitmapGlyph->top;
    coverage.alpha.resize(std::size_t(coverage.width) * std::size_t(coverage.height));
    for (int y = 0; y < coverage.height; ++y) {
        const unsigned char* row = bitmap.buffer + std::ptrdiff_t(y) * bitmap.pitch;
        std::copy(row, row + coverage.width, coverage.alpha.begin() + std::ptrdiff_t(y) * coverage.width);
    }
    FT_Done_Glyph(glyph);
    return coverage;
}

}  // namespace

Rasterizer::Rasterizer(const std::filesystem::path& ttf, int pixelSize, double strokeRadius)
    : m_ft(std::make_unique<Library>()) {
    check(FT_Init_FreeType(&m_ft->library), "initialisation");
    check(FT_New_Face(m_ft->library, ttf.c_str(), 0, &m_ft->face), "opening " + ttf.string());
    check(FT_Set_Pixel_Sizes(m_ft->face, 0, FT_UInt(pixelSize)), "setting the size");
    m_ascent = int(std::ceil(double(m_ft->face->size->metrics.ascender) / 64.0));
    m_descent = int(std::ceil(double(-m_ft->face->size->metrics.descender) / 64.0));
    if (strokeRadius > 0) {
        check(FT_Stroker_New(m_ft->library, &m_ft->stroker), "creating the stroker");
        FT_Stroker_Set(m_ft->stroker, FT_Fixed(std::lround(strokeRadius * 64)), FT_STROKER_LINECAP_ROUND,
                       FT_STROKER_LINEJOIN_ROUND, 0);
    }
}

Rasterizer::~Rasterizer() = default;

bool Rasterizer::hasGlyph(std::uint32_t code) const {
    return FT_Get_Char_Index(m_ft->face, code) != 0;
}

Glyph Rasterizer::render(std::uint32_t code) const {
    check(FT_Load_Char(m_ft->face, code, LOAD_FLAGS), "loading character " + std::to_string(code));
    Glyph result;
    result.advance = int(std::lround(double(m_ft->face->glyph->advance.x) / 64.0));
    FT_Glyph outline = nullptr;
    check(FT_Get_Glyph(m_ft->face->glyph, &outline), "copying a glyph");
    if (m_ft->stroker) {
        FT_Glyph widened = nullptr;
        check(FT_Glyph_Copy(outline, &widened), "copying a glyph");
        check(FT_Glyph_StrokeBorder(&widened, m_ft->stroker, 0, 1), "stroking a glyph");
        result.stroked = toCoverage(widened, m_ascent);
    }
    result.face = toCoverage(outline, m_ascent);
    return result;
}

}  // namespace fonts
