// Laying out and drawing text with a bitmap font: layers, line feeds, rotation about the
// line start, pixel snapping, effect hooks, measuring and width-limited lines.
#include <cmath>
#include <typeinfo>

#include "font/bitmap_font.h"
#include "font/text_fx.h"

namespace {

const TBitMapChar* entryAt(const CharTable& table, int code) {
    if (code < 0 || code >= int(table.size()) || !table[size_t(code)]) return nullptr;
    return &*table[size_t(code)];
}

// Runs a glyph layer past every hook of the chain; returns the action to draw from.
TDrawCharAction passThroughHooks(const TBitmapFont& font, int status, int code, const TDrawingPoint& at,
                                 float sx, float sy) {
    TDrawCharAction action{code, at.X, at.Y, sx, sy, &font, 0, status};
    for (iTextRendererFXBase* hook = font.RenderFX.get(); hook != nullptr; hook = hook->ChainFX.get()) {
        if (status == eDrawCharStatus::Shadow) hook->DrawShadowChar(action);
        if (status == eDrawCharStatus::Border) hook->DrawBorderChar(action);
        if (status == eDrawCharStatus::Face) hook->DrawFaceChar(action);
    }
    return action;
}

// Draws a glyph snapped to whole display pixels at its scaled size.
void drawSnapped(const Image& image, const TDrawingPoint& at, float sx, float sy) {
    float vw = virtualWidth(), vh = virtualHeight();
    float dw = float(displayWidth()), dh = float(displayHeight());
    setVirtualResolution(dw, dh);
    float width = float(imageWidth(image)), height = float(imageHeight(image));
    setScale(float(roundHalfAway(dw * sx / vw * width)) / width, float(roundHalfAway(dh * sy / vh * height)) / height);
    drawImage(image, float(roundHalfAway(at.X * dw / vw)), float(roundHalfAway(at.Y * dh / vh)), 0);
    setVirtualResolution(vw, vh);
    setScale(sx, sy);
}

}  // namespace

TDrawingPoint rotateAboutPoint(float angle, const TDrawingPoint& point, const TDrawingPoint& centre) {
    if (angle >= -0.01f && angle <= 0.01f) return point.Clone();
    float distance = std::sqrt((point.X - centre.X) * (point.X - centre.X) + (point.Y - centre.Y) * (point.Y - centre.Y));
    return TDrawingPoint::Create(centre.X + distance * cosDeg(angle), centre.Y + distance * sinDeg(angle));
}

int roundHalfAway(double value) {
    double sign = value > 0 ? 1.0 : (value < 0 ? -1.0 : 0.0);
    return floatToInt(value + 0.5 * sign);
}

void TPrivateBitmapFont::drawLayer(const CharTable& layer, int status, const String& text, float x, float y,
                                   const TBitmapFont& font) {
    float sx = RenderStatus.ScaleX, sy = RenderStatus.ScaleY, rotation = RenderStatus.Rotation;
    const TDrawingPoint centre = TDrawingPoint::Create(x, y);
    float penX = x;
    for (size_t i = 0; i < text.size(); ++i) {
        int code = text[i];
        if (code == 10) {
            float lineHeight = float(font.GetFontHeight());
            drawLayer(layer, status, text.substr(i + 1), x, y + sy * lineHeight + sy * font.Kerning.GetVKerning(), font);
            return;
        }
        const TBitMapChar* face = entryAt(Face, code);
        const TBitMapChar* glyph = entryAt(layer, code);
        if (glyph != nullptr && glyph->Image) {
            drawGlyph(font, status, layer, *glyph, code, rotateAboutPoint(rotation, TDrawingPoint::Create(penX, y), centre));
        }
        // Every layer advances by the face, so a missing border or shadow keeps the others in register.
        if (face != nullptr) penX += sx * float(face->Charwidth) + sx * font.Kerning.GetHKerning();
    }
}

void TPrivateBitmapFont::drawGlyph(const TBitmapFont& font, int status, const CharTable& layer,
                                   const TBitMapChar& glyph, int code, const TDrawingPoint& at) {
    float sx = RenderStatus.ScaleX, sy = RenderStatus.ScaleY;
    if (font.RenderFX) {
        TDrawCharAction action = passThroughHooks(font, status, code, at, sx, sy);
        const TBitMapChar* drawn = entryAt(layer, action.Char);
        if (action.Handled != 1 && drawn != nullptr && drawn->Image) drawImage(drawn->Image, action.X, action.Y, 0);
    } else if (font.PhisicalPixelRounding == 1 && status != eDrawCharStatus::Shadow) {
        drawSnapped(glyph.Image, at, sx, sy);
    } else {
        drawImage(glyph.Image, at.X, at.Y, 0);
    }
}

