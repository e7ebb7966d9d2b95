#include "core/probability.h"

#include <array>

namespace vrek {

long double factorial(int n) {
    long double r = 1;
    for (int i = 2; i <= n; ++i) r *= i;
    return r;
}

long double fallingFactorial(int k, int n) {
    long double r = 1;
    for (int i = 0; i < k; ++i) r *= n - i;  // meets the factor 0 when k > n
    return r;
}

long double binomial(int k, int n) {
    if (k < 0 || n < 0 || k > n) return 0;
    return fallingFactorial(k, n) / fallingFactorial(k, k);
}

long double patternProbability(int a, int b, int c, int d) {
    const int len[4] = {a, b, c, d};
    int distinct = 0;
    for (int i = 0; i < 4; ++i) {
        bool seen = false;
        for (int j = 0; j < i; ++j) seen = seen || len[j] == len[i];
        if (!seen) ++distinct;
    }
    const long double arrangements = fallingFactorial(distinct - 1, 4);
    return arrangements * binomial(a, 13) * binomial(b, 13) * binomial(c, 13) * binomial(d, 13) / binomial(13, 52);
}

namespace {

long double honourProbability(int cards, int j, int q, int k, int a) {
    return binomial(j, 4) * binomial(q, 4) * binomial(k, 4) * binomial(a, 4) *
           binomial(cards - (j + q + k + a), 36) / binomial(cards, 52);
}

// Point totals of `cards` cards, summed over the 625 honour combinations once.
template <int Max>
std::array<long double, Max + 1> pointTable(int cards) {
    std::array<long double, Max + 1> t{};
    for (int a = 0; a <= 4; ++a)
        for (int k = 0; k <= 4; ++k)
            for (int q = 0; q <= 4; ++q)
                for (int j = 0; j <= 4; ++j) {
                    if (j + q + k + a > cards) continue;
                    const int pts = 4 * a + 3 * k + 2 * q + j;
                    if (pts <= Max) t[pts] += honourProbability(cards, j, q, k, a);
                }
    return t;
}

}  // namespace

long double honourProbability13(int j, int q, int k, int a) { return honourProbability(13, j, q, k, a); }
long double honourProbability26(int j, int q, int k, int a) { return honourProbability(26, j, q, k, a); }

long double splitHalfProbability(int a, int b, int c, int d) {
    const long double all = binomial(a + c, b + d);
    if (all == 0) return 0;  // more cards asked for than there are
    return binomial(a, b) * binomial(c, d) / (2 * all);
}

long double pointProbability13(int t) {
    static const auto table = pointTable<kMaxHandPoints>(13);
    return t < 0 || t > kMaxHandPoints ? 0 : table[t];
}

long double pointProbability26(int t) {
    static const auto table = pointTable<kMaxLinePoints>(26);
    return t < 0 || t > kMaxLinePoints ? 0 : table[t];
}

}  // namespace vrek
