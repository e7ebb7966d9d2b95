// What the dealing-machine writers (DLM, DUP, BRI, DGE) share: the deals of
// the leading run, each one a deal a machine can deal, the two halves of a
// DUP record (which are the BRI and DGE records), and the append to a file
// of 96 fixed-size records.
#pragma once
#include <optional>
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
// The same for a writer: nothing, with `out` saying why, when no board is
// chosen or one is not a whole pack.
std::optional<MachineRun> machineRunFor(const Series &s, const Selection &sel, ExportOutput &out);

// North, East and South as 39 two-digit card indices ("01" .. "52"), each
// hand's cards in card order; West is implied.
std::string cardIndexHands(const CardOwners &owners);
// The four hands North .. West, each the byte 06 and its spades, 03 and its
// hearts, 04 and its diamonds, 05 and its clubs, ranks "AKQJT98765432": 68 bytes.
std::string rankLetterHands(const CardOwners &owners);

// A file of one fixed-size record per board, boards 1 .. n of the leading
// run. Append mode adds the new records after a file of exactly 96 of them.
ExportOutput writeRecordFile(const Series &s, const Selection &sel, const ExportOptions &opt, size_t recordSize,
                             std::string (*record)(const CardOwners &));

}  // namespace vrek
