#include "core/probability.h"

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <vector>

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

namespace {

// Every ordered set of four suit lengths summing to 13 (560 of them).
const std::vector<SuitLengths> &allLengths() {
    static const std::vector<SuitLengths> all = [] {
        std::vector<SuitLengths> v;
        for (int a = 0; a <= 13; ++a)
            for (int b = 0; a + b <= 13; ++b)
                for (int c = 0; a + b + c <= 13; ++c) v.push_back({a, b, c, 13 - a - b - c});
        return v;
    }();
    return all;
}

}  // namespace

long double handExpectation(const std::function<long double(const SuitLengths &)> &value) {
    long double sum = 0;
    for (const SuitLengths &l : allLengths()) {
        const long double v = value(l);
        if (v != 0) sum += v * binomial(l[0], 13) * binomial(l[1], 13) * binomial(l[2], 13) * binomial(l[3], 13);
    }
    return sum / binomial(13, 52);
}

std::array<long double, 5> handsOfDeal(const std::function<bool(const SuitLengths &)> &isOfKind) {
    // The hands are dealt one after the other: a state is what is left of
    // each suit and how many hands dealt so far are of the kind, weighted by
    // the number of ways to get there. A kind of hand does not depend on
    // which suit is which, so states that differ only by the order of the
    // suits are one (kept longest first). Two hands make the states; the
    // third then leaves the fourth what is left.
    long double choose[14][14] = {};
    for (int n = 0; n <= 13; ++n)
        for (int k = 0; k <= n; ++k) choose[n][k] = binomial(k, n);
    bool kind[14][14][14] = {};  // by the first three lengths of a hand
    for (const SuitLengths &l : allLengths()) kind[l[0]][l[1]][l[2]] = isOfKind(l);
    // Every hand that fits in what is left, with its number of ways.
    auto eachHand = [&](const SuitLengths &left, auto &&take) {
        for (int a = 0; a <= left[0]; ++a)
            for (int b = 0; b <= left[1] && a + b <= 13; ++b)
                for (int c = 0; c <= left[2] && a + b + c <= 13; ++c) {
                    const int d = 13 - a - b - c;
                    if (d <= left[3])
                        take(SuitLengths{a, b, c, d},
                             choose[left[0]][a] * choose[left[1]][b] * choose[left[2]][c] * choose[left[3]][d]);
                }
    };
    using Ways = std::array<long double, 5>;
    std::map<SuitLengths, Ways> states{{{13, 13, 13, 13}, Ways{1}}};
    for (int hand = 0; hand < 2; ++hand) {
        std::map<SuitLengths, Ways> next;
        for (const auto &[left, ways] : states)
            eachHand(left, [&, &left = left, &ways = ways](const SuitLengths &l, long double w) {
                SuitLengths rest{left[0] - l[0], left[1] - l[1], left[2] - l[2], left[3] - l[3]};
                std::sort(rest.begin(), rest.end(), std::greater<int>());
                const int k0 = kind[l[0]][l[1]][l[2]];
                Ways &to = next[rest];
                for (int k = 0; k + k0 <= 4; ++k) to[k + k0] += ways[k] * w;
            });
        states = std::move(next);
    }
    // All deals: 52! / (13!)^4.
    const long double deals = binomial(13, 52) * binomial(13, 39) * binomial(13, 26);
    Ways p{};
    for (const auto &[left, ways] : states)
        eachHand(left, [&, &left = left, &ways = ways](const SuitLengths &l, long double w) {
            const int last = kind[l[0]][l[1]][l[2]] + kind[left[0] - l[0]][left[1] - l[1]][left[2] - l[2]];
            for (int k = 0; k + last <= 4; ++k) p[k + last] += ways[k] * w / deals;
        });
    return p;
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
