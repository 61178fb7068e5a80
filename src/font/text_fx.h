// Effect hooks of text drawing: a chain of hooks sees every glyph layer before it is drawn
// and may move it, replace its character or suppress it.
#pragma once

#include <memory>

#include "font/bitmap_font.h"

class TDrawTextAction {
public:
    String Text;
    float X = 0, Y = 0;
    const TBitmapFont* Font = nullptr;
};

class TDrawCharAction {
public:
    int Char = 0;
    float X = 0, Y = 0;
    float CurrentScaleX = 0, CurrentScaleY = 0;
    const TBitmapFont* font = nullptr;
    int Handled = 0;  // 1 suppresses the default drawing
    int Status = 0;   // eDrawCharStatus of the layer
};

class iTextRendererFXBase {
public:
    std::shared_ptr<iTextRendererFXBase> ChainFX;

    virtual ~iTextRendererFXBase() = default;
    virtual void DrawTextBegin(TDrawTextAction&) {}
    virtual void DrawTextEnd(TDrawTextAction&) {}
    virtual void DrawShadowChar(TDrawCharAction&) {}
    virtual void DrawBorderChar(TDrawCharAction&) {}
    virtual void DrawFaceChar(TDrawCharAction&) {}
};
