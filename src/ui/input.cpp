// The input snapshot and the mouse pointer.
#include "ui/input.h"

#include "persist/config.h"

vexaTInput input;
vexaTMousePointer mousePointer;

namespace {
int vexaTInput::* const functionKeys[] = {&vexaTInput::_F1, &vexaTInput::_F2, &vexaTInput::_F3,
                                           &vexaTInput::_F4, &vexaTInput::_F5, &vexaTInput::_F6,
                                           &vexaTInput::_F7, &vexaTInput::_F8, &vexaTInput::_F9,
                                           &vexaTInput::_F10};
}

int vexaTInput::functionKey(int number) const { return this->*functionKeys[number - 1]; }

int vexaTInput::FlushInput() {
    _MausFireLeft = _MausFireRight = 0;
    _MausDownLeft = _MausDownRight = 0;
    _MausZSpd = 0;
    _Enter = _Escape = _Space = 0;
    for (auto field : functionKeys) this->*field = 0;
    return 0;
}

int vexaTInput::Update() {
    if (_MausOK == 1) {
        _MausX = float(mouseX());
        _MausY = float(mouseY());
        _MausFireLeft = mouseHit(1);
        _MausFireRight = mouseHit(2);
        _MausDownLeft = mouseDown(1);
        _MausDownRight = mouseDown(2);
        _MausZSpd = mouseZSpeed();
        _MausDownLeftCount = _MausDownLeft == 1 ? _MausDownLeftCount + 1 : 0;
    }
    if (keyDown(KEY_ENTER)) _Enter = 1;
    if (keyHit(KEY_ESCAPE)) _Escape = 1;
    if (keyDown(KEY_SPACE)) _Space = 1;
    for (int number = 1; number <= 10; ++number) {
        if (keyDown(KEY_F1 + number - 1)) this->*functionKeys[number - 1] = 1;
    }
    return 0;
}

void vexaTMousePointer::loadPictures() {
    _imgPointer.LoadFromDisk(u"data/ui/cursor.png", 0, -1);
    _imgPointerUnlock.LoadFromDisk(u"data/ui/key.png", 0, -1);
}

int vexaTMousePointer::Update() {
    if (_useGFXPointer == 0) return 0;
    vexaTBild& picture = _drawPointer == _POINTER_UNLOCK ? _imgPointerUnlock : _imgPointer;
    picture.PaintXY(_x, _y);
    return 0;
}

int vexaTMousePointer::setXY(float x, float y) {
    _absX = x;
    _absY = y;
    _x = _isUsingRatio != 0 ? x * _ratioX : x;
    _y = _isUsingRatio != 0 ? y * _ratioY : y;
    return 0;
}

int vexaTMousePointer::SetPointer(int kind) {
    _drawPointer = kind;
    return 0;
}

int vexaTMousePointer::toggleGFXMode() {
    return _useGFXPointer == 1 ? disableGFXMode() : enableGFXMode();
}

namespace {

// The settings' Reset switches this pointer's picture back on.
[[maybe_unused]] const bool pointerLinkedToSettings = [] {
    linkPointerReset([] { mousePointer.enableGFXMode(); });
    return true;
}();

}  // namespace

int vexaTMousePointer::enableGFXMode() {
    _useGFXPointer = 1;
    hidePointer();
    return 0;
}

int vexaTMousePointer::disableGFXMode() {
    _useGFXPointer = 0;
    showPointer();
    return 0;
}
