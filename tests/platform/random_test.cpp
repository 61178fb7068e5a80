#include <gtest/gtest.h>

#include <climits>
#include <set>

#include "platform/platform.h"

TEST(Random, RangesIncludeBothEndsInEitherOrder) {
    seedRandom(1234);
    std::set<int> seen;
    for (int i = 0; i < 1000; ++i) {
        EXPECT_EQ(randInt(5, 5), 5);
        const int value = randInt(3, 1);
        ASSERT_GE(value, 1);
        ASSERT_LE(value, 3);
        seen.insert(value);
        const double real = randFloat(2.0, 1.0);
        ASSERT_GE(real, 1.0);
        ASSERT_LT(real, 2.0);
    }
    EXPECT_EQ(seen, (std::set<int>{1, 2, 3}));
}

TEST(Random, UnitIsUniformInHalfOpenRange) {
    seedRandom(99);
    double sum = 0;
    int low = 0;
    for (int i = 0; i < 20000; ++i) {
        const double x = randUnit();
        ASSERT_GE(x, 0.0);
        ASSERT_LT(x, 1.0);
        sum += x;
        low += x < 0.25;
    }
    EXPECT_NEAR(sum / 20000, 0.5, 0.01);
    EXPECT_NEAR(low / 20000.0, 0.25, 0.015);
}

TEST(Random, SeedsRepeatAndDegenerateSeedsFallBack) {
    const auto draw = [](int seed) {
        seedRandom(seed);
        std::vector<int> values;
        for (int i = 0; i < 5; ++i) values.push_back(randInt(0, 1000000));
        return values;
    };
    EXPECT_EQ(draw(42), draw(42));
    EXPECT_NE(draw(42), draw(43));
    EXPECT_EQ(draw(0), draw(4660));
    EXPECT_EQ(draw(0x7FFFFFFF), draw(4660));
    EXPECT_EQ(draw(-1), draw(4660));  // -1 & 0x7FFFFFFF is 2^31 - 1
}

TEST(Random, FullIntRangeCoversBothSigns) {
    seedRandom(7);
    int negative = 0;
    for (int i = 0; i < 1000; ++i) {
        negative += randInt(INT_MAX, INT_MIN) < 0;
        EXPECT_GE(randInt(INT_MAX - 1, INT_MAX), INT_MAX - 1);
    }
    EXPECT_GT(negative, 400);
    EXPECT_LT(negative, 600);
}
