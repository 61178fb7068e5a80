// Vector, colour and entity operations.
#include "core/vector.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

float radiansToDegrees(float radians) { return radians * 180.0f / std::numbers::pi_v<float>; }

int flipFlag(int flag) { return flag != 0 ? 0 : 1; }

}  // namespace

// --- vexaTVector2 ---

vexaTVector2 vexaTVector2::Create(float x, float y) {
    vexaTVector2 v;
    v.setXY(x, y);
    return v;
}

vexaTVector2 vexaTVector2::sum(const vexaTVector2& a, const vexaTVector2& b) {
    return Create(a.x + b.x, a.y + b.y);
}

int vexaTVector2::equality(const vexaTVector2& a, const vexaTVector2& b, int exact) {
    if (exact != 0) return a.x == b.x && a.y == b.y ? 1 : 0;
    return floatToInt(a.x) == floatToInt(b.x) && floatToInt(a.y) == floatToInt(b.y) ? 1 : 0;
}

vexaTVector2 vexaTVector2::multiplyByScalar(const vexaTVector2& v, float s) { return Create(v.x * s, v.y * s); }

vexaTVector2 vexaTVector2::multiplyByVector(const vexaTVector2& a, const vexaTVector2& b) {
    return Create(a.x * b.x, a.y * b.y);
}

float vexaTVector2::getDistanceX(const vexaTVector2& a, const vexaTVector2& b) { return b.x - a.x; }

float vexaTVector2::getDistanceY(const vexaTVector2& a, const vexaTVector2& b) { return b.y - a.y; }

float vexaTVector2::getDistance(const vexaTVector2& a, const vexaTVector2& b) {
    float dx = getDistanceX(a, b);
    float dy = getDistanceY(a, b);
    return std::sqrt(dx * dx + dy * dy);
}

vexaTVector2 vexaTVector2::normalize(const vexaTVector2& v) {
    float length = std::sqrt(v.x * v.x + v.y * v.y);
    return Create(v.x / length, v.y / length);
}

float vexaTVector2::getAngle(const vexaTVector2& a, const vexaTVector2& b) {
    float lengths = std::sqrt(a.x * a.x + a.y * a.y) * std::sqrt(b.x * b.x + b.y * b.y);
    // Rounding can push the cosine of (anti)parallel vectors just past 1, where asin has no value.
    float cosine = std::clamp(dotProd(a, b) / lengths, -1.0f, 1.0f);
    return radiansToDegrees(std::asin(cosine));
}

vexaTVector2 vexaTVector2::negate(const vexaTVector2& v) { return multiplyByVector(v, Create(-1, -1)); }

float vexaTVector2::dotProd(const vexaTVector2& a, const vexaTVector2& b) { return a.x * b.x + a.y * b.y; }

int vexaTVector2::reflect() { return 0; }

int vexaTVector2::add(const vexaTVector2& v) {
    x += v.x;
    y += v.y;
    return 1;
}

float vexaTVector2::getX() const { return x; }

float vexaTVector2::getY() const { return y; }

int vexaTVector2::setX(float value) {
    x = value;
    return 1;
}

int vexaTVector2::setY(float value) {
    y = value;
    return 1;
}

int vexaTVector2::setXY(float xValue, float yValue) {
    setX(xValue);
    setY(yValue);
    return 1;
}

int vexaTVector2::Move(const vexaTVector2& v) {
    x = v.x;
    y = v.y;
    return 1;
}

float vexaTVector2::Dot(const vexaTVector2& v) const { return x * v.x + y * v.y; }

// --- vexaTRGB ---

vexaTRGB vexaTRGB::Create(int r, int g, int b) {
    vexaTRGB colour;
    colour.r = r;
    colour.g = g;
    colour.b = b;
    return colour;
}

String vexaTRGB::rgb2Hex(int, int, int) { return String(); }

int vexaTRGB::randomize() {
    r = randInt(0, 255);
    g = randInt(0, 255);
    b = randInt(0, 255);
    return 0;
}

// --- vexaTEntity2D ---

std::shared_ptr<vexaTEntity2D> vexaTEntity2D::Create(float, float) { return std::make_shared<vexaTEntity2D>(); }

int vexaTEntity2D::incAngle(float d) {
    // A single wrap: a step of more than a full turn stays above 360.
    float a = angle + d;
    angle = a > 359 ? a - 360 : a;
    return 0;
}

int vexaTEntity2D::decAngle(float d) {
    float a = angle - d;
    angle = a >= 0 ? a : a + 360;
    return 0;
}

int vexaTEntity2D::setAngle(float a) {
    angle = a >= 0 && a < 360 ? a : 0;
    return 0;
}

float vexaTEntity2D::getAngle() const { return angle; }

int vexaTEntity2D::incVelocity(float d) {
    velocity += d;
    return 0;
}

int vexaTEntity2D::decVelocity(float d) {
    velocity -= d;
    return 0;
}

int vexaTEntity2D::Move() {
    if (isMoveable != 0) curCoord.add(vecMove);
    return 0;
}

int vexaTEntity2D::BeamToXY(float x, float y) {
    curCoord.setXY(x, y);
    return 0;
}

int vexaTEntity2D::toggleVisibility() {
    isVisible = flipFlag(isVisible);
    return 0;
}

int vexaTEntity2D::toggleMovability() {
    isMoveable = flipFlag(isMoveable);
    return 0;
}

int vexaTEntity2D::toggleBounce() {
    canBounce = flipFlag(canBounce);
    return 0;
}

int vexaTEntity2D::UpdatAllDistances() {
    UpdateDistance();
    UpdateDistanceLeft();
    UpdateDistancePassed();
    return 0;
}

int vexaTEntity2D::UpdateDistance() {
    Distance = vexaTVector2::getDistance(srcCoord, dstCoord);
    return 0;
}

int vexaTEntity2D::UpdateDistancePassed() {
    DistancePassed = vexaTVector2::getDistance(srcCoord, curCoord);
    return 0;
}

int vexaTEntity2D::UpdateDistanceLeft() {
    DistanceLeft = vexaTVector2::getDistance(curCoord, dstCoord);
    return 0;
}
