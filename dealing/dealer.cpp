#include "dealing/dealer.h"

#include <chrono>
#include <cstring>
#include <memory>

#include "core/cp1252.h"
#include "dealing/bitselect.h"

namespace vrek {

namespace {

uint32_t g_iterations = 0;

// A card is bit 16 * (suit - 1) + rank - 2 of a mask: the bits run in pack
// order (suit 1 ranks 2 .. 14, then suit 2 ...), so the i-th card left in
// the pack is the i-th set bit of its mask, and the suit is the bit >> 4.
constexpr int bitOf(int suit, int rank) { return 16 * (suit - 1) + rank - 2; }
constexpr uint64_t kAllCards = 0x1FFF1FFF1FFF1FFFull;

// Points of a suit's jack, queen, king and ace bits (bits 9 .. 12 of its field).
struct HonourTable {
    uint8_t points[16] = {};
    constexpr HonourTable() {
        for (int x = 0; x < 16; ++x)
            points[x] = static_cast<uint8_t>((x & 1) + 2 * (x >> 1 & 1) + 3 * (x >> 2 & 1) + 4 * (x >> 3 & 1));
    }
};
constexpr HonourTable kHonours;

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
                    for (int p = r[suitByte(s, kSuitMinPoints)]; p <= r[suitByte(s, kSuitMaxPoints)] && p < 16; ++p)
                        for (int n = r[suitByte(s, kSuitMinLength)]; n <= r[suitByte(s, kSuitMaxLength)] && n < 16; ++n)
                            suit[s - 1][p << 4 | n] |= bit;
            }
    }
};

