#include "stats/lineofplay.h"

#include <algorithm>

#include "core/probability.h"
#include "stats/statistics.h"

namespace vrek::stats {

void LineOfPlay::reset() {
    for (int c = 0; c < kConditions; ++c) {
        c_[c] = Condition{};
        computeSplits(c);
    }
    chain();
}

void LineOfPlay::computeSplits(int c) {
    Condition &k = c_[c];
    const int n = k.missing, kL = k.knownLeft, kR = k.knownRight;
    const int unknown = 26 - n - kL - kR;
    int r = 0;
    for (int j = 0; j <= n && r < kSplitRows; ++j) {
        if (j > 13 - kL || n - j > 13 - kR) continue;
        k.split[r] = splitHalfProbability(j, n, 13 - kL - j, unknown) +
                     splitHalfProbability(n - j, n, 13 - kR - (n - j), unknown);
        for (int col = 0; col < kSplitRows; ++col) {
            k.left[r][col] = col >= kSplitRows - j ? NotCounted : NoCard;
            k.right[r][col] = col < n - j ? NotCounted : NoCard;
        }
        ++r;
    }
    for (; r < kSplitRows; ++r) {
        k.split[r] = 0;
        std::fill(std::begin(k.left[r]), std::end(k.left[r]), NoCard);
        std::fill(std::begin(k.right[r]), std::end(k.right[r]), NoCard);
    }
}

void LineOfPlay::computeLocal(int c) {
    Condition &k = c_[c];
    long double local = 0;
    for (int r = 0; r < kSplitRows; ++r)
        for (int col = 0; col < kSplitRows; ++col)
            local += ((k.left[r][col] == Counted) + (k.right[r][col] == Counted)) * k.split[r] / k.missing;
    k.local = local;
}

void LineOfPlay::chain() {
    long double incoming = 0;
    for (Condition &k : c_) {
        k.incoming = incoming;
        switch (k.mode) {
        case And: k.outgoing = incoming * k.local; break;
        case Or: k.outgoing = incoming + (1 - incoming) * k.local; break;
        default: k.outgoing = incoming; break;
        }
        incoming = k.outgoing;
    }
}

void LineOfPlay::changed(int c) {
    c_[c].mode = Inactive;
    c_[c].local = 0;
    computeSplits(c);
    chain();
}

void LineOfPlay::setHeld(int c, int held) {
    c_[c].missing = uint8_t(13 - std::clamp(held, 1, 12));
    changed(c);
}

void LineOfPlay::setKnownLeft(int c, int known) {
    c_[c].knownLeft = uint8_t(std::clamp(known, 0, 13));
    changed(c);
}

void LineOfPlay::setKnownRight(int c, int known) {
    c_[c].knownRight = uint8_t(std::clamp(known, 0, 13));
    changed(c);
}

void LineOfPlay::setMode(int c, ConditionMode m) {
    c_[c].mode = m;
    chain();
}

void LineOfPlay::clickCard(int c, bool rightGrid, int row, int column) {
    if (row < 0 || row >= kSplitRows || column < 0 || column >= kSplitRows) return;
    uint8_t &cell = rightGrid ? c_[c].right[row][column] : c_[c].left[row][column];
    if (cell == NoCard) return;
    cell = cell == Counted ? NotCounted : Counted;
    computeLocal(c);
    chain();
}

void LineOfPlay::place(int c, bool rightGrid) {
    auto &grid = rightGrid ? c_[c].right : c_[c].left;
    int counted = 0, notCounted = 0;
    for (auto &row : grid)
        for (uint8_t cell : row) counted += cell == Counted, notCounted += cell == NotCounted;
    const uint8_t to = counted < notCounted ? Counted : NotCounted;
    for (auto &row : grid)
        for (uint8_t &cell : row)
            if (cell != NoCard) cell = to;
    computeLocal(c);
    chain();
}

std::string missingText(int missing) {
    if (missing == 1) return "la carte manquante peut se répartir";
    return "Les " + std::to_string(missing) + " cartes manquantes peuvent se répartir";
}

std::string resultText(long double chance, const std::string &dp) { return fixed(chance * 100, 2, dp) + " %"; }

}  // namespace vrek::stats
