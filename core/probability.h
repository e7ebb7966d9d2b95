// Combinatorial probabilities of the deal: hand patterns, honour holdings,
// point totals and the split of a suit between the two opponents. Extended
// precision throughout; arguments are card counts 0 .. 52.
#pragma once
#include <array>
#include <functional>

namespace vrek {

// n!; 1 for n <= 0.
long double factorial(int n);
// n (n - 1) ... (n - k + 1); 1 for k <= 0, 0 when k > n (no way to pick).
long double fallingFactorial(int k, int n);
// Ways to choose k of n; 0 outside 0 <= k <= n.
long double binomial(int k, int n);

// A 13-card hand of lengths a, b, c, d (sum 13) in some order of suits.
long double patternProbability(int a, int b, int c, int d);
// Exactly j jacks, q queens, k kings and a aces (each 0 .. 4) in 13 cards,
// and in the 26 cards of a partnership line.
long double honourProbability13(int j, int q, int k, int a);
long double honourProbability26(int j, int q, int k, int a);
// Half the probability that, of a + c cards dealt at random from b + d,
// exactly a come from the b. Callers add two halves.
long double splitHalfProbability(int a, int b, int c, int d);

// High-card point total t (ace 4, king 3, queen 2, jack 1) in one hand and
// in one line; 0 for a total that cannot occur.
constexpr int kMaxHandPoints = 37;
constexpr int kMaxLinePoints = 40;
long double pointProbability13(int t);
long double pointProbability26(int t);

// The four suit lengths of a hand, in suit order; they sum to 13.
using SuitLengths = std::array<int, 4>;
// The mean of `value` over every 13-card hand: with a value of 0 or 1, the
// probability of a kind of hand; with a count (of voids, say), how many a
// hand holds on average.
long double handExpectation(const std::function<long double(const SuitLengths &)> &value);
// How many of the four hands of a deal are of a kind, which depends on the
// hand's lengths but not on which suit has which (a pattern's kind): element
// k is the probability that exactly k hands are.
std::array<long double, 5> handsOfDeal(const std::function<bool(const SuitLengths &)> &isOfKind);

}  // namespace vrek