// Built again only when the constraints change, so that dealing many
// boards, or many single deals, does not pay for it each time.
const SeatTables &seatTables(const ConstraintTable &t) {
    thread_local SeatTables tables;
    thread_local ConstraintTable builtFor;
    thread_local bool built = false;
    if (!built || builtFor.activeSets() != t.activeSets() ||
        std::memcmp(&builtFor.records, &t.records, sizeof t.records) != 0) {
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

// The hands of one attempt: each hand's cards as a mask, and its suit
// lengths as four bytes (clubs lowest).
struct Hands {
    uint64_t cards[4];
    uint32_t lengths[4];
};

// The caller's deal reduced to what every attempt starts from.
struct Start {
    Hands hands{};
    uint8_t total[4] = {};
    uint64_t pack = 0;  // the cards no hand holds
    unsigned count = 0;
    unsigned firstOpen = 0;  // the first hand with fewer than 13 cards
};

// Fills `s` from the deal; false when the deal is not sound (a holding of
// more than 9 cards or with a rank outside 2 .. 14, a card held twice, a
// hand of more than 13 cards).
bool prepare(const Deal &d, Start &s) {
    uint64_t held = 0;
    unsigned placed = 0;
    for (int seat = 0; seat < 4; ++seat) {
        unsigned total = 0;
        for (int suit = 0; suit < 4; ++suit) {
            const Holding &h = d.hands[seat].suits[suit];
            if (h.count > kMaxHolding) return false;
            for (int k = 0; k < h.count; ++k) {
                unsigned r = h.ranks[k];
                if (r < 2 || r > 14) return false;
                uint64_t bit = uint64_t(1) << bitOf(suit + 1, static_cast<int>(r));
                if (held & bit) return false;
                held |= bit;
                s.hands.cards[seat] |= bit;
            }
            s.hands.lengths[seat] |= uint32_t(h.count) << (8 * suit);
            total += h.count;
        }
        if (total > 13) return false;
        s.total[seat] = static_cast<uint8_t>(total);
        placed += total;
    }
    s.pack = ~held & kAllCards;
    s.count = 52 - placed;
    while (s.firstOpen < 4 && s.total[s.firstOpen] >= 13) ++s.firstOpen;
    return true;
}

template <bool kPdep>
inline uint64_t takeCard(uint64_t pack, unsigned k) {
#ifdef VREK_HAVE_PDEP
    if constexpr (kPdep) return isolateBitPdepInline(pack, k);
#endif
    return uint64_t(1) << selectBitInline(pack, k);
}

// One random completion. The hand being filled is kept in registers: a card
// goes to it unless it holds nine of the suit, and only then are the later
// hands looked at.
template <bool kPdep>
inline void dealOnce(const Start &start, Hands &out, Random &rng) {
    Hands h = start.hands;  // a local, which no store can confuse with the generator
    unsigned open = start.firstOpen;
    if (open < 4) {
        Random::Cursor draw(rng);
        uint8_t total[4] = {start.total[0], start.total[1], start.total[2], start.total[3]};
        uint64_t cards = h.cards[open];
        uint32_t lengths = h.lengths[open];
        unsigned room = 13u - total[open];
        uint64_t pack = start.pack;
        for (unsigned count = start.count; count > 0; --count) {
            uint64_t card = takeCard<kPdep>(pack, draw.below(count));
            pack ^= card;
            unsigned lane = (__builtin_ctzll(card) >> 1) & ~7u;  // 8 * suit
            if (((lengths >> lane) & 0xFF) < kMaxHolding) [[likely]] {
                cards |= card;
                lengths += 1u << lane;
                if (--room == 0) {
                    h.cards[open] = cards;
                    h.lengths[open] = lengths;
                    total[open] = 13;
                    do ++open;
                    while (open < 4 && total[open] >= 13);
                    if (open == 4) break;  // full hands leave nothing in the pack
                    cards = h.cards[open];
                    lengths = h.lengths[open];
                    room = 13u - total[open];
                }
                continue;
            }
            // Nine of the suit already: the first later hand with room takes
            // it, or the card is dropped.
            for (unsigned seat = open + 1; seat < 4; ++seat)
                if (total[seat] < 13 && ((h.lengths[seat] >> lane) & 0xFF) < kMaxHolding) {
                    h.cards[seat] |= card;
                    h.lengths[seat] += 1u << lane;
                    ++total[seat];
                    break;
                }
        }
        if (open < 4) {
            h.cards[open] = cards;
            h.lengths[open] = lengths;
        }
    }
    out = h;
}

// The seat matrix of the dealt hands: row = seat, bit = hand.
inline unsigned seatMatrix(const Hands &h, const SeatTables &t) {
    unsigned matrix = 0;
    for (int hand = 0; hand < 4; ++hand) {
        uint64_t lanes = ~uint64_t(0);
        unsigned points = 0;
        for (int suit = 0; suit < 4; ++suit) {
            unsigned pts = kHonours.points[(h.cards[hand] >> (16 * suit + 9)) & 0xF];
            unsigned len = (h.lengths[hand] >> (8 * suit)) & 0xFF;
            points += pts;
            lanes &= t.suit[suit][pts << 4 | len];
        }
        lanes &= t.hand[points];
        for (int seat = 0; seat < 4; ++seat)
            if ((lanes >> (16 * seat)) & 0xFFFF) matrix |= 1u << (4 * seat + hand);
    }
    return matrix;
}

// Ranks of a suit's cards, highest first, one byte each: by its six top
// cards (nine to ace) and by its seven low cards (two to eight).
struct RankLists {
    uint64_t high[64] = {}, low[128] = {};
    uint8_t highCount[64] = {}, lowCount[128] = {};
    constexpr RankLists() {
        for (int x = 0; x < 64; ++x)
            for (int b = 5; b >= 0; --b)
                if (x >> b & 1) high[x] |= uint64_t(b + 9) << (8 * highCount[x]++);
        for (int x = 0; x < 128; ++x)
            for (int b = 6; b >= 0; --b)
                if (x >> b & 1) low[x] |= uint64_t(b + 2) << (8 * lowCount[x]++);
    }
};
constexpr RankLists kRanks;

// Writes the candidate into `c`, a copy of the caller's deal `d`: the dealt
// cards inserted in descending order. A holding that was empty is written
// whole from its mask, as the insertions would leave it (bytes past the
// count untouched).
void writeCandidate(const Deal &d, const Start &start, const Hands &h, Deal &c) {
    for (int seat = 0; seat < 4; ++seat) {
        uint64_t dealt = h.cards[seat] & ~start.hands.cards[seat];
        for (int suit = 0; suit < 4; ++suit) {
            unsigned got = static_cast<unsigned>(dealt >> (16 * suit)) & 0x1FFF;
            if (!got) continue;
            Holding &x = c.hands[seat].suits[suit];
            if (x.count != 0) {
                for (; got; got &= got - 1) x.insert(__builtin_ctz(got) + 2);
                continue;
            }
            unsigned hi = got >> 7, lo = got & 0x7F;
            unsigned hc = kRanks.highCount[hi], n = hc + kRanks.lowCount[lo];
            // Ranks 1 .. 8 in one word, the ninth (if any) on its own.
            uint64_t first = kRanks.high[hi] | (kRanks.low[lo] << (8 * hc));
            uint64_t ninth = hc ? kRanks.low[lo] >> (8 * (8 - hc)) & 0xFF : 0;  // nine cards take hc >= 2
            // Old bytes from the caller's deal: the copy may only just have been written.
            const uint8_t *was = d.hands[seat].suits[suit].ranks;
            uint64_t old;
            std::memcpy(&old, was, 8);
            uint64_t keep = n >= 8 ? 0 : ~uint64_t(0) << (8 * n);
            first = (first & ~keep) | (old & keep);
            std::memcpy(x.ranks, &first, 8);
            x.ranks[8] = n == 9 ? static_cast<uint8_t>(ninth) : was[8];
            x.count = static_cast<uint8_t>(n);
        }
    }
}

class Pacer {
public:
    explicit Pacer(const AttemptProgress &fn) : fn_(fn) {
        if (fn_) last_ = std::chrono::steady_clock::now();
    }
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

template <bool kPdep>
uint32_t attempts(const Start &start, const SeatTables &tables, Hands &h, uint8_t &seats, Random &rng,
                  Pacer &pacer) {
    const AssignTable &fit = assignTable();
    uint32_t n = 0;
    // Constant work between clock reads keeps the clock off the hot path.
    constexpr uint32_t kPollEvery = 1024;
    do {
        dealOnce<kPdep>(start, h, rng);
        ++n;
        seats = fit.v[seatMatrix(h, tables)];
        if (pacer.active() && n % kPollEvery == 0) {
            g_iterations = n;
            pacer.poll(n);
        }
        // With nothing left to deal every attempt is the same one.
        if (start.count == 0 && seats == kNoFit) n = kMaxAttempts;
    } while (seats == kNoFit && n < kMaxAttempts);
    return n;
}

thread_local int g_depth = 0;

uint32_t run(Deal &d, const ConstraintTable &t, Random &rng, Pacer &pacer, bool *satisfied) {
    if (satisfied) *satisfied = false;
    // The progress call lets the window handle events, which may touch the
    // deal or the constraints, or even start another run: the attempts work
    // from copies taken here and the result replaces the deal whole.
    const Deal original = d;
    Start start;
    if (!prepare(original, start)) return 0;
    struct Depth {
        Depth() { ++g_depth; }
        ~Depth() { --g_depth; }
    } depth;
    std::unique_ptr<SeatTables> own;
    const SeatTables *tables = nullptr;
    if (g_depth == 1) {
        tables = &seatTables(t);
    } else {  // a run started from inside another must not rebuild the one it uses
        own = std::make_unique<SeatTables>();
        own->build(t);
        tables = own.get();
    }
    g_iterations = 0;
    Hands h;
    uint8_t seats = kNoFit;
    uint32_t n = fastSelect() ? attempts<true>(start, *tables, h, seats, rng, pacer)
                              : attempts<false>(start, *tables, h, seats, rng, pacer);
    g_iterations = n;

    Deal candidate = original;
    writeCandidate(original, start, h, candidate);
    constexpr uint8_t kInPlace = 0 | 1 << 2 | 2 << 4 | 3 << 6;
    if (seats == kNoFit || seats == kInPlace) {
        d = candidate;
    } else {
        for (int seat = 0; seat < 4; ++seat) d.hands[seat] = candidate.hands[(seats >> (2 * seat)) & 3];
    }
    if (satisfied) *satisfied = seats != kNoFit;
    return n;
}

std::string iterationText(uint32_t attempts) {
    // The literal is plain Windows-1252 but for the é.
    return *utf8ToCp1252("Nombre d'itérations: ") + std::to_string(attempts);
}

}  // namespace

uint32_t iterationCounter() { return g_iterations; }

bool dealIsSound(const Deal &d) {
    Start s;
    return prepare(d, s);
}

void DealRemainingCards(Deal &d, Random &rng) {
    Start start;
    if (!prepare(d, start)) return;
    Hands h;
    if (fastSelect())
        dealOnce<true>(start, h, rng);
    else
        dealOnce<false>(start, h, rng);
    writeCandidate(d, start, h, d);
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
