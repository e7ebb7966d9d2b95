// Hand texts in English rank letters, as the PBN, LIN and DAT files write them.
#pragma once
#include <string>

#include "core/cards.h"

namespace vrek {

// The English rank letters of one holding, highest first ("AKT2").
std::string englishHolding(const Holding &h);
// "N", "E", "S", "W".
char englishSeat(int seat);
// "North" .. "West".
std::string englishSeatName(int seat);

}  // namespace vrek
