// Reading a Duplimate DLM file back: the run its "To board=" line announces
// and the 26 letters of each board line.
#pragma once
#include <string>
#include <vector>

#include "formats/importdeal.h"

namespace vrek {

// Boards 1 .. n, n read from the last line beginning "To board=" (at most
// 96); the filler boards after the run are not offered.
ImportScan scanDlm(const std::string &bytes);

// The first "Board NN=" line of each chosen board; letter 'a' + 4 (o1 - 1) +
// (o2 - 1) gives the owners of two cards in the card order.
ImportRead readDlm(const std::string &bytes, const std::vector<int> &boards);

}  // namespace vrek
