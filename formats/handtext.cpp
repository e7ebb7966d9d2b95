#include "formats/handtext.h"

#include "formats/textlines.h"

namespace vrek {

std::string englishHolding(const Holding &h) { return rankText(h, englishRank); }

char englishSeat(int seat) { return "?NESW"[seat >= 1 && seat <= 4 ? seat : 0]; }

std::string englishSeatName(int seat) {
    switch (seat) {
    case North: return "North";
    case East: return "East";
    case South: return "South";
    case West: return "West";
    default: return "";
    }
}

}  // namespace vrek
