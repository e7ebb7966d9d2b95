#include "core/dealview.h"

#include "core/settings.h"

#include <algorithm>

namespace vrek {

std::string holdingText(int suit, const Holding &h) {
    std::string s{suitLetter(suit), ' '};
    for (int k = 0; k < h.count && k < kMaxHolding; ++k) s += frenchRank(h.ranks[k]);
    return s;
}

DealView viewOf(const Deal &d, int board, int cursor) {
    DealView v;
    if (d.damaged()) {
        v.damaged = true;
        return v;
    }
    for (int seat = 1; seat <= 4; ++seat)
        for (int suit = 1; suit <= 4; ++suit) {
            v.hand[seat - 1][suit - 1] = holdingText(suit, d.holding(seat, suit));
            v.handHighlighted[seat - 1][suit - 1] = cursor == cursorOf(seat, suit);
        }
    PackTable t = undealt(d);
    for (int suit = 1; suit <= 4; ++suit) {
        std::string s{suitLetter(suit), ' '};
        for (int r = 14; r >= 2; --r)
            if (t[suit - 1][r - 2]) s += frenchRank(r);
        v.pack[suit - 1] = s;
        for (int seat = 1; seat <= 4; ++seat)
            if (cursor == cursorOf(seat, suit)) v.packHighlighted[suit - 1] = true;
    }
    v.complete = d.cards() == 52;
    for (int seat = 1; seat <= 4; ++seat) v.points[seat - 1] = handValue(d.hand(seat));
    v.ns = sideValue(d.hand(North), d.hand(South));
    v.ew = sideValue(d.hand(East), d.hand(West));
    v.dealer = dealerOf(board);
    v.nsVul = nsVulnerable(board);
    v.ewVul = ewVulnerable(board);
    return v;
}

LineCounts balanceCounts(LineCounts c, int which, int delta) {
    int &own = which == 0 ? c.a : c.d;
    int &other = which == 0 ? c.d : c.a;
    own = std::clamp(own + delta, 0, 12);
    while (c.a + c.d + c.e != 12) {
        if (c.a + c.d + c.e > 12) {
            if (c.e > 0) --c.e;
            else --other;
        } else {
            ++c.e;
        }
    }
    return c;
}

int zoomAfter(int zoom, int step) {
    int z = zoom + step;
    if (step < 0 && z < 5) z = 3;
    return std::min(z, kLargestZoom);
}

}  // namespace vrek
