// Vector arithmetic, the angle and distance rules, and the entity's angle wrap and movement.
#include "core/vector.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using V = vexaTVector2;

void expectVector(const V& v, float x, float y) {
    EXPECT_FLOAT_EQ(v.x, x);
    EXPECT_FLOAT_EQ(v.y, y);
}

TEST(Vector2, ArithmeticMakesNewVectorsAndDistancesAreSigned) {
    V a = V::Create(1, 2);
    V b = V::Create(4, -2);
    expectVector(V::multiplyByVector(a, b), 4, -4);
    expectVector(V::negate(b), -4, 2);
    expectVector(a, 1, 2);
    EXPECT_FLOAT_EQ(V::getDistanceX(b, a), -3);
    EXPECT_FLOAT_EQ(V::getDistanceY(a, b), -4);
    EXPECT_FLOAT_EQ(V::getDistance(a, b), 5);
}

TEST(Vector2, EqualityExactOrTruncated) {
    V a = V::Create(1.9f, -0.9f);
    V b = V::Create(1.2f, 0.4f);
    EXPECT_EQ(V::equality(a, b, 0), 1);  // both truncate to (1, 0)
    EXPECT_EQ(V::equality(a, b, 1), 0);
    EXPECT_EQ(V::equality(V::Create(-1.5f, 0), V::Create(-0.5f, 0), 0), 0);  // -1 against 0
}

TEST(Vector2, NormalizeGivesUnitLengthAndZeroIsNotFinite) {
    expectVector(V::normalize(V::Create(3, -4)), 0.6f, -0.8f);
    V zero = V::normalize(V::Create(0, 0));
    EXPECT_FALSE(std::isfinite(zero.x));
}

TEST(Vector2, AngleIsNinetyMinusTheAngleBetween) {
    EXPECT_FLOAT_EQ(V::getAngle(V::Create(3, 4), V::Create(6, 8)), 90);
    EXPECT_NEAR(V::getAngle(V::Create(1, 0), V::Create(0, 5)), 0, 1e-5);
    EXPECT_NEAR(V::getAngle(V::Create(1, 0), V::Create(1, 1)), 45, 1e-4);
    // Rounding puts this vector's cosine with itself just beyond 1.
    EXPECT_FLOAT_EQ(V::getAngle(V::Create(0.1f, 0.4f), V::Create(0.1f, 0.4f)), 90);
    EXPECT_FLOAT_EQ(V::getAngle(V::Create(0.1f, 0.4f), V::Create(-0.1f, -0.4f)), -90);
}

TEST(Vector2, MoveCopiesAddAccumulates) {
    V v = V::Create(1, 1);
    V step = V::Create(2, 3);
    EXPECT_EQ(v.add(step), 1);
    v.add(step);
    expectVector(v, 5, 7);
    EXPECT_EQ(v.Move(step), 1);
    v.Move(step);
    expectVector(v, 2, 3);
}

TEST(Entity2D, AngleWrapsOnceAndSetAngleRejectsOutOfRange) {
    auto e = vexaTEntity2D::Create(0, 0);
    const struct {
        float start, step, result;
    } turns[] = {{300, 59, 359}, {300, 59.5f, -0.5f}, {350, 400, 390}, {10, -30, -20}};
    for (const auto& t : turns) {
        e->angle = t.start;
        e->incAngle(t.step);
        EXPECT_FLOAT_EQ(e->getAngle(), t.result) << t.start << " + " << t.step;
    }
    e->angle = 10;
    e->decAngle(10);
    EXPECT_FLOAT_EQ(e->angle, 0);
    e->decAngle(30);
    EXPECT_FLOAT_EQ(e->angle, 330);
    e->setAngle(360);
    EXPECT_FLOAT_EQ(e->angle, 0);
    e->setAngle(200);
    e->setAngle(-10);
    EXPECT_FLOAT_EQ(e->angle, 0);
}

TEST(Entity2D, MovesOnlyWhenMoveableAndMeasuresFromItsPoints) {
    auto e = vexaTEntity2D::Create(50, 60);  // the position arguments are not used
    expectVector(e->curCoord, 0, 0);
    e->vecMove.setXY(3, 4);
    e->Move();
    expectVector(e->curCoord, 0, 0);
    e->toggleMovability();
    e->Move();
    expectVector(e->curCoord, 3, 4);
    e->dstCoord.setXY(9, 16);
    e->UpdatAllDistances();
    EXPECT_FLOAT_EQ(e->Distance, std::sqrt(81.0f + 256.0f));
    EXPECT_FLOAT_EQ(e->DistancePassed, 5);
    EXPECT_FLOAT_EQ(e->DistanceLeft, std::sqrt(36.0f + 144.0f));
    e->toggleMovability();
    EXPECT_EQ(e->isMoveable, 0);
}

}  // namespace
