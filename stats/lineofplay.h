// The line-of-play calculator: up to six conditions on the lie of the
// opponents' cards, each about one suit, chained with "Et" or "Ou" into the
// chance of the contract.
#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace vrek::stats {

constexpr int kConditions = 6;
constexpr int kSplitRows = 13;

enum CellState : uint8_t { NoCard = 0, Counted = 1, NotCounted = 2 };
enum ConditionMode : uint8_t { Inactive = 0, And = 1, Or = 2 };

struct Condition {
    uint8_t mode = Inactive;
    uint8_t knownLeft = 0, knownRight = 0;  // cards of other suits already known
    uint8_t missing = 5;                    // 13 - cards held in the suit
    long double incoming = 0, local = 0, outgoing = 0;
    std::array<long double, kSplitRows> split{};  // probability of each row's split
    uint8_t left[kSplitRows][kSplitRows] = {};    // cell states, by row then column
    uint8_t right[kSplitRows][kSplitRows] = {};
};

class LineOfPlay {
public:
    LineOfPlay() { reset(); }

    // "&Initialiser": six inactive conditions, 5 missing, nothing known.
    void reset();

    const Condition &condition(int c) const { return c_[c]; }
    int held(int c) const { return 13 - c_[c].missing; }

    // Changing the cards of a condition makes it inactive with nothing counted.
    void setHeld(int c, int held);        // 1 .. 12
    void setKnownLeft(int c, int known);  // 0 .. 13
    void setKnownRight(int c, int known);
    void setMode(int c, ConditionMode m);

    // A card clicked in the left or right grid: counted <-> not counted.
    void clickCard(int c, bool rightGrid, int row, int column);
    // "Placé": all the grid's cards counted, or all not counted when at least
    // as many were counted as not.
    void place(int c, bool rightGrid);

    // The sixth condition's outgoing chance.
    long double result() const { return c_[kConditions - 1].outgoing; }

private:
    std::array<Condition, kConditions> c_;
    void computeSplits(int c);
    void computeLocal(int c);
    void chain();
    void changed(int c);
};

// "Les 5 cartes manquantes peuvent se répartir", or the singular for one card.
std::string missingText(int missing);
// "67,83 %".
std::string resultText(long double chance, const std::string &decimalPoint);

}  // namespace vrek::stats
