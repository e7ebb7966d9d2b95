// The double-dummy tags of a PBN game read back into an analysis:
// [DoubleDummyTricks] or the [OptimumResultTable] rows for the tricks,
// [OptimumScore] for the par score and [ParContract] for its contracts.
#pragma once
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "formats/importdeal.h"
#include "formats/pbntokens.h"

namespace vrek {

// The analysis when the game gives all of it: every seat's tricks in every
// strain, the par score, and the par contracts (none needed for a par of 0,
// a deal passed out); with the dealer and vulnerability it holds for, from
// [Dealer] and [Vulnerable] or else from the board number (0: not known).
std::optional<FileAnalysis> pbnFileAnalysis(const PbnGame &g, int board);

// How a file's analysis differs from the solver's: the tricks, the par
// score, and any par contract of the file the solver does not give (a file
// may name one of several); "" when they agree.
std::string analysisDifference(const DealAnalysis &file, const DealAnalysis &solver);
// A check of a file's analyses against the solver's, by board: a line per
// board that differs ("Donne 7 : ..."), then the count of both.
std::vector<std::string> analysisCheck(const std::map<int, DealAnalysis> &file,
                                       const std::map<int, DealAnalysis> &solver);

}  // namespace vrek
