// Bitmap fonts: every character has up to three layer pictures (face, border, shadow) read
// from a font file of glyph-layer records. This header holds the font model, the loader
// and the measuring and drawing operations; text_fx.h holds the per-glyph effect hooks.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/platform.h"

class TBitmapFont;
class iTextRendererFXBase;

// One layer of one character: where its picture sits relative to the pen, and the advance.
class TBitMapChar {
public:
    int DrawOffsetX = 0;
    int DrawOffsetY = 0;
    int DrawWidth = 0;
    int DrawHeight = 0;
    int Charwidth = 0;
    ::Image Image;

    // Reads the five numbers in field order from the stream's position; throws StreamError.
    int LoadDrawRenderingData(const Stream& stream);
};

class TPrivateFontKerning {
public:
    float HKF = 0;  // extra advance after each character
    float VKF = 0;  // extra space between lines
};

class TFontKerning {
public:
    TPrivateFontKerning PrivateData;
    void SetHKerning(float value) { PrivateData.HKF = value; }
    void SetVKerning(float value) { PrivateData.VKF = value; }
    float GetHKerning() const { return PrivateData.HKF; }
    float GetVKerning() const { return PrivateData.VKF; }
};

// The drawing state saved at the start of each text draw.
class TRenderStatus {
public:
    int OldBlend = 0;
    float Rotation = 0;
    float ScaleX = 0;
    float ScaleY = 0;
};

class TRectangle {
public:
    float X = 0, Y = 0, Width = 0, Height = 0;
    static TRectangle Create(float x, float y, float width, float height) { return {x, y, width, height}; }
    TRectangle Clone() const { return *this; }
};

class TDrawingPoint {
public:
    float X = 0, Y = 0;
    static TDrawingPoint Create(float x, float y) { return {x, y}; }
    TDrawingPoint Clone() const { return *this; }
};

namespace EConstBlend {
constexpr int Mask = 1, Solid = 2, Alpha = 3, Light = 4, Shade = 5;
// The blend mode in force.
inline int GetCurrent() { return getBlend(); }
}  // namespace EConstBlend

namespace eDrawCharStatus {
constexpr int Face = 1, Border = 2, Shadow = 4;
}

class TPrivateException {
public:
    String Description;
    const TBitmapFont* Offending = nullptr;
};

// A text could not be drawn.
class TDrawTextException {
public:
    TPrivateException PrivateData;
    TDrawTextException(String description, const TBitmapFont* font) : PrivateData{std::move(description), font} {}
    virtual ~TDrawTextException() = default;
    String ToString() const;
    const TBitmapFont* GetFontObject() const { return PrivateData.Offending; }
};

// A font file is corrupt: an unknown layer name, a code outside 0..65535, or a file ending inside a record.
class TBitmapFontLoadException : public TDrawTextException {
public:
    using TDrawTextException::TDrawTextException;
};

using CharTable = std::vector<std::optional<TBitMapChar>>;

class TPrivateBitmapFont {
public:
    CharTable Shadow = CharTable(256);
    CharTable Border = CharTable(256);
    CharTable Face = CharTable(256);
    std::function<void(float)> Progress = [](float) {};
    bool progressSet = false;
    int DrawShadow = 1;
    int DrawBorder = 1;
    int FontLoaded = 0;
    int ShadowBlend = 3;
    int FaceBlend = 3;
    int BorderBlend = 3;
    TRenderStatus RenderStatus;

    // Each layer over the whole text: the pen advances by the face entries' widths.
    void DrawFaceText(const String& text, float x, float y, const TBitmapFont& font);
    void DrawBorderText(const String& text, float x, float y, const TBitmapFont& font);
    void DrawShadowText(const String& text, float x, float y, const TBitmapFont& font);
    // Shadows, then borders, then faces, with the font's blends when useBlends is 1.
    void DrawTextLine(const String& text, float x, float y, int useBlends, const TBitmapFont& font);

private:
    void drawGlyph(const TBitmapFont& font, int status, const CharTable& layer, const TBitMapChar& glyph, int code,
                   const TDrawingPoint& at);
    void drawLayer(const CharTable& layer, int status, const String& text, float x, float y, const TBitmapFont& font);
};

