// Reading a HandyDup / Dealer4 DUP file back: the boards its one line holds
// and the deals of its 156-character records.
#pragma once
#include <string>
#include <vector>

#include "formats/importdeal.h"

namespace vrek {

// Boards 1 .. k of a first line of 156 k + r characters, plus one when r
// exceeds 78 (South's cards are there); at most 96. No line: empty. A line
// that does not begin as a DUP record (two digits, and the byte 06 after
// the 78 digits of the cards) is not a DUP file.
ImportScan scanDup(const std::string &bytes);

// North, East and South from their card indices, West the cards left, for
// each chosen board in order; a record that cannot be read is skipped and
// named.
ImportRead readDup(const std::string &bytes, const std::vector<int> &boards);

// The 39 two-digit card indices of North, East and South from bytes[at],
// then West given the cards left: the first part of a DUP record, and a BRI
// record. False with the builder's error set.
bool readIndexHands(const std::string &bytes, size_t at, DealBuilder &deal);

}  // namespace vrek
