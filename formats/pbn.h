// PBN for WBridge5 ("All") and GIB ("Both"): 16 lines per deal.
#pragma once
#include <string>

#include "core/cards.h"
#include "formats/exports.h"

namespace vrek {

// "N:" + the four hands from the dealer clockwise, "AK5.QJ2.T98.7654" each.
std::string pbnDealString(const Deal &d, int dealer);
// A tag value with '"' and '\' escaped by a backslash, as PBN readers expect.
std::string pbnEscape(const std::string &value);
// "[Name \"value\"]"
std::string pbnTag(const std::string &name, const std::string &value);

// The analysis lines: DoubleDummyTricks, OptimumScore, ParContract and the
// OptimumResultTable section.
std::vector<std::string> pbnAnalysisLines(const DealAnalysis &a);

ExportOutput writePbn(const Series &s, const Selection &sel, const ExportOptions &opt);

}  // namespace vrek
