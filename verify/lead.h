// The opening leader and the lead card the verification uses.
#pragma once
#include "core/cards.h"

namespace vrek {

// The seat after the declarer clockwise.
int leaderOf(int declarer);

// The leader's lowest spade, failing spades its lowest heart, then diamond,
// then club; 0 for a hand without cards.
int defaultLead(const Hand &leader);

// `lead` when the leader holds it, otherwise the default lead (0 when the
// leader holds no card at all).
int leadFor(const Deal &deal, int declarer, int lead);

}  // namespace vrek
