#include "dealing/seating.h"

namespace vrek::seating {

void SeatTables::build(const ConstraintTable &t) {
    *this = SeatTables();
    int sets = t.activeSets();
    for (int k = 0; k < sets; ++k)
        for (int seat = 0; seat < 4; ++seat) {
            const ConstraintRecord &r = t.record(k + 1, seat + 1);
            uint64_t bit = uint64_t(1) << (16 * seat + k);
            for (int v = r[kMinPoints]; v <= r[kMaxPoints] && v < 64; ++v) hand[v] |= bit;
            for (int s = 1; s <= 4; ++s)
                for (int p = r[suitByte(s, kSuitMinPoints)]; p <= r[suitByte(s, kSuitMaxPoints)] && p < 16; ++p)
                    for (int n = r[suitByte(s, kSuitMinLength)]; n <= r[suitByte(s, kSuitMaxLength)] && n < 16; ++n)
                        suit[s - 1][p << 4 | n] |= bit;
        }
    // A set that accepts every value of every component, for each seat.
    uint64_t common = ~uint64_t(0);
    for (int v = 0; v <= 37; ++v) common &= hand[v];
    for (int s = 0; s < 4; ++s)
        for (int p = 0; p <= 10; ++p)
            for (int n = 0; n <= 9; ++n) common &= suit[s][p << 4 | n];
    acceptsAll = true;
    for (int seat = 0; seat < 4; ++seat) acceptsAll = acceptsAll && ((common >> (16 * seat)) & 0xFFFF) != 0;
}

// Built again only when the constraints change (their version says so), so
// that dealing many boards, or many single deals, does not pay for it each time.
const SeatTables &seatTables(const ConstraintTable &t) {
    thread_local SeatTables tables;
    thread_local uint64_t builtFor = 0;  // versions start at 1
    if (builtFor != t.version()) {
        tables.build(t);
        builtFor = t.version();
    }
    return tables;
}

namespace {

uint8_t assign(unsigned matrix) {
    unsigned freeRows = 0xF, freeCols = 0xF;
    unsigned handFor[4] = {};
    for (int step = 0; step < 4; ++step) {
        // The seat with the fewest qualifying free hands, the last on ties.
        int row = -1, fewest = 5;
        for (int r = 0; r < 4; ++r) {
            if (!(freeRows >> r & 1)) continue;
            int c = __builtin_popcount((matrix >> (4 * r)) & 0xF & freeCols);
            if (c <= fewest) {
                row = r;
                fewest = c;
            }
        }
        if (fewest == 0) return kNoFit;
        unsigned cols = (matrix >> (4 * row)) & 0xF & freeCols;
        unsigned col = 31 - __builtin_clz(cols);  // the last qualifying hand
        handFor[row] = col;
        freeRows &= ~(1u << row);
        freeCols &= ~(1u << col);
    }
    return static_cast<uint8_t>(handFor[0] | handFor[1] << 2 | handFor[2] << 4 | handFor[3] << 6);
}

}  // namespace

AssignTable::AssignTable() {
    for (unsigned m = 0; m < (1u << 16); ++m) v[m] = assign(m);
}

const AssignTable &assignTable() {
    static const AssignTable t;
    return t;
}

}  // namespace vrek::seating
