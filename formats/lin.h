// The Bridge Base Online LIN file: a "vg|" header line, then two lines per deal.
#pragma once
#include <string>

#include "core/cards.h"
#include "formats/exports.h"

namespace vrek {

// "S" + spades + "H" + hearts + "D" + diamonds + "C" + clubs, every letter written.
std::string linHand(const Hand &h);
// A user's text as a LIN field holds it: "|" ends a field, so each one
// becomes "/".
std::string linText(std::string text);
// The "qx|o..." line of a deal under board number b.
std::string linDealLine(const Deal &d, int board);

// Append mode keeps the old lines, adds a second header and numbers the
// boards by their deal numbers.
ExportOutput writeLin(const Series &s, const Selection &sel, const ExportOptions &opt);

}  // namespace vrek
