// Reading font files into the three layer tables, and the per-character queries.
#include "font/bitmap_font.h"

namespace {

constexpr int SMALL_TABLE = 256;
constexpr int LARGE_TABLE = 65536;
const String CORRUPT_FONT = u"Unable to load the bitmapfont due to corrupted or unsuported file format";

// Skips every byte up to and including the next line feed (a NUL byte also ends the line).
void skipRestOfLine(const Stream& stream) {
    while (eof(stream) == 0) {
        uint8_t byte = readByte(stream);
        if (byte == 10 || byte == 0) return;
    }
}

std::optional<TRectangle> infoOf(const CharTable& table, int code) {
    if (code < 0 || code >= int(table.size()) || !table[size_t(code)]) return std::nullopt;
    const TBitMapChar& entry = *table[size_t(code)];
    return TRectangle::Create(float(entry.DrawOffsetX), float(entry.DrawOffsetY), float(entry.DrawWidth),
                              float(entry.DrawHeight));
}

Image imageOf(const CharTable& table, int code) {
    if (code < 0 || code >= int(table.size()) || !table[size_t(code)]) return nullptr;
    return table[size_t(code)]->Image;
}

TDrawingPoint offsetOf(const CharTable& table, int code) {
    std::optional<TRectangle> info = infoOf(table, code);
    return info ? TDrawingPoint::Create(info->X, info->Y) : TDrawingPoint{};
}

}  // namespace

int TBitMapChar::LoadDrawRenderingData(const Stream& stream) {
    DrawOffsetX = readInt(stream);
    DrawOffsetY = readInt(stream);
    DrawWidth = readInt(stream);
    DrawHeight = readInt(stream);
    Charwidth = readInt(stream);
    return 0;
}

String TDrawTextException::ToString() const {
    return PrivateData.Description.empty() ? u"The requested action could not be completed." : PrivateData.Description;
}

void TBitmapFont::SetProgressFunction(std::function<void(float)> progress) {
    PrivateData.progressSet = bool(progress);
    if (progress) PrivateData.Progress = std::move(progress);
}

void TBitmapFont::Load(const String& file, int flags) {
    Stream stream = openStream(file, true, false);
    if (stream) Load(stream, flags);
}

void TBitmapFont::Load(const Stream& stream, int flags) {
    int lastReported = 0;
    try {
        while (eof(stream) == 0) {
            int code = readInt(stream);
            if (code < 0 || code >= LARGE_TABLE) throw TBitmapFontLoadException(CORRUPT_FONT, this);
            readRecordOf(code, stream, flags);
            reportProgress(code, lastReported);
        }
    } catch (const StreamError&) {
        // The file ends inside a record.
        closeStream(stream);
        throw TBitmapFontLoadException(CORRUPT_FONT, this);
    } catch (const TBitmapFontLoadException&) {
        closeStream(stream);
        throw;
    }
    closeStream(stream);
    PrivateData.FontLoaded = 1;
}

void TBitmapFont::growTablesFor(int code) {
    if (code < SMALL_TABLE || PrivateData.Face.size() > size_t(SMALL_TABLE)) return;
    for (CharTable* table : {&PrivateData.Shadow, &PrivateData.Border, &PrivateData.Face}) table->resize(LARGE_TABLE);
}

void TBitmapFont::readRecordOf(int code, const Stream& stream, int flags) {
    growTablesFor(code);
    for (CharTable* table : {&PrivateData.Shadow, &PrivateData.Border, &PrivateData.Face}) {
        if (!(*table)[size_t(code)]) (*table)[size_t(code)].emplace();
    }
    String layer = readLine(stream);
    if (layer == u"SHADOW" || layer == u"BORDER") {
        readOffsetLayer(*(layer == u"SHADOW" ? PrivateData.Shadow : PrivateData.Border)[size_t(code)], stream, flags,
                        layer == u"SHADOW");
    } else if (layer == u"FACE") {
        readFaceLayer(*PrivateData.Face[size_t(code)], stream, flags);
    } else {
        throw TBitmapFontLoadException(CORRUPT_FONT, this);
    }
}

