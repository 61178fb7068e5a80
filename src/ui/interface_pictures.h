// The shared interface pictures: popup frames, buttons, check boxes, help pictures, holo
// buttons, roadmap waypoints and effect sprites, loaded once by the load screen and kept for
// the whole run.
#pragma once

#include <array>

#include "core/bild.h"
#include "platform/platform.h"

extern vexaTBild imgOptionsTrack;
extern vexaTBild imgColl3;  // pointer collision picture of picture buttons and roadmap points
extern vexaTBild imgNiner, imgHelpTileExpl, imgHelpStoneExpl;
extern std::array<vexaTBild, 10> imgButtons;      // text button pictures by slot (1, 3, 6, 7)
extern vexaTBild imgClose, imgCloseHover;
extern vexaTBild imgCheckbox, imgCheckmark;
extern std::array<vexaTBild, 11> imgSliderParts;  // slot 10: the slider knob
extern vexaTBild imgPlayerMenu, imgBar, imgUiTopFull, imgScores;
extern vexaTBild imgStageWaypointActive, imgStageWaypointInactive;
extern vexaTBild imgWaypointActive, imgWaypointInactive;
extern std::array<vexaTBild, 3> imgHoloButtons;
extern Image imgHoloWobble;                      // 32 frames of 128×128
extern std::array<vexaTBild, 5> imgAsteroids;     // meteor tail pictures 1..5 (slots 0..4)
extern Image imgImpact;                          // 16 frames of 128×128, handle at the centre

// Loads every shared interface picture (and the popup handler's frames), then sets up the
// holo buttons of the main menu and the roadmap. Called once by the load screen.
int loadInterfacePictures();
