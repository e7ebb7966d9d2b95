// What the main window shows of one deal: label texts, colours and values.
// The window applies it; the command line prints it.
#pragma once
#include <array>
#include <string>

#include "core/cards.h"
#include "core/evaluation.h"
#include "core/series.h"

namespace vrek {

struct DealView {
    bool damaged = false;                    // a rank outside 2 .. 14: the deal must be cleared
    std::array<std::array<std::string, 4>, 4> hand;  // [seat-1][suit-1]: "P AVX2"
    std::array<std::array<bool, 4>, 4> handHighlighted{};
    std::array<std::string, 4> pack;         // [suit-1]: undealt cards from the ace down
    std::array<bool, 4> packHighlighted{};
    bool complete = false;                   // all 52 cards held
    std::array<int, 4> points{};             // hand values by seat
    SideValue ns, ew;
    int dealer = 1;
    bool nsVul = false, ewVul = false;
};

// Holding text: suit letter, a blank, the French rank characters.
std::string holdingText(int suit, const Holding &h);
// Keyboard-entry cursor (1 .. 16) of a seat and suit.
inline int cursorOf(int seat, int suit) { return (seat - 1) * 4 + (5 - suit); }
DealView viewOf(const Deal &d, int board, int cursor);

// The spinner rule: after a click on the declarer (which = 0) or defence
// (which = 1) count, bring A + D + E back to 12.
LineCounts balanceCounts(LineCounts c, int which, int delta);

// Zoom after a "Zoom +" (positive) or "Zoom -" (negative) step.
int zoomAfter(int zoom, int step);

}  // namespace vrek
