// The play of a board for the batch commands: the cards of "--play" played
// as the master display plays clicked cards, and the double-dummy numbers of
// the position they reach, from the solver program beside vrek.
#pragma once
#include <string>
#include <vector>

#include "core/playanalysis.h"
#include "teach/display.h"
#include "teach/playposition.h"

namespace cli {

// "AP,RP,2P" -> cards (suit * 100 + rank); false with the bad token in `bad`.
bool parseCardList(const std::string &list, std::vector<int> &out, std::string &bad);
// Plays the cards in order. 0, or the exit code once the refusal is printed.
int playCards(vrek::TeachDisplay &d, const std::vector<int> &cards);
// Asks the solver for the position the display has reached under the
// contract. 0, or the exit code once the failure is printed.
int solveDisplay(const vrek::TeachDisplay &d, const vrek::PlayContract &c, vrek::PlayPosition &position,
                 vrek::PlayAnalysis &out);

}  // namespace cli