// Border and shadow pictures are drawn displaced by their offsets.
void TBitmapFont::readOffsetLayer(TBitMapChar& entry, const Stream& stream, int flags, bool reportBadPicture) {
    readInt(stream);
    entry.Image = loadImage(stream, flags);
    if (entry.Image) setImageHandle(entry.Image, 0, 0);
    skipRestOfLine(stream);
    if (!entry.Image && reportBadPicture) printLine(u"ERROR LOADING PNG");
    readInt(stream);
    entry.LoadDrawRenderingData(stream);
    if (entry.Image) setImageHandle(entry.Image, -float(entry.DrawOffsetX), -float(entry.DrawOffsetY));
    skipRestOfLine(stream);
}

// A face picture takes its handle from the offsets its entry had before this record, so a
// character met for the first time is drawn with its top-left corner at the pen.
void TBitmapFont::readFaceLayer(TBitMapChar& entry, const Stream& stream, int flags) {
    readInt(stream);
    entry.Image = UseMask == 1 ? maskedFacePicture(stream) : loadImage(stream, flags);
    if (entry.Image) {
        setImageHandle(entry.Image, 0, 0);
        setImageHandle(entry.Image, -float(entry.DrawOffsetX), -float(entry.DrawOffsetY));
    }
    skipRestOfLine(stream);
    readInt(stream);
    entry.LoadDrawRenderingData(stream);
    skipRestOfLine(stream);
}

Image TBitmapFont::maskedFacePicture(const Stream& stream) const {
    PixmapPtr pixels = loadPixmap(stream);
    if (!pixels) return nullptr;
    PixmapPtr masked = maskPixmap(*pixels, MaskColorRed, MaskColorGreen, MaskColorBlue);
    return loadImage(*masked, 1);
}

void TBitmapFont::reportProgress(int code, int& lastReported) {
    if (!PrivateData.progressSet) return;
    float percent = 100.0f * float(code) / float(PrivateData.Face.size());
    if (floatToInt(percent) == lastReported) return;
    lastReported = floatToInt(percent);
    PrivateData.Progress(percent);
}

const TBitMapChar* TBitmapFont::faceEntry(int code) const {
    const CharTable& face = PrivateData.Face;
    if (code < 0 || code >= int(face.size()) || !face[size_t(code)]) return nullptr;
    return &*face[size_t(code)];
}

Image TBitmapFont::GetFaceImage(int code) const { return imageOf(PrivateData.Face, code & 0xFF); }
Image TBitmapFont::GetBorderImage(int code) const { return imageOf(PrivateData.Border, code & 0xFF); }
Image TBitmapFont::GetShadowImage(int code) const { return imageOf(PrivateData.Shadow, code & 0xFF); }
std::optional<TRectangle> TBitmapFont::GetFaceInfo(int code) const { return infoOf(PrivateData.Face, code & 0xFF); }
std::optional<TRectangle> TBitmapFont::GetBorderInfo(int code) const {
    return infoOf(PrivateData.Border, code & 0xFF);
}
std::optional<TRectangle> TBitmapFont::GetShadowInfo(int code) const {
    return infoOf(PrivateData.Shadow, code & 0xFF);
}

int TBitmapFont::GetCharOffset(int code) const {
    const TBitMapChar* entry = faceEntry(code & 0xFF);
    return entry ? entry->Charwidth : 0;
}

TDrawingPoint TBitmapFont::GetCharBorderOffset(int code) const { return offsetOf(PrivateData.Border, code & 0xFF); }
TDrawingPoint TBitmapFont::GetCharShadowOffset(int code) const { return offsetOf(PrivateData.Shadow, code & 0xFF); }

std::unique_ptr<TBitmapFont> loadBitmapFont(const String& file, std::function<void(float)> progress) {
    auto font = std::make_unique<TBitmapFont>();
    font->SetProgressFunction(std::move(progress));
    font->Load(file, 2);
    if (font->FontLoaded() != 1) return nullptr;
    return font;
}
