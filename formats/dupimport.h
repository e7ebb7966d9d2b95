// Reading a HandyDup / Dealer4 DUP file back: the boards its one line holds
// and the deals of its 156-character records.
#pragma once
#include <string>
#include <vector>

#include "formats/importdeal.h"

namespace vrek {

// Boards 1 .. k of a first line of 156 k + r characters, plus one when r
// exceeds 78 (South's cards are there); at most 96. No line: empty.
ImportScan scanDup(const std::string &bytes);

// North, East and South from their card indices, West the cards left, for
// each chosen board in order.
ImportRead readDup(const std::string &bytes, const std::vector<int> &boards);

}  // namespace vrek
