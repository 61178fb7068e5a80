// The effect pool: a fixed table of small animated events (sparks, debris, collected gems,
// bursts, meteors) that any rule starts by kind number at a position with a velocity; the
// per-frame update moves, draws and frees them (effect_update.cpp).
#pragma once

#include <array>

// One effect record; id 0 marks a free slot.
class vexaTEffect {
public:
    float x = 0, y = 0;                // position in screen pixels
    int id = 0;                        // kind; 0 = free
    int runtime = 0;                   // age counter
    float lx = 0, ly = 0;              // velocity in pixels per frame
    int winkel = 0, d = 0;             // carried, unused
    int target = 0, targeted = 0;      // carried, cleared on installation
    float sc = 0;                      // scale of a meteor fragment
    int TailAnimCount = 0;             // frame of a falling meteor's tail
    int meteorexplodeframe = 0;        // meteor picture frame of a fragment
    int meteorexploderotationdir = 0;  // 0 spins forward, 1 backward
    float rot = 0;                     // rotation of a fragment in degrees
    float rotspeed = 0;                // degrees per frame of a fragment
    float meteorspeed = 0;             // horizontal speed of a falling meteor
    int meteordie = 0;                 // frame at which a falling meteor hits

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
// Starts `count` effects of `kind` at (x, y), the k-th (k = 1..count) flying out at 36·k degrees
// with a random speed of 1 to 7 pixels per frame: the debris ring of a breaking block or moss.
void installParticleRing(float x, float y, int kind, int count);

// Loads the glow, ring, dirt, bomb-flare and glow-star pictures into the match-3 scene's
// tables. Called once by the load screen.
int loadEffectPictures();
// One frame of every effect: moves, draws and frees them in slot order. Called once per frame
// by the match-3 scene, the main menu and the roadmap (and once more by the match-3 scene in
// a frame in which a meteor starts).
int updateEffects();
// Counts a removed item of `type` towards the current level's goal, when the level asks for that
// type (and the profile's goal table has it); called when a collected gem arrives at its counter
// and when a power-up removes an item.
void countTowardsGoal(int type);