void TPrivateBitmapFont::DrawFaceText(const String& text, float x, float y, const TBitmapFont& font) {
    drawLayer(Face, eDrawCharStatus::Face, text, x, y, font);
}

void TPrivateBitmapFont::DrawBorderText(const String& text, float x, float y, const TBitmapFont& font) {
    drawLayer(Border, eDrawCharStatus::Border, text, x, y, font);
}

void TPrivateBitmapFont::DrawShadowText(const String& text, float x, float y, const TBitmapFont& font) {
    drawLayer(Shadow, eDrawCharStatus::Shadow, text, x, y, font);
}

void TPrivateBitmapFont::DrawTextLine(const String& text, float x, float y, int useBlends, const TBitmapFont& font) {
    if (font.RenderFX) {
        TDrawTextAction begin{text, x, y, &font};
        font.RenderFX->DrawTextBegin(begin);
    }
    RenderStatus.OldBlend = getBlend();
    getScale(RenderStatus.ScaleX, RenderStatus.ScaleY);
    RenderStatus.Rotation = getRotation();
    if (DrawShadow == 1) {
        if (useBlends == 1) setBlend(ShadowBlend);
        DrawShadowText(text, x, y, font);
    }
    if (DrawBorder == 1) {
        if (useBlends == 1) setBlend(BorderBlend);
        DrawBorderText(text, x, y, font);
    }
    if (useBlends == 1) setBlend(FaceBlend);
    DrawFaceText(text, x, y, font);
    setBlend(RenderStatus.OldBlend);
    if (font.RenderFX) {
        TDrawTextAction end{text, x, y, &font};
        font.RenderFX->DrawTextEnd(end);
    }
}

void TBitmapFont::DrawText(const String& text, float x, float y, int useBlends, int align) {
    float sx = 0, sy = 0;
    getScale(sx, sy);
    if (align == 1) x -= float(floatToInt(floatToInt(float(GetTxtWidth(text)) * sx) * 0.5));
    if (align == 2) x -= float(floatToInt(float(GetTxtWidth(text)) * sx));
    PrivateData.DrawTextLine(text, x, y, useBlends, *this);
}

int TBitmapFont::GetTxtWidth(const String& text) const {
    int width = 0;
    const TBitMapChar* last = faceEntry(0);
    for (char16_t code : text) {
        const TBitMapChar* entry = faceEntry(code);
        if (entry == nullptr) continue;
        width = floatToInt(float(width) + float(entry->Charwidth) + Kerning.GetHKerning());
        last = entry;
    }
    // In double, so that the numbers of a damaged font cannot overflow.
    return last != nullptr ? floatToInt(double(width) + last->DrawWidth - last->Charwidth) : width;
}

int TBitmapFont::GetFontHeight() const {
    const TBitMapChar* space = faceEntry(32);
    return space != nullptr ? space->DrawHeight : 0;
}

void TBitmapFont::DrawTextMaxWidth(const String& text, float x, float y, double maxWidth, int useBlends) {
    float sx = 0, sy = 0;
    getScale(sx, sy);
    const float lineStep = float(GetFontHeight()) * sy + sy * Kerning.GetVKerning();
    const float kerning = sx * Kerning.GetHKerning();
    String line;
    double lineWidth = 0;
    for (char16_t code : text) {
        const TBitMapChar* face = faceEntry(code);
        bool noEntry = code >= PrivateData.Face.size();
        if (code == 10 || noEntry) {
            DrawText(line, x, y, useBlends, 0);
            y += lineStep;
            lineWidth = 0;
            line.clear();
        } else if (face != nullptr) {
            if (double(float(face->DrawWidth) * sx + kerning) + lineWidth >= maxWidth - std::abs(sx)) {
                DrawText(line, x, y, useBlends, 0);
                if (!line.empty()) y += lineStep;
                line = String(1, code);
                lineWidth = float(face->Charwidth) * sx + kerning;
            } else {
                line += code;
                lineWidth += float(face->Charwidth) * sx + kerning;
            }
        }
        if (y > float(displayHeight())) return;
    }
    if (!line.empty()) DrawText(line, x, y, useBlends, 0);
}

void drawTextSafe(TBitmapFont* font, const String& text, float x, float y, int useBlends) {
    if (font == nullptr) throw TDrawTextException(u"Can't draw text becouse the bitmapfont is null.", nullptr);
    try {
        font->DrawText(text, x, y, useBlends, 0);
    } catch (const TDrawTextException& error) {
        throw TDrawTextException(u"There was an unhandled exception inside this drawtext operation. The exception source is: " +
                                     toString16(typeid(error).name()) + u":" + error.ToString(),
                                 font);
    } catch (const std::exception& error) {
        throw TDrawTextException(u"There was an unhandled exception inside this drawtext operation. The exception source is: " +
                                     toString16(typeid(error).name()) + u":" + toString16(error.what()),
                                 font);
    }
}
