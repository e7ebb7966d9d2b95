// The self-dealing sheets: for one seat, its hand in the 32 boards of a
// block, in a grid of four columns (the dealers) by eight rows.
#pragma once
#include <array>
#include <string>

#include "core/series.h"
#include "printing/printstyle.h"

namespace vrek {

struct HandSheetOptions {
    int block = 0;  // 0 boards 1-32, 1 boards 33-64, 2 boards 65-96
    PrintStyle style;
    Progress progress;  // 0 .. 8, the block of four rows being drawn
};

// "VREK: Main de N" .. "VREK: Main de O".
std::string handSheetTitle(int seat);

// One document of one page: the sheet of `seat`. False when the canvas failed.
bool printHandSheet(Canvas &c, const Series &s, int seat, const HandSheetOptions &o);
// One document per chosen seat (seats[0] North .. seats[3] West), North first.
bool printHandSheets(Canvas &c, const Series &s, const std::array<bool, 4> &seats, const HandSheetOptions &o);

}  // namespace vrek
