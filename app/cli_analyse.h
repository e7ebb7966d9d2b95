// The double-dummy analysis of a series' boards for the batch commands.
#pragma once
#include <map>
#include <string>
#include <vector>

#include "core/dealanalysis.h"
#include "core/series.h"

namespace cli {

// Analyses the complete boards of `boards` through the solver program beside
// vrek. Boards with cards but not complete go to `incomplete`. False with a
// French `error` when the solver fails.
bool analyseBoards(const vrek::Series &s, const std::vector<int> &boards, std::map<int, vrek::DealAnalysis> &out,
                   std::vector<int> &incomplete, std::string &error);

// analyseBoards where the program has it (the Qt program, which runs the
// solver's processes); null in the batch front, which hands such commands over.
using BoardAnalyser = decltype(&analyseBoards);
BoardAnalyser &boardAnalyser();

}  // namespace cli
