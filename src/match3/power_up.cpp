// The shared power-up button: its pictures, the status drawn every frame, hover highlight and
// tooltip, click acceptance, unlocking and paying, and the messages at the button.
#include "match3/power_up.h"

#include "font/game_fonts.h"
#include "game/globals.h"
#include "game/shared_state.h"
#include "match3/scene_match3.h"
#include "persist/language_file.h"
#include "persist/player.h"
#include "ui/buttons.h"
#include "ui/input.h"
#include "ui/interface_helpers.h"
#include "ui/messages.h"
#include "ui/popup.h"
#include "ui/sound_handler.h"

namespace {

// Half a second of rest on the button before its price shows.
constexpr int TOOLTIP_DELAY = 20;
constexpr float HOVER_HIGHLIGHT = 0.7f;

}  // namespace

void vexaTPowerUp::configure(const String& label, float x, float y, int unlockCost, int chargeCost, int level,
                             const String& folder) {
    _label = label;
    _x = x;
    _y = y;
    _unlockCost = unlockCost;
    _chargeCost = chargeCost;
    _availableOnLevel = level;
    imgPath = folder;
}

void vexaTPowerUp::loadPictures() {
    _imgReady.LoadFromDisk(imgPath + u"ready.png", 1, -1);
    _imgDisabled.LoadFromDisk(imgPath + u"disabled.png", 1, -1);
    _imgBackground.LoadFromDisk(imgPath + u"background.png", 1, -1);
    _imgLocked.LoadFromDisk(imgPath + u"lock.png", 1, -1);
    for (vexaTBild* picture : {&_imgReady, &_imgDisabled, &_imgBackground, &_imgLocked}) picture->setXY(_x, _y);
}

void vexaTPowerUp::resetAll() {
    isAvailable = isRunning = isSelected = isUnlocked = isReady = isHover = isPopup = isIdle = isFirstTime = 0;
    _runtime = _hover_runtime = _idle = _target = _glow = 0;
}

int vexaTPowerUp::_introduceMyself(const String& name, float y) {
    String title = languageFile.getValue(u"helppowerup" + name + u"title");
    String text = languageFile.getValue(u"helppowerup" + name + u"text");
    popupHandler.box(POPUP_SIZE_BIG, title, 0);
    drawCentredLines(text, fontText, 512, y);
    return 0;
}

int vexaTPowerUp::IntroductionPicture(float x, float y) {
    setScale(1, 1);
    _imgBackground.PaintXY(x, y);
    _imgReady.PaintXY(x, y);
    setScale(1, 1);
    return 0;
}

int vexaTPowerUp::_checkStatus() {
    setScale(1, 1);
    if (_checkAvailability(currentPlayer().Level) == 0) return 0;
    _imgBackground.Paint();
    checkHover();
    checkReady();
    if (isUnlocked == 0) {
        _imgDisabled.Paint();
        _imgLocked.Paint();
    } else if (isReady == 1) {
        _imgReady.Paint();
    } else {
        _imgDisabled.Paint();
    }
    return 0;
}

int vexaTPowerUp::_checkAvailability(int level) {
    isAvailable = level >= _availableOnLevel ? 1 : 0;
    return isAvailable;
}

int vexaTPowerUp::checkReady() {
    if (isUnlocked == 0)
        isReady = 0;
    else if (isFirstTime != 0)
        isReady = 1;
    else
        isReady = currentPlayer().StoryPoints >= _chargeCost ? 1 : 0;
    return isReady;
}

int vexaTPowerUp::setup(int unlocked, int ready) {
    if (unlocked != 1) return 0;
    _Unlock(0, 1);
    if (ready != 0) setReady();
    return 1;
}

int vexaTPowerUp::checkUnlock(int points) const { return points >= _unlockCost ? 1 : 0; }

int vexaTPowerUp::_Unlock(int playSound, int free) {
    if (free == 0) {
        TSpieler& player = currentPlayer();
        if (player.StoryPoints < _unlockCost) {
            _msgPowerUpNotEnoughPoints();
            return 0;
        }
        player.decStoryPoints(_unlockCost);
    }
    isUnlocked = 1;
    isFirstTime = 1;
    if (playSound != 0) playSoundEffect(SOUND_PU_UNLOCKED, _x);
    if (free == 0) _msgPowerUpUnlocked();
    return 0;
}

