// The split calculator: how the cards of a suit that the partnership lacks
// are likely to lie between the two opponents, side by side and regardless
// of side.
#pragma once
#include <array>
#include <string>
#include <vector>

namespace vrek::stats {

struct SplitRow {
    int left = 0, right = 0;        // cards with the left and right opponent
    long double leftValue = 0;      // the two halves of the split's probability
    long double rightValue = 0;
    long double combined() const { return leftValue + rightValue; }
};

struct MergedRow {
    int right = 0, left = 0;
    long double value = 0;  // the split in either direction
};

struct SplitTables {
    int missing = 0;
    std::vector<SplitRow> rows;      // one per possible split, left count rising
    std::vector<MergedRow> merged;   // mirror splits together
};

// `held` 0 .. 12 cards of the suit in the line, `knownLeft` / `knownRight`
// 0 .. 13 cards already known in each opponent's hand (values outside are
// brought inside).
SplitTables splitTables(int held, int knownLeft, int knownRight);

// Cells as the window shows them: GC, GP, PR, DP, DC; then RC, RP.
std::array<std::string, 5> splitRowTexts(const SplitRow &r, const std::string &decimalPoint);
std::array<std::string, 2> mergedRowTexts(const MergedRow &r, const std::string &decimalPoint);
// "Les 5 cartes se répartissent".
std::string repartitionText(int held);

// Both tables as lines of text, cells separated by tabs.
std::string splitReport(const SplitTables &t, const std::string &decimalPoint);

}  // namespace vrek::stats
