// Deals built from suit lengths, for the statistics tests.
#pragma once
#include "core/cards.h"

namespace statsfixture {

// lengths[seat][suit]: seats North .. West, suits spades, hearts, diamonds,
// clubs; each suit's lengths sum to 13. Ranks go out from the ace down, North
// first, so North holds the top cards of each of its suits.
inline vrek::Deal dealOfLengths(const int lengths[4][4]) {
    vrek::Deal d;
    for (int s = 0; s < 4; ++s) {
        const int suit = 4 - s;
        int rank = 14;
        for (int seat = 0; seat < 4; ++seat)
            for (int k = 0; k < lengths[seat][s]; ++k) d.holding(seat + 1, suit).insert(rank--);
    }
    return d;
}

}  // namespace statsfixture
