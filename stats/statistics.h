// The statistics of a series against theory, as the five tabs of the
// statistics window show them: tables of strings, labels and the hand and
// deal counters that the printout reuses.
#pragma once
#include <array>
#include <string>
#include <vector>

#include "core/series.h"

namespace vrek::stats {

// Observed: rows only for values that occur. Full record: every possible
// value has a row. Theory: the theoretical tables alone.
enum class Mode { Observed, FullRecord, Theory };

// The window's caption decides the mode by its first letter.
Mode modeOfCaption(const std::string &caption);
// The caption each menu item sets; `title` is the series title (UTF-8).
std::string captionFor(Mode m, const std::string &title);

// Fixed notation with the given separator ("," in French).
std::string fixed(long double v, int decimals, const std::string &decimalPoint);

using Row = std::array<std::string, 4>;

// A grid of four columns: its header row and its data rows (the window adds
// the spare row that it keeps at the end).
struct Grid {
    Row header;
    std::vector<Row> rows;
};

// Tabs 1-3: hand patterns, points per hand, points per line.
struct CountTab {
    Grid grid;
    int units = 0;           // hands or lines counted
    std::string countLabel;  // "384 mains sont prises en compte"
    std::string typesLabel;  // "24 types de mains différentes"
    bool typesVisible = false;
};

// Hands counted over every complete hand of the series.
struct HandCounters {
    int hands = 0;        // complete hands
    int suits7 = 0;       // suits of 7 cards or more
    int suits6 = 0;       // 6-card suits
    int noShortness = 0;  // hands without singleton or void
    int regular = 0;      // 4333, 4432, 5332, 5422
    int voids[3] = {};    // hands with exactly 1, 2, 3 voids
    int totalVoids() const { return voids[0] + 2 * voids[1] + 3 * voids[2]; }
};

// The theory beside each counter, in percent, for exactly what it counts:
// the eight rows of tab 5 in grid order (deals with some hand of a kind,
// with no such hand, with exactly 1 .. 4 hands with a singleton or void)
// and the eight rows of the printout's hand block, left half then right
// (suits of 7 cards or more and 6-card suits per hand, hands without
// singleton or void, regular hands, hands with exactly 1, 2, 3 voids,
// voids per hand).
const std::array<long double, 8> &dealTheory();
const std::array<long double, 8> &handTheory();

struct Statistics {
    Mode mode = Mode::Observed;
    std::string decimalPoint = ",";
    CountTab tabs[3];
    // Tab 4: one column per seat, North first.
    Grid seats;
    std::array<std::string, 4> seatCounts, seatAverages;
    // Tab 5: StringGrid5 .. StringGrid8 (only the first has a header).
    bool dealsVisible = false;
    Grid deals[4];
    int completeDeals = 0;
    std::string dealsLabel;  // "Sur 96, nombre de donnes possédant :"
    HandCounters counters;
    std::array<std::string, 8> handTheory;  // handTheory() as the printout shows it
    // "24 donnes sont prises en compte" when the boards taken are not the
    // whole series (the evening's), "" otherwise.
    std::string boardsLabel;
};

constexpr int kTabs = 5;
extern const char *const kTabCaptions[kTabs];

// Everything the window shows on activation, initial sort included, over
// `boards` (every board when empty).
Statistics computeStatistics(const Series &s, Mode mode, const std::string &decimalPoint,
                             const std::vector<int> &boards = {});

// Sorts the rows of tab `tab` (0 .. 3) by one column, all columns moving together.
void sortTab(Statistics &st, int tab, int column, bool descending);
// The exchange sort of the window: for every i and, inside, every j, rows i
// and j swap when (descending) value j < value i or (ascending) value j >
// value i. `patternKey` reads the first column as a hand pattern.
void sortGrid(Grid &g, int column, bool descending, bool patternKey);

// Value of a cell for sorting: a pattern " 5- 4- 2- 2" as 5422, a number
// with either separator; a blank or unreadable cell sorts below every value.
long double cellValue(const std::string &cell, bool patternKey);

// Pattern text of a hand: lengths in descending order, two characters each,
// joined by "-".
std::string patternText(const Hand &h);

// The tabs as lines of text: each tab's caption, its data rows with tabs
// between cells, then its labels (the seats' counts and averages after
// "Mains" and "Moyenne"), after the boards' label when there is one.
std::string statisticsReport(const Statistics &st);

}  // namespace vrek::stats
