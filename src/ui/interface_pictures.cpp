// Interim: the loader arrives with the popup framework.
#include "ui/interface_pictures.h"

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

int loadInterfacePictures() { return 0; }
