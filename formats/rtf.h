// The RTF document of diagrams for a word processor: a header, 15 lines per
// deal, a closing line. With rotation the declarer is always shown below.
#pragma once
#include <string>
#include <vector>

#include "core/cards.h"
#include "formats/exports.h"

namespace vrek {

// The seats shown above, left, right and below.
struct DiagramSeats {
    int up = North, left = West, right = East, down = South;
};
// North above, unless `rotate` and the contract line names a declarer
// (first E, N, O or S from its third character): then the declarer is below.
DiagramSeats diagramSeats(const std::string &contractLine, bool rotate);

// The 15 lines of one deal under board number b.
std::vector<std::string> rtfDealLines(const Deal &d, int board, const std::string &contractLine, bool rotate);

// Append mode drops the old closing line and ends with a new one.
ExportOutput writeRtf(const Series &s, const Selection &sel, const ExportOptions &opt);

}  // namespace vrek
