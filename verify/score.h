// Duplicate score of a played contract, and the texts the verification
// shows and stores.
#pragma once
#include <string>

#include "verify/contractline.h"

namespace vrek {

enum class Doubling { None = 0, Doubled = 1, Redoubled = 2 };

// Score of the declaring side for `tricks` (0 .. 13) taken in a contract of
// `level` (1 .. 7). Values outside those ranges give 0.
int duplicateScore(int level, Strain strain, Doubling doubling, bool vulnerable, int tricks);

// Tricks of the declaring side from the solver's North-South count.
int declarerTricks(int nsTricks, int declarer);
// Whether the declarer's side is vulnerable on that board (16-board rotation).
bool declarerVulnerable(int board, int declarer);

// "Nord", "Est", "Sud", "Ouest".
const char *seatName(int seat);

// "4P= par S sur entame 5T", "3SA*-2 par O sur entame RC". A lead of 0 ends
// the text after "entame ".
std::string resultText(int level, Strain strain, Doubling doubling, int declarer, int tricks, int lead);

// The confirmation asked before the result is stored:
// "10 levées par Sud\r\r420\r\r4P= par S sur entame 5T" (UTF-8).
std::string questionText(int tricks, int declarer, int score, const std::string &result);

}  // namespace vrek
