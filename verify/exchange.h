// What the verification hands to the solver program: the exchange file and
// the command written on the solver's standard input.
#pragma once
#include <optional>
#include <string>

#include "core/cards.h"
#include "verify/contractline.h"

namespace vrek {

constexpr const char *kExchangeFileName = "vrek.txt";
constexpr size_t kSolverCommandSize = 255;

// Six CR LF lines: the four hands North, East, South, West ("n AK2.QJT9.876.54",
// spades first), then declarer and strain ("s H"), then the lead ("S5").
std::string exchangeText(const Deal &deal, int declarer, Strain strain, int lead);

// "-dcq " + path padded with zero bytes to 255 bytes; nullopt when the path
// does not fit or holds a zero byte.
std::optional<std::string> solverCommand(const std::string &exchangePath);

}  // namespace vrek
