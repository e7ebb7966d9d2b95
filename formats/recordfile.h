// Reading files of one fixed-size record per board (BRI, DGE): record n is
// board n. A record without any card is a board left out (some programs
// lead with them) and is neither offered nor refused.
#pragma once
#include <string>
#include <vector>

#include "formats/importdeal.h"

namespace vrek {

struct RecordFormat {
    const char *name;  // "BRI", in the messages
    size_t size;       // bytes of a record
    size_t cards;      // bytes a record needs for its deal: a shorter last record is no board
    bool (*blank)(const std::string &bytes, size_t at);
    // The first record with cards shows whether the file is of the format.
    bool (*signature)(const std::string &bytes, size_t at);
    bool (*read)(const std::string &bytes, size_t at, DealBuilder &deal);
};

ImportScan scanRecords(const RecordFormat &f, const std::string &bytes);
ImportRead readRecords(const RecordFormat &f, const std::string &bytes, const std::vector<int> &boards);

}  // namespace vrek
