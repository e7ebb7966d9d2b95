// The master display's play seen as the solver sees it: the contract the
// numbers are for, and the position the tricks on the display have reached.
#pragma once
#include <string>

#include "core/playanalysis.h"
#include "teach/display.h"

namespace vrek {

struct PlayContract {
    int declarer = 0;  // seat; 0 when unknown
    int strain = -1;   // 0 no-trump .. 4 clubs; -1 when unknown
    bool known() const { return declarer && strain >= 0; }
};

// Strain of a contract written as in the contract text ("4P", "3SA", "6K*"),
// -1 when the text does not start with one.
int strainOfContract(const std::string &contract);
// Seat of a declarer letter "N", "E", "S" or "O", 0 for anything else.
int seatOfLetter(const std::string &letter);

// The display's contract and the rest of its text ("4P" and "= par S sur
// entame 5T"): the strain from the contract, the declarer from the first
// seat letter after it, as the verification reads them.
PlayContract playContractOf(const TeachDisplay &d);

// The seat sitting at a position of the table, and the reverse.
int seatAt(const TeachDisplay &d, int position);
int positionOf(const TeachDisplay &d, int seat);

// The position of the play the display shows, the tricks won by the
// display's own scoring; the next leader is the last trick's winner, or the
// declarer's left-hand opponent before the first card. False with the
// reason (French) when there is nothing to ask.
bool displayPosition(const TeachDisplay &d, const PlayContract &c, PlayPosition &out, std::string &why);

}  // namespace vrek
