// The card order of the dealing-machine files (DLM, DUP): cards 1 .. 52 are
// the spades ace .. two, then hearts, diamonds and clubs the same way.
#pragma once
#include <array>
#include <cstdint>
#include <optional>

#include "core/cards.h"

namespace vrek {

inline int cardIndex(int suit, int rank) { return (4 - suit) * 13 + (15 - rank); }
inline int suitOfIndex(int index) { return 4 - (index - 1) / 13; }
inline int rankOfIndex(int index) { return 14 - (index - 1) % 13; }

// owner[i - 1]: the seat (1 .. 4) holding card i.
using CardOwners = std::array<uint8_t, 52>;

// The owners of a deal in which every card is held exactly once; nullopt for
// a deal that lacks a card or holds one twice (a machine cannot deal it).
std::optional<CardOwners> cardOwners(const Deal &d);

}  // namespace vrek
