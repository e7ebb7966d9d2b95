#include "verify/lead.h"

namespace vrek {

int leaderOf(int declarer) { return declarer % 4 + 1; }

int defaultLead(const Hand &leader) {
    for (int suit : {Spades, Hearts, Diamonds, Clubs}) {
        const Holding &h = leader.suit(suit);
        if (h.count > 0 && h.count <= kMaxHolding) return cardCode(suit, h.rank(h.count));
    }
    return 0;
}

int leadFor(const Deal &deal, int declarer, int lead) {
    const Hand &hand = deal.hand(leaderOf(declarer));
    int suit = lead / 100, rank = lead % 100;
    if (suit >= 1 && suit <= 4 && hand.suit(suit).holds(rank)) return lead;
    return defaultLead(hand);
}

}  // namespace vrek
