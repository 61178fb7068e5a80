// The effect pool: a fixed table of small animated events (sparks, debris, collected gems,
// bursts) that any rule starts by kind number at a position with a velocity. The per-frame
// update and drawing of the kinds live with the scene's drawing.
#pragma once

#include <array>

// One effect record; id 0 marks a free slot.
class vexaTEffect {
public:
    float x = 0, y = 0;          // position in screen pixels
    int id = 0;                  // kind; 0 = free
    int runtime = 0;             // age counter
    float lx = 0, ly = 0;        // velocity in pixels per frame
    int winkel = 0, d = 0;       // carried, unused
    int target = 0, targeted = 0;  // carried, cleared on installation
    float sc = 0;                // scale of a meteor fragment
    int TailAnimCount = 0;       // frame of a falling meteor's tail
    int meteorexplodeframe = 0;  // meteor picture frame of a fragment
    int meteorexploderotationdir = 0;  // 0 spins forward, 1 backward
    float rot = 0;               // rotation of a fragment in degrees
    float rotspeed = 0;          // degrees per frame of a fragment
    float meteorspeed = 0;       // horizontal speed of a falling meteor
    int meteordie = 0;           // frame at which a falling meteor hits

    virtual ~vexaTEffect() = default;
};

constexpr int EFFECT_SLOTS = 10000;

// Slots 1..10000; slot 0 holds no effect.
extern std::array<vexaTEffect, EFFECT_SLOTS + 1> effectPool;

// Frees every effect; called when a level starts and by the story scene.
int clearEffects();
// Starts an effect of `kind` at (x, y) with velocity (lx, ly) in the lowest free slot 1..9999;
// returns the slot, or 0 when y <= 0 (above the screen) or the pool is full.
int installEffect(float x, float y, int kind, float lx, float ly);
