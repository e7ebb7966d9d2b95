// The probability routines against known values of bridge theory.
#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "core/probability.h"

using namespace vrek;

TEST(Probability, FactorialsAndBinomialsAtTheirEdges) {
    EXPECT_EQ(factorial(0), 1);
    EXPECT_EQ(factorial(13), 6227020800.0L);
    EXPECT_EQ(fallingFactorial(0, 9), 1);
    EXPECT_EQ(fallingFactorial(1, 9), 9);
    EXPECT_EQ(fallingFactorial(9, 9), factorial(9));
    EXPECT_EQ(binomial(0, 7), 1);
    EXPECT_EQ(binomial(7, 7), 1);
    EXPECT_EQ(binomial(13, 52), 635013559600.0L);
    EXPECT_EQ(binomial(5, 4), 0);  // more than there are: no way
}

TEST(Probability, HandPatterns) {
    EXPECT_NEAR(double(patternProbability(4, 3, 3, 3)), 0.10536, 5e-6);
    EXPECT_NEAR(double(patternProbability(4, 4, 3, 2)), 0.21551, 5e-6);
    EXPECT_NEAR(double(patternProbability(5, 4, 3, 1)), 0.12931, 5e-6);
    EXPECT_EQ(patternProbability(3, 4, 3, 3), patternProbability(4, 3, 3, 3));  // any order of suits
    // The 39 patterns, each once, sum to 1.
    std::set<std::tuple<int, int, int, int>> seen;
    long double sum = 0;
    for (int a = 0; a <= 13; ++a)
        for (int b = 0; b <= a; ++b)
            for (int c = 0; c <= b; ++c) {
                const int d = 13 - a - b - c;
                if (d < 0 || d > c) continue;
                seen.insert({a, b, c, d});
                sum += patternProbability(a, b, c, d);
            }
    EXPECT_EQ(seen.size(), 39u);
    EXPECT_NEAR(double(sum), 1.0, 1e-15);
}

TEST(Probability, HonoursAndPointTotals) {
    long double sum13 = 0, sum26 = 0, points13 = 0, points26 = 0;
    for (int j = 0; j <= 4; ++j)
        for (int q = 0; q <= 4; ++q)
            for (int k = 0; k <= 4; ++k)
                for (int a = 0; a <= 4; ++a) {
                    if (j + q + k + a <= 13) sum13 += honourProbability13(j, q, k, a);
                    sum26 += honourProbability26(j, q, k, a);
                }
    for (int t = 0; t <= kMaxHandPoints; ++t) points13 += pointProbability13(t);
    for (int t = 0; t <= kMaxLinePoints; ++t) points26 += pointProbability26(t);
    EXPECT_NEAR(double(sum13), 1.0, 1e-15);
    EXPECT_NEAR(double(sum26), 1.0, 1e-15);
    EXPECT_NEAR(double(points13), 1.0, 1e-15);
    EXPECT_NEAR(double(points26), 1.0, 1e-15);
    EXPECT_NEAR(double(pointProbability13(10)), 0.0941, 5e-5);
    EXPECT_NEAR(double(pointProbability13(0)), 0.003639, 5e-7);  // a Yarborough
    EXPECT_GT(pointProbability13(37), 0);
    EXPECT_EQ(pointProbability13(38), 0);
    EXPECT_EQ(pointProbability26(41), 0);
}

TEST(Probability, SplitHalvesAddToTheSplit) {
    // Five missing cards, 13 places on each side: 3-2 either way 67.83 %.
    const long double three = splitHalfProbability(3, 5, 10, 21) + splitHalfProbability(2, 5, 11, 21);
    EXPECT_NEAR(double(three), 0.33913, 5e-6);
    EXPECT_EQ(splitHalfProbability(3, 5, 10, 21), splitHalfProbability(2, 5, 11, 21));
    EXPECT_EQ(splitHalfProbability(0, 1, 0, 0), 0.5L);
}
