// What the DLM and DUP writers share: the deals of the leading run, each one
// a deal a machine can deal.
#pragma once
#include <string>
#include <vector>

#include "formats/cardorder.h"
#include "formats/exports.h"

namespace vrek {

// The card owners of boards 1 .. n of the leading run; an error names the
// first board that is not a whole pack.
struct MachineRun {
    std::vector<CardOwners> boards;
    std::string error;
};
MachineRun machineRun(const Series &s, const Selection &sel);

}  // namespace vrek
