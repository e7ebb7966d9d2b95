#include "dealing/dealer.h"

#include <chrono>
#include <cstring>

#include "core/cp1252.h"

namespace vrek {

namespace {

uint32_t g_iterations = 0;

// Cards are bits 0 .. 51 in pack order: suit 1 ranks 2 .. 14, then suit 2 ...
// so the i-th card left in the pack is the i-th set bit of the pack mask.
constexpr int bitOf(int suit, int rank) { return 13 * (suit - 1) + rank - 2; }
constexpr int hcpOf(int rank) { return rank > 10 ? rank - 10 : 0; }

struct CardTables {
    uint8_t suit[64] = {};  // 0 .. 3
    uint8_t rank[64] = {};
    uint8_t step[64] = {};  // added to a suit's profile code: points << 4 | one card
    uint8_t inByte[8][256] = {};  // position of the k-th set bit of a byte
    constexpr CardTables() {
        for (int b = 0; b < 52; ++b) {
            suit[b] = static_cast<uint8_t>(b / 13);
            rank[b] = static_cast<uint8_t>(b % 13 + 2);
            step[b] = static_cast<uint8_t>((hcpOf(rank[b]) << 4) | 1);
        }
        for (int x = 0; x < 256; ++x) {
            int k = 0;
            for (int p = 0; p < 8; ++p)
                if (x >> p & 1) inByte[k++][x] = static_cast<uint8_t>(p);
        }
    }
};
constexpr CardTables kCards;

// Position of the set bit of rank k (0-based) in x (broadword select: the
// byte holding it from the bytes' running popcounts, then a table).
inline int selectBit(uint64_t x, unsigned k) {
    constexpr uint64_t L8 = 0x0101010101010101ull, H8 = 0x8080808080808080ull;
    uint64_t s = x - ((x >> 1) & 0x5555555555555555ull);
    s = (s & 0x3333333333333333ull) + ((s >> 2) & 0x3333333333333333ull);
    s = (s + (s >> 4)) & 0x0F0F0F0F0F0F0F0Full;
    uint64_t sums = s * L8;  // byte j: set bits in bytes 0 .. j
    uint64_t ge = ((k * L8 | H8) - sums) & H8;
    int place = static_cast<int>((((ge >> 7) * L8) >> 56) * 8);
    unsigned before = static_cast<unsigned>((sums << 8) >> place) & 0xFF;
    return place + kCards.inByte[k - before][(x >> place) & 0xFF];
}

// Which seats each hand may take: for every value of a profile component, a
// word of four 16-bit lanes (seats) whose bit k - 1 says set k accepts it.
// Hand points reach 37 and a suit code (points << 4 | length) 10 << 4 | 9 in
// a sound deal; the tables are larger so no index can leave them.
struct SeatTables {
    uint64_t hand[64] = {};
    uint64_t suit[4][256] = {};

