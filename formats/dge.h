// The DGE file of the dealing machines: one 128-byte record per board, the
// four hands North .. West as the byte 06 and the spades, 03 and the hearts,
// 04 and the diamonds, 05 and the clubs (ranks "AKQJT98765432"), then 60
// zero bytes. The second part of a DUP record.
#pragma once
#include <string>

#include "formats/cardorder.h"
#include "formats/exports.h"
#include "formats/importdeal.h"

namespace vrek {

constexpr size_t kDgeRecord = 128;

std::string dgeRecord(const CardOwners &owners);
// Boards 1 .. n of the leading run; append mode after a file of 96 records.
ExportOutput writeDge(const Series &s, const Selection &sel, const ExportOptions &opt);

ImportScan scanDge(const std::string &bytes);
ImportRead readDge(const std::string &bytes, const std::vector<int> &boards);

}  // namespace vrek
