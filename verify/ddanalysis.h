// The solver's table mode, our side: the request line of a deal and the
// reading of an answer line into its analysis.
#pragma once
#include <string>

#include "core/cards.h"
#include "core/dealanalysis.h"

namespace vrek {

// A hand as the solver reads it: "AK2.QJT9.876.54", spades first.
std::string solverHandText(const Hand &h);

// One line of the solver's table mode for the deal of `board`.
std::string tableRequestLine(const std::string &tag, const Deal &d, int board);

// Reads one answer line of the table mode. False when it is not one; a line
// that reports the deal's failure gives its tag and the solver's message.
bool parseTableAnswerLine(const std::string &line, std::string &tag, DealAnalysis &out, std::string &error);

}  // namespace vrek
