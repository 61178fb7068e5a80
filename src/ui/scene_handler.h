// The scene handler: fades the picture out to black, prepares the next scene at the
// darkest point and fades back in. The fade is the drawing colour's grey level.
#pragma once

constexpr int FADER_DIR_IN = 1;
constexpr int FADER_DIR_OUT = 2;
constexpr int FADER_STEP = 32;

class vexaTSceneHandler {
public:
    int FaderColor = 0;   // grey level: 0..256 fading in, 256..-32 fading out
    int FaderDir = 0;     // 0 none, FADER_DIR_IN, FADER_DIR_OUT
    int FaderShow = 0;    // scene id to prepare when the fade-out ends
    int FaderParam1 = 0;  // page handed to the intro when the target is the intro
    int FaderParam2 = 0;  // stored with the request, not read

    virtual ~vexaTSceneHandler() = default;
    // Called by a scene's Prepare as its last step: brighten from black.
    virtual int fade_in();
    // Starts a fade-out towards a scene id (-999 ends the program); drops this frame's click and keys.
    virtual int fade_out(int target, int param1, int param2);
    // Called by the shell once per frame before the scene update.
    virtual int fading();
    virtual int draw_fader();
};

extern vexaTSceneHandler sceneHandler;
