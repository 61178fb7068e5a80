// The meteor that now and then drifts across the match-3 screen and can be shot down: one
// object for the whole run. So far only what the effects and the scene read of it: its
// picture strip (the fragments of a burst show its frames) and its start state.
#pragma once

#include "platform/platform.h"

class TMeteor {
public:
    Image img;               // 16 frames of 50×56, a turning rock, drawn from the top-left corner
    int inAction = 0;        // 1 while a meteor flies or its rain falls
    int nextAppearance = 0;  // scene runtime before which no meteor starts

    virtual ~TMeteor() = default;
};

extern TMeteor meteor;
