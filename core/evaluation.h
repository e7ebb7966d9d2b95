// Hand values (honour points plus length points) and side totals.
#pragma once
#include <string>

#include "core/cards.h"

namespace vrek {

int highCardPoints(const Holding &h);
int highCardPoints(const Hand &h);
// Honour points plus (length - 4) in a suit of 5+ cards holding 3+ honour points.
int handValue(const Hand &h);

struct SideValue {
    int hl = 0;     // sum of the two hand values
    int extra = 0;  // distribution and support points
    int total() const { return hl + extra; }
    std::string text() const;  // "25 - 27"
};
// The fit suit of two hands (0 when none): the last of clubs, diamonds,
// hearts, spades holding 9+ (minors) or 8+ (majors) cards together.
int fitSuit(const Hand &a, const Hand &b);
SideValue sideValue(const Hand &a, const Hand &b);

}  // namespace vrek
