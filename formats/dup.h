// The HandyDup / Dealer4 DUP file: one line of 156-character board records.
#pragma once
#include <string>

#include "formats/cardorder.h"
#include "formats/exports.h"

namespace vrek {

constexpr int kDupRecord = 156;

// The record of one deal in a file of `total` boards (1 .. 99).
std::string dupRecord(const CardOwners &owners, int total);

// New file: the records with no line end at all. Append: the 96 records of
// opt.existing with their counts raised, the new records, and a CR LF.
ExportOutput writeDup(const Series &s, const Selection &sel, const ExportOptions &opt);

}  // namespace vrek
