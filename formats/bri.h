// The BRI file of the dealing machines: one 128-byte record per board,
// North, East and South as 13 two-digit card numbers each (West implied),
// then 32 blanks and 18 zero bytes. The first part of a DUP record.
#pragma once
#include <string>

#include "formats/cardorder.h"
#include "formats/exports.h"
#include "formats/importdeal.h"

namespace vrek {

constexpr size_t kBriRecord = 128;

std::string briRecord(const CardOwners &owners);
// Boards 1 .. n of the leading run; append mode after a file of 96 records.
ExportOutput writeBri(const Series &s, const Selection &sel, const ExportOptions &opt);

ImportScan scanBri(const std::string &bytes);
ImportRead readBri(const std::string &bytes, const std::vector<int> &boards);

}  // namespace vrek
