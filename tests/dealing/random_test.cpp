#include <gtest/gtest.h>

#include <vector>

#include "dealing/random.h"

using vrek::Random;

namespace {
Random::Key keyOf(uint8_t first) {
    Random::Key k{};
    k[0] = first;
    return k;
}
}  // namespace

TEST(Random, FixedKeyRepeatsAndDifferentKeysDiffer) {
    Random a(keyOf(1)), b(keyOf(1)), c(keyOf(2));
    int same = 0;
    for (int i = 0; i < 1000; ++i) {
        uint32_t x = a.below(1000000), y = b.below(1000000), z = c.below(1000000);
        EXPECT_EQ(x, y);
        same += x == z;
    }
    EXPECT_LT(same, 5);
}

TEST(Random, EntropyKeyedGeneratorsDiffer) {
    Random a, b;
    std::vector<uint8_t> x(64), y(64);
    a.bytes(x.data(), x.size());
    b.bytes(y.data(), y.size());
    EXPECT_NE(x, y);
}

TEST(Random, StaysBelowTheBoundAcrossRefills) {
    Random r(keyOf(3));
    for (uint32_t bound : {1u, 2u, 3u, 52u, 65535u, 65536u, 65537u, 1000000007u, 0xFFFFFFFFu})
        for (int i = 0; i < 20000; ++i) ASSERT_LT(r.below(bound), bound) << bound;
}

// A bound just above a power of two is where a modulo draw is most biased:
// with 3 * 2^14 over 16 bits, a modulo would give the lower third twice the
// weight of the rest.
TEST(Random, NoModuloBiasOnAnAwkwardBound) {
    Random r(keyOf(4));
    const uint32_t bound = 3 * 16384;
    const int n = 600000;
    int low = 0;
    for (int i = 0; i < n; ++i) low += r.below(bound) < bound / 3;
    // Expected n / 3 with sd about 365; a modulo draw would give n / 2.
    EXPECT_NEAR(low, n / 3, 2500);
}

TEST(Random, SmallBoundsAreUniform) {
    Random r(keyOf(5));
    const int n = 520000;
    std::vector<int> hits(52);
    for (int i = 0; i < n; ++i) ++hits[r.below(52)];
    // Chi-square with 51 degrees of freedom; 120 is far beyond p = 1e-6.
    double chi2 = 0;
    for (int h : hits) chi2 += (h - n / 52.0) * (h - n / 52.0) / (n / 52.0);
    EXPECT_LT(chi2, 120.0);
}
