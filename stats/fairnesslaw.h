// The exact laws of a fair deal that the fairness tests compare a series
// with: for the hand classes (pattern, points, longest and shortest suit)
// the law of one hand and the joint law of two different hands of the same
// deal, which the tests need because the four hands of a deal are not
// independent; and the law of the deal types.
#pragma once
#include <array>
#include <vector>

#include "core/cards.h"

namespace vrek::fairness {

// A hand class's law: `single[i]` the probability that a hand is of class
// i; `pair[i * size + j]` that one hand is of class i and another given hand
// of the same deal of class j.
struct HandLaw {
    int size = 0;
    std::vector<double> single, pair;
    double joint(int i, int j) const { return pair[static_cast<size_t>(i) * size + j]; }
};

// The 39 patterns (lengths in descending order) in the order the tests list
// them: by shortest suit, longest first (no shortness, then doubletons,
// singletons, voids), then by longest suit ascending.
const std::vector<std::array<int, 4>> &patterns();
// Index in patterns() of a hand's lengths in any order.
int patternIndex(std::array<int, 4> lengths);

const HandLaw &patternLaw();   // 39 classes, as patterns()
const HandLaw &pointsLaw();    // 0 .. 37 points
const HandLaw &longestLaw();   // longest suit 4 .. 13, class = length - 4
const HandLaw &shortestLaw();  // shortest suit 0 .. 3

// Deal types: the longest suit of the deal (row 0: five cards at most, 1:
// six, 2: seven or more) and the number of hands holding a singleton or a
// void (0 .. 4); class 5 * row + hands.
constexpr int kDealTypes = 15;
int dealTypeOf(const Deal &d);
const std::vector<double> &dealTypeLaw();

}  // namespace vrek::fairness
