// Small value types of the foundation layer: a 2-D vector, an RGB colour and a movable
// 2-D entity built on four vectors. Coordinates and angles are floats; angles in degrees.
// Setters and in-place operations return 1, other operations without a result 0.
#pragma once

#include <memory>

#include "platform/platform.h"

// A point or direction in screen units. A plain value: operations that make a new vector
// return it by value, methods change the vector in place.
class vexaTVector2 {
public:
    float x = 0;
    float y = 0;

    virtual ~vexaTVector2() = default;
    vexaTVector2() = default;
    vexaTVector2(const vexaTVector2&) = default;
    vexaTVector2& operator=(const vexaTVector2&) = default;

    // New vector set through setXY.
    static vexaTVector2 Create(float x, float y);
    // New vector a + b.
    static vexaTVector2 sum(const vexaTVector2& a, const vexaTVector2& b);
    // 1 when equal: as floats with exact != 0, else after truncating each coordinate to an integer.
    static int equality(const vexaTVector2& a, const vexaTVector2& b, int exact);
    // New vector v * s.
    static vexaTVector2 multiplyByScalar(const vexaTVector2& v, float s);
    // New vector (a.x * b.x, a.y * b.y).
    static vexaTVector2 multiplyByVector(const vexaTVector2& a, const vexaTVector2& b);
    // Signed b.x - a.x.
    static float getDistanceX(const vexaTVector2& a, const vexaTVector2& b);
    // Signed b.y - a.y.
    static float getDistanceY(const vexaTVector2& a, const vexaTVector2& b);
    // Euclidean distance from a to b.
    static float getDistance(const vexaTVector2& a, const vexaTVector2& b);
    // New vector v / |v|; a zero vector gives non-finite components, so callers never pass one.
    static vexaTVector2 normalize(const vexaTVector2& v);
    // Arcsine in degrees of the cosine between a and b: 90 for equal directions, -90 for opposite.
    static float getAngle(const vexaTVector2& a, const vexaTVector2& b);
    // New vector -v.
    static vexaTVector2 negate(const vexaTVector2& v);
    // a.x * b.x + a.y * b.y.
    static float dotProd(const vexaTVector2& a, const vexaTVector2& b);
    // Has no behaviour; returns 0.
    static int reflect();

    // self += v; returns 1.
    virtual int add(const vexaTVector2& v);
    // The x coordinate.
    virtual float getX() const;
    // The y coordinate.
    virtual float getY() const;
    // Sets x; returns 1.
    virtual int setX(float value);
    // Sets y; returns 1.
    virtual int setY(float value);
    // setX then setY; returns 1.
    virtual int setXY(float xValue, float yValue);
    // Copies v into self (a jump, not a step); returns 1.
    virtual int Move(const vexaTVector2& v);
    // Dot product of self and v.
    virtual float Dot(const vexaTVector2& v) const;
};

// An RGB colour triple, components 0..255.
class vexaTRGB {
public:
    int r = 0;
    int g = 0;
    int b = 0;

    virtual ~vexaTRGB() = default;
    vexaTRGB() = default;
    vexaTRGB(const vexaTRGB&) = default;
    vexaTRGB& operator=(const vexaTRGB&) = default;

    // New colour with the given components.
    static vexaTRGB Create(int r, int g, int b);
    // Returns the empty string; nothing needs the hexadecimal form.
    static String rgb2Hex(int r, int g, int b);

    // Sets each component to a random value 0..255; returns 0.
    virtual int randomize();
};

// A movable 2-D object: where its movement starts and should end, where it is now and the
// displacement added per step. All methods return 0.
class vexaTEntity2D {
public:
    vexaTVector2 srcCoord;
    vexaTVector2 dstCoord;
    vexaTVector2 curCoord;
    vexaTVector2 vecMove;
    float velocity = 0;
    float Distance = 0;
    float DistancePassed = 0;
    float DistanceLeft = 0;
    float angle = 0;
    float TimeDelta = 0;  // carried; nothing here reads or writes it
    float duration = 0;   // carried; nothing here reads or writes it
    int isSolid = 0;      // carried; nothing here reads or writes it
    int isMoveable = 0;
    int isVisible = 0;
    int canBounce = 0;

    virtual ~vexaTEntity2D() = default;

    // New entity with all defaults; the position arguments are not used.
    static std::shared_ptr<vexaTEntity2D> Create(float x, float y);

    // Turns by d degrees, subtracting 360 once when the result passes 359.
    virtual int incAngle(float d);
    // Turns back by d degrees, adding 360 once when the result is negative.
    virtual int decAngle(float d);
    // Sets the angle when 0 <= a < 360, else 0.
    virtual int setAngle(float a);
    // The angle in degrees.
    virtual float getAngle() const;
    // velocity += d.
    virtual int incVelocity(float d);
    // velocity -= d.
    virtual int decVelocity(float d);
    // Adds vecMove to curCoord when the entity is moveable.
    virtual int Move();
    // Puts curCoord at (x, y) without movement.
    virtual int BeamToXY(float x, float y);
    // Flips isVisible between 0 and 1.
    virtual int toggleVisibility();
    // Flips isMoveable between 0 and 1.
    virtual int toggleMovability();
    // Flips canBounce between 0 and 1.
    virtual int toggleBounce();
    // Recomputes Distance, DistanceLeft and DistancePassed in that order.
    virtual int UpdatAllDistances();
    // Distance := distance from srcCoord to dstCoord.
    virtual int UpdateDistance();
    // DistancePassed := distance from srcCoord to curCoord.
    virtual int UpdateDistancePassed();
    // DistanceLeft := distance from curCoord to dstCoord.
    virtual int UpdateDistanceLeft();
};
