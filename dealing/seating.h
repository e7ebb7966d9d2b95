// Which seats the dealt hands can take under the constraint sets, and the
// assignment of hands to seats, as the dealer's attempts need them: tables
// prepared once per change of the constraints, lookups per attempt.
#pragma once
#include <cstdint>

#include "core/constraints.h"

namespace vrek::seating {

// A hand is a 64-bit mask of its cards: bit 16 * (suit - 1) + rank - 2, one
// 16-bit lane per suit.
constexpr uint64_t kLaneOnes = 0x0001000100010001ull;

// Cards of each suit of a mask, one 16-bit lane per suit.
inline uint64_t laneCounts(uint64_t x) {
    x = x - ((x >> 1) & 0x5555555555555555ull);
    x = (x & 0x3333333333333333ull) + ((x >> 2) & 0x3333333333333333ull);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Full;
    return (x + (x >> 8)) & 0x001F001F001F001Full;
}

// High-card points of each suit of a mask: jack, queen, king and ace are
// bits 9 .. 12 of their lane.
inline uint64_t lanePoints(uint64_t x) {
    uint64_t h = x >> 9;
    return (h & kLaneOnes) + 2 * ((h >> 1) & kLaneOnes) + 3 * ((h >> 2) & kLaneOnes) + 4 * ((h >> 3) & kLaneOnes);
}

// Whether some suit of a mask holds ten cards or more.
inline bool overNine(uint64_t counts) { return ((counts + 6 * kLaneOnes) & (16 * kLaneOnes)) != 0; }

// Which seats each hand may take: for every value of a profile component, a
// word of four 16-bit lanes (seats) whose bit k - 1 says set k accepts it.
// Hand points reach 37 and a suit code (points << 4 | length) 10 << 4 | 9 in
// a sound deal; the tables are larger so no index can leave them.
struct SeatTables {
    uint64_t hand[64] = {};
    uint64_t suit[4][256] = {};
    // Every hand qualifies for every seat: the hands need no looking at.
    bool acceptsAll = false;

    void build(const ConstraintTable &t);
};

// The tables of `t`, built again only when the constraints change (their
// version says so), so that dealing many boards, or many single deals, does
// not pay for it each time. One per thread; the reference holds until the
// next call on the same thread.
const SeatTables &seatTables(const ConstraintTable &t);

// The assignment of hands to seats: the hand for each seat, two bits per
// seat (North lowest), or kNoFit.
constexpr uint8_t kNoFit = 0xFF;  // not a permutation, so never a real answer
constexpr uint8_t kInPlace = 0 | 1 << 2 | 2 << 4 | 3 << 6;

// Assignments of every seat matrix: four rows (seats) of four bits (hands
// that qualify), row North lowest.
struct AssignTable {
    uint8_t v[1 << 16];
    AssignTable();
};
const AssignTable &assignTable();

// Bit 4 * k of the result for bit k of a nibble: seats to matrix rows.
struct Spread {
    uint16_t v[16] = {};
    constexpr Spread() {
        for (int x = 0; x < 16; ++x)
            for (int k = 0; k < 4; ++k)
                if (x >> k & 1) v[x] |= uint16_t(1u << (4 * k));
    }
};
constexpr Spread kSpread;

// The seat matrix of the dealt hands: row = seat, bit = hand.
inline unsigned seatMatrix(const uint64_t cards[4], const uint64_t counts[4], const SeatTables &t) {
    unsigned matrix = 0;
    for (int hand = 0; hand < 4; ++hand) {
        uint64_t pts = lanePoints(cards[hand]);
        uint64_t code = pts << 4 | counts[hand];
        uint64_t lanes = t.hand[(pts * kLaneOnes) >> 48];
        for (int suit = 0; suit < 4; ++suit) lanes &= t.suit[suit][(code >> (16 * suit)) & 0xFF];
        // A lane of at most nine set bits is not zero when adding 0x7FFF sets its top bit.
        uint64_t top = ((lanes + 0x7FFF * kLaneOnes) >> 15) & kLaneOnes;
        unsigned seats = static_cast<unsigned>((top * (uint64_t(1) << 48 | uint64_t(1) << 33 | uint64_t(1) << 18 |
                                                        uint64_t(1) << 3)) >> 48) & 0xF;
        matrix |= unsigned(kSpread.v[seats]) << hand;
    }
    return matrix;
}

}  // namespace vrek::seating