int vexaTPowerUp::_lock() {
    isUnlocked = 0;
    return 1;
}

int vexaTPowerUp::setReady() {
    isReady = 1;
    return 1;
}

int vexaTPowerUp::_resetRuntime() {
    _runtime = 0;
    isRunning = 0;
    g_powerUpBusy = 0;
    return 1;
}

int vexaTPowerUp::setX(float x) {
    _x = x;
    return 0;
}

int vexaTPowerUp::setY(float y) {
    _y = y;
    return 1;
}

int vexaTPowerUp::setXY(float x, float y) {
    setX(x);
    setY(y);
    return 1;
}

int vexaTPowerUp::checkHover() {
    float px = mousePointer._x, py = mousePointer._y;
    if (_x - 50 < px && px < _x + 50 && _y - 60 < py && py < _y + 50) {
        isHover = 1;
        return 1;
    }
    isHover = 0;
    _hover_runtime = 0;
    return 0;
}

int vexaTPowerUp::message(int sound, const char16_t* key) {
    if (sound != 0) playSoundEffect(sound, _x);
    messageHandler.addMessage(languageFile.getValue(key), _x, _y);
    return 0;
}

int vexaTPowerUp::_msgPowerUpNotReady() { return message(SOUND_PUNO, u"powerupnotready"); }
int vexaTPowerUp::_msgPowerUpNotEnoughPoints() { return message(SOUND_PUNO, u"powerupnotenoughpoints"); }
int vexaTPowerUp::_msgPowerUpReadyForAction() { return message(SOUND_EXPLOSION2, u"powerupready"); }
int vexaTPowerUp::_msgPowerUpUnlocked() { return message(0, u"powerupunlocked"); }
int vexaTPowerUp::_msgPowerUpBusy() { return message(SOUND_PUNO, u"powerupbusy"); }

int vexaTPowerUp::_onHover() {
    float a = getAlpha();
    _hover_runtime += 1;
    setBlend(BLEND_LIGHT);
    setAlpha(a * HOVER_HIGHLIGHT);
    if (isReady == 1)
        _imgReady.Paint();
    else if (isUnlocked == 0)
        _imgDisabled.Paint();
    setBlend(BLEND_ALPHA);
    setAlpha(a);
    const vexaTSceneMatch3& scene = sceneMatch3;
    bool accepted = scene._winrun == 0 && popupRuntime() == 0 && scene._inruhe == 1 && scene._swapping == 0 &&
                    input._MausFireLeft == 1 && g_powerUpBusy == 0;
    if (accepted) {
        _hover_runtime = 0;
        _onClick();
    }
    if (isUnlocked == 0) mousePointer.SetPointer(_POINTER_UNLOCK);
    if (_hover_runtime > TOOLTIP_DELAY) showPriceTooltip();
    return 0;
}

void vexaTPowerUp::showPriceTooltip() {
    String text = isUnlocked != 0 ? languageFile.getValue(u"useitfor") + u" " + intToString(_chargeCost)
                                  : languageFile.getValue(u"unlockitfor") + u" " + intToString(_unlockCost);
    setScale(1, 1);
    drawTooltip(text, mousePointer._x, _imgReady.y1 - 60);
}

void vexaTPowerUp::updateButton() {
    _debugInfo();
    _checkStatus();
    if (isHover == 1) _onHover();
}

void vexaTPowerUp::payForUse() {
    if (isFirstTime == 0) currentPlayer().decStoryPoints(_chargeCost);
}

int vexaTPowerUp::onClickTargetPicking() {
    if (isUnlocked == 0) return _Unlock(1, 0);
    if (isRunning == 1) return _msgPowerUpBusy();
    if (isSelected == 1) {
        playSoundEffect(SOUND_PU_DESELECT, _x);
        return _deselect();
    }
    if (isReady == 1) {
        playSoundEffect(SOUND_PU_SELECT, _x);
        return _select();
    }
    return _msgPowerUpNotReady();
}

int vexaTPowerUp::onClickImmediate() {
    if (isUnlocked == 0) return _Unlock(1, 0);
    if (isRunning == 1) return _msgPowerUpBusy();
    if (isReady == 1) return _select();
    return _msgPowerUpNotReady();
}
