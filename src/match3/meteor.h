// The meteor that now and then drifts across the match-3 screen: a spinning rock that the
// player can shoot down for points, after which three burning meteors fall onto the board and
// turn three items into bombs. One object for the whole run; the scene decides when it starts.
#pragma once

#include <array>
#include <cstddef>

#include "platform/platform.h"

class TMeteor {
public:
    Image img;         // 16 frames of 50×56, a turning rock, drawn from the top-left corner
    float w = 0;       // frame width, 50
    float h = 0;       // half the frame height, 28: the click box height and the start offset
    int inAction = 0;  // 1 from Start until Stop
    int isHit = 0;
    float positionX = 0, positionY = 0;  // top-left corner on screen
    float directionX = 0, directionY = 0;
    float speed = 0;              // pixels per frame, 2.8
    float minY = 90, maxY = 630;  // vertical start range, narrowed by half the frame width at load
    int corner = 0;               // 1 enters at the left and turns forwards, 2 enters at the right and turns back
    int runtime = 0;              // frames since Start, while no dialog runs
    int animCount = 0;            // frame of img, 0..15
    int nextAppearance = 0;       // scene runtime before which Start refuses
    int minimumPause = 500;
    int points = 1500;  // score for a hit
    int isRaining = 0;
    int raincounter = 0;
    std::array<int, 3> impact{};  // item slots the rain falls on
    std::array<int, 3> gfxid{};   // effect slots of the three falling meteors
    int donecount = 0;            // impact-frames seen with a free effect slot (a record only)

    virtual ~TMeteor() = default;

    // Loads the picture strip and sets the size, speed and start range from it.
    virtual int loadImages();
    virtual int unloadImages();
    // One frame while in action: flight, spin, drawing and the click test, or the rain after a hit.
    virtual int Update();
    virtual int tempSetXY(float x, float y);
    // Chooses the side, height and slant of a new flight.
    virtual int setRandomSpot();
    // Starts a flight; -1 (and nothing else) before nextAppearance.
    virtual int Start();
    // The hit: points, sound and the burst into fragments; the rain follows.
    virtual int Hitted();
    // One frame of the rain of three burning meteors.
    virtual int rain();
    // A random item slot the rain may turn into a bomb; 0 when the board has none.
    virtual int getTarget();
    // Back to idle with a new nextAppearance.
    virtual int Stop();
    // The next start comes 501 to 5500 frames after the scene's current runtime.
    virtual int CalcNextAppearance();

private:
    std::array<bool, 3> landed{};           // impacts that have made their bomb (or had nothing to fall)
    std::array<float, 3> fallX{}, fallY{};  // where each falling meteor hits

    // One step of the spin, by the side the meteor entered from.
    void turn();
    // True for an item slot the rain may turn into a bomb.
    bool isTarget(int slot) const;
    // True while impact i's falling meteor or its explosion is still under way.
    bool stillFalling(size_t i) const;
};

extern TMeteor meteor;
