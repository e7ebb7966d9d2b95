// The double-dummy count asked of DDS.
#pragma once
#include <string>

#include "verify/bridge/exchangereader.h"

namespace bridge {

// Tricks North-South take double dummy once the leader has led the lead card
// and the declarer's side plays on; -1 with a French message if DDS fails.
int nsTricksAfterLead(const Problem &p, std::string &error);

}  // namespace bridge