class TBitmapFont {
public:
    TFontKerning Kerning;
    int UseMask = 0;
    int MaskColorRed = 0, MaskColorGreen = 0, MaskColorBlue = 0;
    int PhisicalPixelRounding = 0;
    std::shared_ptr<iTextRendererFXBase> RenderFX;
    TPrivateBitmapFont PrivateData;

    void SetDrawShadow(int value) { PrivateData.DrawShadow = value; }
    int GetDrawShadow() const { return PrivateData.DrawShadow; }
    void SetDrawBorder(int value) { PrivateData.DrawBorder = value; }
    int GetDrawBorder() const { return PrivateData.DrawBorder; }
    void SetProgressFunction(std::function<void(float)> progress);
    // Reads a font file; records add to what is loaded. Throws TBitmapFontLoadException when corrupt.
    void Load(const String& file, int flags);
    void Load(const Stream& stream, int flags);
    int FontLoaded() const { return PrivateData.FontLoaded; }
    // Draws one text (line feeds start new lines); align 0 left, 1 centred, 2 right.
    void DrawText(const String& text, float x, float y, int useBlends, int align);
    // Draws a text broken at characters so that no line is wider than maxWidth.
    void DrawTextMaxWidth(const String& text, float x, float y, double maxWidth, int useBlends);
    // Unscaled width of a text in pixels.
    int GetTxtWidth(const String& text) const;
    // Line height: the drawn height of the space's face.
    int GetFontHeight() const;
    ::Image GetFaceImage(int code) const;
    ::Image GetBorderImage(int code) const;
    ::Image GetShadowImage(int code) const;
    std::optional<TRectangle> GetFaceInfo(int code) const;
    std::optional<TRectangle> GetBorderInfo(int code) const;
    std::optional<TRectangle> GetShadowInfo(int code) const;
    int GetCharOffset(int code) const;
    TDrawingPoint GetCharBorderOffset(int code) const;
    TDrawingPoint GetCharShadowOffset(int code) const;
    void SetFaceBlend(int mode) { PrivateData.FaceBlend = mode; }
    int GetFaceBlend() const { return PrivateData.FaceBlend; }
    void SetBorderBlend(int mode) { PrivateData.BorderBlend = mode; }
    int GetBorderBlend() const { return PrivateData.BorderBlend; }
    void SetShadowBlend(int mode) { PrivateData.ShadowBlend = mode; }
    int GetShadowBlend() const { return PrivateData.ShadowBlend; }

    // The face entry at a code, or null when the code has none (also beyond the table).
    const TBitMapChar* faceEntry(int code) const;

private:
    void growTablesFor(int code);
    void readRecordOf(int code, const Stream& stream, int flags);
    void readOffsetLayer(TBitMapChar& entry, const Stream& stream, int flags, bool reportBadPicture);
    void readFaceLayer(TBitMapChar& entry, const Stream& stream, int flags);
    ::Image maskedFacePicture(const Stream& stream) const;
    void reportProgress(int code, int& lastReported);
};

// A loaded font (image flags 2), or null when the file could not be read to its end.
std::unique_ptr<TBitmapFont> loadBitmapFont(const String& file, std::function<void(float)> progress);
// Draws with a font, turning any failure into a TDrawTextException.
void drawTextSafe(TBitmapFont* font, const String& text, float x, float y, int useBlends);
// Turns a point on the line through centre about centre; angles within ±0.01 leave it.
TDrawingPoint rotateAboutPoint(float angle, const TDrawingPoint& point, const TDrawingPoint& centre);
// Rounds half away from zero.
int roundHalfAway(double value);
