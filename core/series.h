// The in-memory series: 96 deal records and the text store with its line map.
#pragma once
#include <array>
#include <string>
#include <vector>

#include "core/cards.h"

namespace vrek {

constexpr int kTextLines = 1441;   // 1 title + 96 boards x 15 lines
constexpr int kContractWidth = 50; // contract text columns before the counts
constexpr int kContractLineWidth = 66;

// Line map of board n's texts (lines count from 0; line 0 is the title).
inline int themeLine(int n) { return 15 * n - 14; }
inline int contractLine(int n) { return 15 * n - 13; }
inline int commentLine(int n, int i) { return 15 * n - 12 + i; }  // i = 0 .. 11
inline int provenanceLine(int n) { return 15 * n; }

// Counts of the three comment blocks: declarer side, defence, auction.
struct LineCounts {
    int a = 3, d = 3, e = 6;
    bool operator==(const LineCounts &) const = default;
};

// Reads the counts from columns 50-51, 55-56 and 60-61; a missing or
// unreadable field takes its default.
LineCounts lineCountsOf(const std::string &contractLine);
// Counts that a window can show and store: each within 0 .. 12 and summing to
// 12 (the auction block takes what the two comment blocks leave), so that no
// field of a board reaches a line of the next one.
LineCounts normalizedCounts(LineCounts c);
// The contract text: columns 0 .. 49 with blanks trimmed.
std::string contractTextOf(const std::string &contractLine);
// Builds the 66-column contract line from a text and the three counts.
std::string makeContractLine(const std::string &text, const LineCounts &c);

std::string trimBlanks(const std::string &s);

struct Series {
    std::array<Deal, kBoards> deals{};
    std::vector<std::string> lines = std::vector<std::string>(kTextLines);

    Deal &deal(int board) { return deals[board - 1]; }
    const Deal &deal(int board) const { return deals[board - 1]; }
    // Line i, or an empty string past the end (never grows the store).
    const std::string &line(int i) const;
    // Sets line i, growing the store with empty lines if needed.
    void setLine(int i, std::string text);

    // 96 zero records and exactly 1441 empty lines.
    void clear();
    // Empties every board and its 15 lines and the title ("Remise à Zéro").
    void reset();
    // Zeroes the 96 deal records only; the texts stay.
    void wipeDeals();
    // Pads the text store to at least 1441 lines.
    void ensureLines();

    bool operator==(const Series &o) const { return deals == o.deals && lines == o.lines; }
};

}  // namespace vrek
