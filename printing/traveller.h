// Travelling sheets: two a page (boards 2n-1 and 2n of pair n), complete on
// blank paper or only the variable parts on pre-printed paper, with an
// optional section letter and colour band.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "core/series.h"
#include "core/settings.h"
#include "printing/printstyle.h"

namespace vrek {

constexpr int kTravellerPairs = 48;

struct TravellerOptions {
    PrintStyle style;
    bool preprinted = false;
    std::string section;  // "" (no section) or "A" .. "T"
    Rgb sectionColour;
    Progress progress;  // 0 .. 119 over the pair
};

// The section of up-down position 0 .. 20: "" then "A" .. "T", with the
// colours of the first four letters (none: the window's own colour).
struct Section {
    std::string letter;
    std::optional<Rgb> colour;
};
Section sectionAt(int position);
// Position of a section letter ("" is 0); -1 for anything else.
int sectionPosition(const std::string &letter);
// The colour section `letter` prints in, the same from the dialog and the
// batch command: the one chosen for it in the dialog (kept in the
// settings), else its own; none for a letter that has neither (the dialog's
// own colour then).
std::optional<Rgb> sectionColourOf(const std::string &letter, const Settings &s);

// "VREK:fiches ambulantes:1-2".
std::string travellerTitle(int pair);
// "Fiches  1- 2" .. "Fiches 95-96".
std::string travellerBoxCaption(int pair);

// Pair n as a document of one page. False when the canvas failed.
bool printTravellerPair(Canvas &c, const Series &s, int pair, const TravellerOptions &o);
// One document per pair.
bool printTravellers(Canvas &c, const Series &s, const std::vector<int> &pairs, const TravellerOptions &o);

}  // namespace vrek
