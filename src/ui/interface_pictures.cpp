// The shared interface pictures and their loader. Pictures that no screen draws (a second
// collision picture, a line, a help arrow, a second button array and the load background)
// are not loaded.
#include "ui/interface_pictures.h"

#include "game/shared_state.h"
#include "persist/language_file.h"
#include "ui/holo_button.h"
#include "ui/popup.h"

vexaTBild imgOptionsTrack;
vexaTBild imgColl3;
vexaTBild imgNiner, imgHelpTileExpl, imgHelpStoneExpl;
std::array<vexaTBild, 10> imgButtons;
vexaTBild imgClose, imgCloseHover;
vexaTBild imgCheckbox, imgCheckmark;
std::array<vexaTBild, 11> imgSliderParts;
vexaTBild imgPlayerMenu, imgBar, imgUiTopFull, imgScores;
vexaTBild imgStageWaypointActive, imgStageWaypointInactive;
vexaTBild imgWaypointActive, imgWaypointInactive;
std::array<vexaTBild, 3> imgHoloButtons;
Image imgHoloWobble;
std::array<vexaTBild, 5> imgAsteroids;
Image imgImpact;

namespace {

constexpr int CENTRED = 1;
constexpr int TOP_LEFT = 0;
constexpr int DEFAULT_FLAGS = -1;
constexpr int HOLO_ROW_Y = 666;
constexpr int SCENE_LAYER = 1;

void loadCentred(vexaTBild& picture, const String& path) { picture.LoadFromDisk(path, CENTRED, DEFAULT_FLAGS); }

void loadPopupPictures() {
    loadCentred(popupHandler.imgPopupSmall, u"data/UI/popupsmall.png");
    loadCentred(popupHandler.imgPopupMedium, u"data/UI/popupmedium.png");
    loadCentred(popupHandler.imgPopupBig, u"data/UI/popupbig.png");
    loadCentred(popupHandler.imgPopupMini, u"data/UI/popupmini.png");
    loadCentred(popupHandler.imgPaperCanvas, u"data/UI/playermenu.png");
    popupHandler.imgPopupShadow.LoadFromDisk(u"data/UI/popupshadow.png", TOP_LEFT, DEFAULT_FLAGS);
}

void loadHelpPictures() {
    loadCentred(imgNiner, u"data/UI/niner.png");
    loadCentred(imgHelpTileExpl, u"data/UI/helptileexpl.png");
    loadCentred(imgHelpStoneExpl, u"data/UI/helpstoneexpl.png");
}

void loadButtonPictures() {
    loadCentred(imgButtons[1], u"data/UI/buttons/button_holo.png");
    loadCentred(imgButtons[3], u"data/UI/buttons/button_glas.png");
    loadCentred(imgButtons[6], u"data/UI/buttons/next.png");
    loadCentred(imgButtons[7], u"data/UI/buttons/previous.png");
    loadCentred(imgClose, u"data/UI/buttons/button_close.png");
    loadCentred(imgCloseHover, u"data/UI/buttons/button_closehover.png");
    loadCentred(imgCheckbox, u"data/UI/cb.png");
    loadCentred(imgCheckmark, u"data/UI/h.png");
    loadCentred(imgSliderParts[10], u"data/ui/bnmove2.png");
}

void loadPanelPictures() {
    loadCentred(imgPlayerMenu, u"data/UI/playermenu.png");
    loadCentred(imgBar, u"data/UI/bar.png");
    loadCentred(imgUiTopFull, u"data/UI/uitopfull.png");
    loadCentred(imgScores, u"data/UI/scores.png");
}

void loadWaypointPictures() {
    loadCentred(imgStageWaypointActive, u"data/roadmap/stage-waypoint-aktiv.png");
    loadCentred(imgStageWaypointInactive, u"data/roadmap/stage-waypoint-inaktiv.png");
    loadCentred(imgWaypointActive, u"data/roadmap/waypoint-aktiv.png");
    loadCentred(imgWaypointInactive, u"data/roadmap/waypoint-inaktiv.png");
}

void loadEffectPictures() {
    for (size_t i = 0; i < imgHoloButtons.size(); ++i)
        loadCentred(imgHoloButtons[i], u"data/UI/buttons/0" + intToString(int(i) + 1) + u"_holo.png");
    imgHoloWobble = loadAnimImage(u"data/effects/holowobbel.png", 128, 128, 0, 32, DEFAULT_FLAGS);
    for (size_t i = 0; i < imgAsteroids.size(); ++i)
        imgAsteroids[i].LoadFromDisk(u"data/effects/asts" + intToString(int(i) + 1) + u".png", TOP_LEFT, DEFAULT_FLAGS);
    imgImpact = loadAnimImage(u"data/effects/impact.png", 128, 128, 0, 16, DEFAULT_FLAGS);
    if (imgImpact) midHandleImage(imgImpact);
}

// The main menu's buttons are made anew, each with its own random wobble start.
void setUpHoloButtons() {
    const struct {
        float x;
        const char16_t* key;
    } mainMenu[] = {{905, u"startgame"}, {115, u"player"}, {355, u"champions"}, {665, u"options"}};
    for (size_t i = 0; i < mainMenuHoloButtons.size(); ++i) {
        mainMenuHoloButtons[i] = THoloButton();
        mainMenuHoloButtons[i].setup(mainMenu[i].x, HOLO_ROW_Y, SCENE_LAYER, languageFile.getValue(mainMenu[i].key));
    }
    roadmapHoloButton.setup(925, HOLO_ROW_Y, SCENE_LAYER, languageFile.getValue(u"startgame"));
}

}  // namespace

int loadInterfacePictures() {
    loadPopupPictures();
    loadCentred(imgOptionsTrack, u"data/UI/optionstrack.png");
    imgColl.LoadFromDisk(u"data/UI/coll.png", TOP_LEFT, DEFAULT_FLAGS);
    loadCentred(imgColl3, u"data/UI/coll3.png");
    loadHelpPictures();
    loadButtonPictures();
    loadPanelPictures();
    loadWaypointPictures();
    loadEffectPictures();
    setUpHoloButtons();
    return 0;
}
