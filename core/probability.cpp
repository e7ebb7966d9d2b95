#include "core/probability.h"

#include <array>
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
    // each suit (a number in base 14) and how many hands dealt so far are of
    // the kind, weighted by the number of ways to get there. The fourth hand
    // takes what is left.
    auto index = [](const SuitLengths &l) { return ((l[0] * 14 + l[1]) * 14 + l[2]) * 14 + l[3]; };
    auto lengths = [](int i) { return SuitLengths{i / 2744, i / 196 % 14, i / 14 % 14, i % 14}; };
    long double choose[14][14] = {};
    for (int n = 0; n <= 13; ++n)
        for (int k = 0; k <= n; ++k) choose[n][k] = binomial(k, n);
    const std::vector<SuitLengths> &all = allLengths();
    std::vector<bool> kind;
    for (const SuitLengths &l : all) kind.push_back(isOfKind(l));

    constexpr int kStates = 14 * 14 * 14 * 14;
    std::vector<std::array<long double, 5>> ways(kStates), next(kStates);
    std::vector<int> live{index({13, 13, 13, 13})}, nextLive;
    ways[live[0]][0] = 1;
    for (int hand = 0; hand < 3; ++hand) {
        nextLive.clear();
        for (int from : live) {
            const SuitLengths left = lengths(from);
            for (size_t i = 0; i < all.size(); ++i) {
                const SuitLengths &l = all[i];
                if (l[0] > left[0] || l[1] > left[1] || l[2] > left[2] || l[3] > left[3]) continue;
                const long double w = choose[left[0]][l[0]] * choose[left[1]][l[1]] * choose[left[2]][l[2]] *
                                      choose[left[3]][l[3]];
                const int to = index({left[0] - l[0], left[1] - l[1], left[2] - l[2], left[3] - l[3]});
                auto &target = next[to];
                if (target == std::array<long double, 5>{}) nextLive.push_back(to);
                for (int k = 0; k + kind[i] <= 4; ++k) target[k + kind[i]] += ways[from][k] * w;
            }
            ways[from] = {};
        }
        std::swap(ways, next);
        std::swap(live, nextLive);
    }
    // All deals: 52! / (13!)^4.
    const long double deals = binomial(13, 52) * binomial(13, 39) * binomial(13, 26);
    std::array<long double, 5> p{};
    for (int at : live) {
        const int last = isOfKind(lengths(at)) ? 1 : 0;
        for (int k = 0; k + last <= 4; ++k) p[k + last] += ways[at][k] / deals;
    }
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
