// Reading the deals of a BBO LIN file, or of a file of LIN lines: "md|"
// gives the hands (South, West, North, East after the dealer's digit), the
// board number comes from "qx|o N|" or "ah|Board N|", else from the deal's
// place in the file; names, auction, play and comments are passed over.
#pragma once
#include <string>
#include <vector>

#include "formats/importdeal.h"

namespace vrek {

// The cards of an "md|" value into the builder; a single hand not given
// receives the cards left. False with its error set.
bool linDealCards(const std::string &value, DealBuilder &deal);

// Bytes with no "md|" at all are not a LIN file.
ImportScan scanLin(const std::string &bytes);
// The chosen boards' deals in file order; every "md|" that cannot be read
// is named by its line in `skipped`. A board given twice with the same
// cards (both rooms of a match) is read once.
ImportRead readLin(const std::string &bytes, const std::vector<int> &boards);

}  // namespace vrek
