// Reading the deals of a PBN file back: "[Board" lines give the numbers,
// the "[Deal" line after each gives the cards.
#pragma once
#include <string>
#include <vector>

#include "formats/importdeal.h"

namespace vrek {

// The board number of a line: all its decimal digits in order; -1 without
// any digit, and a number too long to be a board is above 96.
long pbnLineNumber(const std::string &line);

// Boards 1 .. 96 named by some "[Board" line; higher numbers (a file
// completed from board 97) are not offered.
ImportScan scanPbn(const std::string &bytes);

// The cards of a deal string: the first N, E, S or W names the first seat,
// then '.' steps to the next suit (spades first) and a blank to the next
// seat clockwise. Error "" on success.
std::string pbnReadDeal(const std::string &text, int board, Deal &out);

// For each "[Board" line whose board is chosen, in file order, the first
// "[Deal \"" line before the next board. A board named twice is read twice.
ImportRead readPbn(const std::string &bytes, const std::vector<int> &boards);

}  // namespace vrek
