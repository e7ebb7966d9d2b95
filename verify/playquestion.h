// The solver's play mode, our side: the request line of a position of the
// play, and the reading and checking of an answer line.
#pragma once
#include <string>

#include "core/playanalysis.h"

namespace vrek {

// The position as the solver reads it, without the tag: also the key under
// which its answer is kept.
std::string playKey(const PlayPosition &p);
// One request line of the play mode.
std::string playRequestLine(const std::string &tag, const PlayPosition &p);

// Reads one answer line (bytes from the solver, bounded by the caller). False
// when it is not one; a line that reports a failure gives its tag and the
// solver's message in `error`, with true.
bool parsePlayAnswerLine(const std::string &line, std::string &tag, PlayAnalysis &out, std::string &error);

// Whether the answer fits the position it answers: the player on turn, each
// legal card once, numbers the declaring side can still reach.
bool answerFits(const PlayPosition &p, const PlayAnalysis &a);

}  // namespace vrek
