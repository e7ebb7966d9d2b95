// Reading the deals of another series file pair for insertion: the 160-byte
// records of its .VRK file and the 15 text lines of each deal in its .VRT.
#pragma once
#include <string>
#include <vector>

#include "formats/importdeal.h"

namespace vrek {

// Each complete record (its counts add up to 52) is offered. A file that is
// not a whole number of records, or holds more than 96, is refused.
ImportScan scanSeriesRecords(const std::string &records);

// The chosen records as they are stored, each checked, with the lines
// 15 d - 14 .. 15 d of the text file (empty lines where the text is short).
ImportRead readSeriesRecords(const std::string &records, const std::string &texts, const std::vector<int> &boards);

}  // namespace vrek