    void build(const ConstraintTable &t) {
        *this = SeatTables();
        int sets = t.activeSets();
        for (int k = 0; k < sets; ++k)
            for (int seat = 0; seat < 4; ++seat) {
                const ConstraintRecord &r = t.records[k][seat];
                uint64_t bit = uint64_t(1) << (16 * seat + k);
                for (int v = r[kMinPoints]; v <= r[kMaxPoints] && v < 64; ++v) hand[v] |= bit;
                for (int s = 1; s <= 4; ++s)
                    for (int pts = r[suitByte(s, kSuitMinPoints)]; pts <= r[suitByte(s, kSuitMaxPoints)] && pts < 16; ++pts)
                        for (int len = r[suitByte(s, kSuitMinLength)]; len <= r[suitByte(s, kSuitMaxLength)] && len < 16; ++len)
                            suit[s - 1][pts << 4 | len] |= bit;
            }
    }
};

// Built again only when the constraints change, so that dealing many
// boards, or many single deals, does not pay for it each time.
const SeatTables &seatTables(const ConstraintTable &t) {
    thread_local SeatTables tables;
    thread_local ConstraintTable builtFor;
    thread_local bool built = false;
    if (!built || builtFor.records != t.records || builtFor.activeSets() != t.activeSets()) {
        tables.build(t);
        builtFor = t;
        built = true;
    }
    return tables;
}

// The assignment of hands to seats for every seat matrix. The matrix is
// four rows (seats) of four bits (hands that qualify); the entry is the
// hand for each seat, two bits per seat, or kNoFit.
constexpr uint8_t kNoFit = 0xFF;  // not a permutation, so never a real answer

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

struct AssignTable {
    uint8_t v[1 << 16];
    AssignTable() {
        for (unsigned m = 0; m < (1u << 16); ++m) v[m] = assign(m);
    }
};

const AssignTable &assignTable() {
    static const AssignTable t;
    return t;
}

// One dealt hand: its suit codes (points << 4 | length), card count and the
// cards it received.
struct Hands {
    uint8_t code[4][4];
    uint8_t total[4];
    uint64_t got[4];
};

// The caller's deal reduced to what an attempt starts from.
struct Start {
    Hands hands{};
    uint64_t pack = 0;
    unsigned count = 0;
    unsigned firstOpen = 0;
};

Start prepare(const Deal &d) {
    Start s;
    uint64_t held = 0;
    for (int seat = 0; seat < 4; ++seat) {
        for (int suit = 0; suit < 4; ++suit) {
            const Holding &h = d.hands[seat].suits[suit];
            int pts = 0;
            for (int k = 0; k < h.count; ++k) {
                pts += hcpOf(h.ranks[k]);
                held |= uint64_t(1) << bitOf(suit + 1, h.ranks[k]);
            }
            s.hands.code[seat][suit] = static_cast<uint8_t>(pts << 4 | h.count);
        }
        s.hands.total[seat] = static_cast<uint8_t>(d.hands[seat].cards());
    }
    s.pack = ~held & ((uint64_t(1) << 52) - 1);
    s.count = static_cast<unsigned>(__builtin_popcountll(s.pack));
    while (s.firstOpen < 4 && s.hands.total[s.firstOpen] >= 13) ++s.firstOpen;
    return s;
}

inline void dealOnce(const Start &start, Hands &h, Random &rng) {
    h = start.hands;
    uint64_t pack = start.pack;
    unsigned open = start.firstOpen;
    for (unsigned count = start.count; count > 0; --count) {
        int bit = selectBit(pack, rng.below(count));
        pack ^= uint64_t(1) << bit;
        unsigned suit = kCards.suit[bit];
        unsigned seat = open;
        while (seat < 4 && (h.total[seat] >= 13 || (h.code[seat][suit] & 15) >= kMaxHolding)) ++seat;
        if (seat == 4) continue;  // no hand can take it: dropped
        h.code[seat][suit] = static_cast<uint8_t>(h.code[seat][suit] + kCards.step[bit]);
        h.got[seat] |= uint64_t(1) << bit;
        if (++h.total[seat] >= 13)
            while (open < 4 && h.total[open] >= 13) ++open;
    }
}

// The seat matrix of the dealt hands: row = seat, bit = hand.
inline unsigned seatMatrix(const Hands &h, const SeatTables &t) {
    unsigned matrix = 0;
    for (int hand = 0; hand < 4; ++hand) {
        const uint8_t *c = h.code[hand];
        unsigned points = (c[0] >> 4) + (c[1] >> 4) + (c[2] >> 4) + (c[3] >> 4);
        uint64_t lanes = t.hand[points] & t.suit[0][c[0]] & t.suit[1][c[1]] & t.suit[2][c[2]] & t.suit[3][c[3]];
        for (int seat = 0; seat < 4; ++seat)
            if ((lanes >> (16 * seat)) & 0xFFFF) matrix |= 1u << (4 * seat + hand);
    }
    return matrix;
}

// The candidate as a deal record: the caller's holdings with the dealt cards
// inserted in descending order.
Deal candidateOf(const Deal &d, const Hands &h) {
    Deal c = d;
    for (int seat = 0; seat < 4; ++seat)
        for (uint64_t got = h.got[seat]; got; got &= got - 1) {
            int bit = __builtin_ctzll(got);
            c.hands[seat].suits[kCards.suit[bit]].insert(kCards.rank[bit]);
        }
    return c;
}

class Pacer {
public:
    explicit Pacer(const AttemptProgress &fn) : fn_(fn), last_(std::chrono::steady_clock::now()) {}
    bool active() const { return static_cast<bool>(fn_); }
    void poll(uint32_t attempts) {
        auto now = std::chrono::steady_clock::now();
        if (now - last_ >= std::chrono::milliseconds(15)) {
            last_ = now;
            fn_(attempts);
        }
    }

private:
    const AttemptProgress &fn_;
    std::chrono::steady_clock::time_point last_;
};

uint32_t run(Deal &d, const ConstraintTable &t, Random &rng, Pacer &pacer, bool *satisfied) {
    if (satisfied) *satisfied = false;
    if (!dealIsSound(d)) return 0;
    g_iterations = 0;
    const Start start = prepare(d);
    const SeatTables &tables = seatTables(t);
    const AssignTable &fit = assignTable();
    Hands h;
    uint8_t seats = kNoFit;
    uint32_t attempts = 0;
    // Constant work between clock reads keeps the clock off the hot path.
    constexpr uint32_t kPollEvery = 1024;
    do {
        dealOnce(start, h, rng);
        ++attempts;
        seats = fit.v[seatMatrix(h, tables)];
        if (pacer.active() && attempts % kPollEvery == 0) {
            g_iterations = attempts;
            pacer.poll(attempts);
        }
        // With nothing left to deal every attempt is the same one.
        if (start.count == 0 && seats == kNoFit) attempts = kMaxAttempts;
    } while (seats == kNoFit && attempts < kMaxAttempts);
    g_iterations = attempts;

    Deal candidate = candidateOf(d, h);
    if (seats == kNoFit) {
        d = candidate;
    } else {
        for (int seat = 0; seat < 4; ++seat) d.hands[seat] = candidate.hands[(seats >> (2 * seat)) & 3];
        if (satisfied) *satisfied = true;
    }
    return attempts;
}

std::string iterationText(uint32_t attempts) {
    // The literal is plain Windows-1252 but for the é.
    return *utf8ToCp1252("Nombre d'itérations: ") + std::to_string(attempts);
}

}  // namespace

uint32_t iterationCounter() { return g_iterations; }

bool dealIsSound(const Deal &d) {
    if (d.damaged()) return false;
    uint64_t held = 0;
    for (int seat = 1; seat <= 4; ++seat) {
        if (d.hand(seat).cards() > 13) return false;
        for (int suit = 1; suit <= 4; ++suit) {
            const Holding &h = d.holding(seat, suit);
            for (int k = 0; k < h.count; ++k) {
                uint64_t bit = uint64_t(1) << bitOf(suit, h.ranks[k]);
                if (held & bit) return false;
                held |= bit;
            }
        }
    }
    return true;
}

void DealRemainingCards(Deal &d, Random &rng) {
    if (!dealIsSound(d)) return;
    Hands h;
    dealOnce(prepare(d), h, rng);
    d = candidateOf(d, h);
}

void DealRemainingCards(Deal &d) { DealRemainingCards(d, processRandom()); }

uint32_t DealUnderConstraints(Deal &d, const ConstraintTable &t, Random &rng, const AttemptProgress &progress,
                              bool *satisfied) {
    Pacer pacer(progress);
    return run(d, t, rng, pacer, satisfied);
}

uint32_t DealUnderConstraints(Deal &d, const ConstraintTable &t) { return DealUnderConstraints(d, t, processRandom()); }

void appendIterationCount(Series &s, int board, uint32_t attempts) {
    s.setLine(provenanceLine(board), s.line(provenanceLine(board)) + " " + iterationText(attempts));
}

void setIterationCount(Series &s, int board, uint32_t attempts) {
    s.setLine(provenanceLine(board), iterationText(attempts));
}

BoardOutcome dealBoard(Series &s, int board, const ConstraintTable &t, Random &rng, const AttemptProgress &progress) {
    BoardOutcome o;
    o.board = board;
    if (board < 1 || board > kBoards) return o;
    o.attempts = DealUnderConstraints(s.deal(board), t, rng, progress, &o.satisfied);
    if (o.attempts > 0) appendIterationCount(s, board, o.attempts);
    return o;
}

std::vector<BoardOutcome> dealSeries(Series &s, const std::vector<int> &boards, const ConstraintTable &t, Random &rng,
                                     const SeriesProgress &progress) {
    std::vector<BoardOutcome> out;
    out.reserve(boards.size());
    // One pacer for the whole run, so short boards do not each wait 15 ms.
    Pacer pacer(progress.attempts);
    for (int board : boards) {
        if (board < 1 || board > kBoards) continue;
        if (progress.boardStarted) progress.boardStarted(board);
        BoardOutcome o;
        o.board = board;
        o.attempts = run(s.deal(board), t, rng, pacer, &o.satisfied);
        if (o.attempts > 0) setIterationCount(s, board, o.attempts);
        out.push_back(o);
        if (progress.boardDone) progress.boardDone(o);
    }
    return out;
}

}  // namespace vrek
