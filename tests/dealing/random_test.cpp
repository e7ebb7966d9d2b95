#include <gtest/gtest.h>

#include <sodium.h>

#include <algorithm>
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

// The stream is ChaCha20 with nonce 0, 1, 2 ... for its blocks of 8192 bytes,
// however it is read: verifiable dealing documents it so.
TEST(Random, TheStreamIsChaCha20BlockByBlock) {
    Random::Key k = keyOf(7);
    k[31] = 0x5A;
    std::vector<uint8_t> expected(3 * Random::kBlock);
    for (uint64_t block = 0; block < 3; ++block) {
        unsigned char nonce[crypto_stream_chacha20_NONCEBYTES] = {static_cast<unsigned char>(block)};
        crypto_stream_chacha20(expected.data() + block * Random::kBlock, Random::kBlock, nonce, k.data());
    }
    // Odd reads across the pieces a block is made in and into the next
    // block, then 16-bit draws (after an even total: no byte skipped).
    Random r(k);
    std::vector<uint8_t> got(expected.size());
    size_t at = 0;
    for (size_t n : {1u, 254u, 3u, 1000u, 2047u, 5001u}) {
        r.bytes(got.data() + at, n);
        at += n;
    }
    while (at + 2 <= got.size()) {
        const uint32_t v = r.below(65536);
        got[at++] = static_cast<uint8_t>(v);
        got[at++] = static_cast<uint8_t>(v >> 8);
    }
    EXPECT_EQ(std::vector<uint8_t>(got.begin(), got.begin() + static_cast<long>(at)),
              std::vector<uint8_t>(expected.begin(), expected.begin() + static_cast<long>(at)));
    // Rekeying starts the other key's stream from its beginning.
    r.rekey(k);
    uint8_t first[5];
    r.bytes(first, sizeof first);
    EXPECT_TRUE(std::equal(first, first + 5, expected.begin()));
}
