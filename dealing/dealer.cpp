#include "dealing/dealer.h"

#include <chrono>
#include <cstring>
#include <memory>

#include "core/cp1252.h"
#include "dealing/seating.h"

namespace vrek {

namespace {

using namespace seating;

uint32_t g_iterations = 0;

// A card is bit 16 * (suit - 1) + rank - 2 of a mask: the bits run in pack
// order (suit 1 ranks 2 .. 14, then suit 2 ...), and the suit is the bit >> 4.
constexpr int bitOf(int suit, int rank) { return 16 * (suit - 1) + rank - 2; }
constexpr uint64_t kAllCards = 0x1FFF1FFF1FFF1FFFull;

// The caller's deal reduced to what every attempt starts from; prepare()
// fills it all (left uninitialised here, as clearing it costs more than the
// rest of an easy run).
struct Start {
    // The pack's cards (bit numbers) in pack order, then spare bytes.
    alignas(64) uint8_t order[72];
    uint64_t cards[4];    // each hand's cards as a mask
    uint32_t lengths[4];  // each hand's suit lengths, one byte per suit (clubs lowest)
    uint8_t room[4];      // free places of each hand
    uint64_t pack;        // the cards no hand holds
    unsigned count;
    unsigned firstOpen, lastOpen;  // the first and last hands with room (4: none)
    unsigned shuffled;  // cards drawn before the last hand with room takes the rest
};

// Bit numbers of the set bits of seven low bits and of six high bits, in
// ascending order, one byte each.
struct BitLists {
    uint64_t low[128] = {}, high[64] = {};
    uint8_t lowCount[128] = {}, highCount[64] = {};
    constexpr BitLists() {
        for (int x = 0; x < 128; ++x)
            for (int b = 0; b < 7; ++b)
                if (x >> b & 1) low[x] |= uint64_t(b) << (8 * lowCount[x]++);
        for (int x = 0; x < 64; ++x)
            for (int b = 0; b < 6; ++b)
                if (x >> b & 1) high[x] |= uint64_t(b + 7) << (8 * highCount[x]++);
    }
};
constexpr BitLists kBits;

// Fills `s` from the deal; false when the deal is not sound (a holding of
// more than 9 cards or with a rank outside 2 .. 14, a card held twice, a
// hand of more than 13 cards).
bool prepare(const Deal &d, Start &s) {
    uint64_t held = 0;
    unsigned placed = 0;
    s.firstOpen = s.lastOpen = 4;
    for (int seat = 0; seat < 4; ++seat) {
        unsigned total = 0;
        s.cards[seat] = 0;
        s.lengths[seat] = 0;
        for (int suit = 0; suit < 4; ++suit) {
            const Holding &h = d.hands[seat].suits[suit];
            if (h.count > kMaxHolding) return false;
            for (int k = 0; k < h.count; ++k) {
                unsigned r = h.ranks[k];
                if (r < 2 || r > 14) return false;
                uint64_t bit = uint64_t(1) << bitOf(suit + 1, static_cast<int>(r));
                if (held & bit) return false;
                held |= bit;
                s.cards[seat] |= bit;
            }
            s.lengths[seat] |= uint32_t(h.count) << (8 * suit);
            total += h.count;
        }
        if (total > 13) return false;
        s.room[seat] = static_cast<uint8_t>(13 - total);
        if (total < 13) {
            if (s.firstOpen == 4) s.firstOpen = static_cast<unsigned>(seat);
            s.lastOpen = static_cast<unsigned>(seat);
        }
        placed += total;
    }
    s.pack = ~held & kAllCards;
    s.count = 52 - placed;
    s.shuffled = s.firstOpen < 4 ? s.count - s.room[s.lastOpen] : 0;
    // The pack in pack order, seven and six cards of a suit at a time.
    unsigned n = 0;
    for (int suit = 0; suit < 4; ++suit) {
        unsigned field = static_cast<unsigned>(s.pack >> (16 * suit)) & 0x1FFF;
        uint64_t base = uint64_t(16 * suit) * 0x0101010101010101ull;
        uint64_t low = kBits.low[field & 0x7F] + base, high = kBits.high[field >> 7] + base;
        std::memcpy(s.order + n, &low, 8);
        n += kBits.lowCount[field & 0x7F];
        std::memcpy(s.order + n, &high, 8);
        n += kBits.highCount[field >> 7];
    }
    return true;
}

// The hands of one attempt.
struct Hands {
    uint64_t cards[4];
    uint64_t counts[4];  // laneCounts of each
};

// The cards offered one by one, in `order`, to the first hand (North, East,
// South, West) with fewer than 13 cards and fewer than 9 of the suit; a card
// that none can take is dropped.
void dealInOrder(const Start &s, const uint8_t *order, Hands &h) {
    uint64_t cards[4];
    uint32_t lengths[4];
    unsigned room[4];
    for (int seat = 0; seat < 4; ++seat) {
        cards[seat] = s.cards[seat];
        lengths[seat] = s.lengths[seat];
        room[seat] = s.room[seat];
    }
    for (unsigned i = 0; i < s.count; ++i) {
        unsigned bit = order[i], lane = (bit >> 1) & ~7u;  // 8 * suit
        for (int seat = 0; seat < 4; ++seat)
            if (room[seat] > 0 && ((lengths[seat] >> lane) & 0xFF) < kMaxHolding) {
                cards[seat] |= uint64_t(1) << bit;
                lengths[seat] += 1u << lane;
                --room[seat];
                break;
            }
    }
    for (int seat = 0; seat < 4; ++seat) {
        h.cards[seat] = cards[seat];
        h.counts[seat] = laneCounts(cards[seat]);
    }
}

// One random completion. The pack is shuffled (each place in turn swapped
// with a random place at or after it) just far enough to fill every hand
// with room but the last, in seat order; the last takes the rest. That is
// what offering the shuffled cards one by one would give, unless a hand then
// holds ten cards of a suit: the card-by-card rule would have passed the
// tenth on, so the shuffle is completed and the cards are offered one by one.
inline void dealOnce(const Start &s, Hands &h, Random &rng) {
    // A cursor of its own, in registers: the byte stores below could
    // otherwise be the generator's position for all the compiler knows.
    Random::Cursor draw(rng);
    alignas(64) uint8_t order[64];
    std::memcpy(order, s.order, sizeof order);
    for (int seat = 0; seat < 4; ++seat) h.cards[seat] = s.cards[seat];
    if (s.firstOpen < 4) {
        const unsigned count = s.count;
        uint64_t taken = 0;
        unsigned i = 0;
        for (unsigned seat = s.firstOpen; seat < s.lastOpen; ++seat) {
            uint64_t cards = 0;
            for (unsigned end = i + s.room[seat]; i < end; ++i) {
                unsigned j = i + draw.below(count - i);
                uint8_t c = order[j];
                order[j] = order[i];
                order[i] = c;
                cards |= uint64_t(1) << c;
            }
            h.cards[seat] |= cards;
            taken |= cards;
        }
        h.cards[s.lastOpen] |= s.pack & ~taken;
    }
    bool tenth = false;
    for (int seat = 0; seat < 4; ++seat) {
        h.counts[seat] = laneCounts(h.cards[seat]);
        tenth |= overNine(h.counts[seat]);
    }
    if (tenth) [[unlikely]] {
        for (unsigned i = s.shuffled; i + 1 < s.count; ++i) {
            unsigned j = i + draw.below(s.count - i);
            std::swap(order[i], order[j]);
        }
        dealInOrder(s, order, h);
    }
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

// Writes into `to` the hand `from` with the cards of `dealt` added, in
// descending order. A holding that was empty is written whole from its mask,
// as insertions would leave it (bytes past the count as they were), without
// a branch on what was dealt. `to` may be `from`.
void writeHand(const Hand &from, uint64_t dealt, Hand &to) {
    if (&to != &from) to = from;
    for (int suit = 0; suit < 4; ++suit) {
        Holding &x = to.suits[suit];
        unsigned got = static_cast<unsigned>(dealt >> (16 * suit)) & 0x1FFF;
        if (x.count != 0) [[unlikely]] {
            for (; got; got &= got - 1) x.insert(__builtin_ctz(got) + 2);
            continue;
        }
        unsigned hi = got >> 7, lo = got & 0x7F;
        unsigned hc = kRanks.highCount[hi], n = hc + kRanks.lowCount[lo];
        // Ranks 1 .. 8 in one word, the ninth on its own: nine cards take
        // two of nine to ace at least, so its shift stays below 64 then.
        uint64_t first = kRanks.high[hi] | kRanks.low[lo] << (8 * hc);
        uint64_t ninth = kRanks.low[lo] >> ((64 - 8 * hc) & 63);
        // The new bytes below n, the old ones from n on (two shifts, as n may be 8 or 9).
        uint64_t old;
        std::memcpy(&old, x.ranks, 8);
        uint64_t keep = (~uint64_t(0) << (4 * n)) << (4 * n);
        first = (first & ~keep) | (old & keep);
        std::memcpy(x.ranks, &first, 8);
        x.ranks[8] = n == 9 ? static_cast<uint8_t>(ninth) : x.ranks[8];
        x.count = static_cast<uint8_t>(n);
    }
}

// Writes the attempt into `d`: the hands of `src` (the caller's deal as it
// was) completed, in the seats `seats` gives them, or in their own seats.
void writeResult(const Deal &src, const Start &s, const Hands &h, uint8_t seats, Deal &d) {
    if (seats == kNoFit) seats = kInPlace;
    if (seats != kInPlace && &src == &d) {
        const Deal copy = src;
        writeResult(copy, s, h, seats, d);
        return;
    }
    for (int seat = 0; seat < 4; ++seat) {
        unsigned from = (seats >> (2 * seat)) & 3;
        writeHand(src.hands[from], h.cards[from] & ~s.cards[from], d.hands[seat]);
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

// Attempts until the hands fit or the limit; `seats` receives the
// assignment of the last one. Constant work between clock reads keeps the
// clock off the hot path.
uint32_t attempts(const Start &start, const SeatTables &tables, Hands &h, uint8_t &seats, Random &rng,
                  Pacer &pacer) {
    constexpr uint32_t kPollEvery = 1024;
    const AssignTable &fit = assignTable();
    if (tables.acceptsAll || start.count == 0) {
        // One attempt decides: every hand fits anywhere, or nothing is left to deal.
        dealOnce(start, h, rng);
        seats = tables.acceptsAll ? kInPlace : fit.v[seatMatrix(h.cards, h.counts, tables)];
        return seats == kNoFit ? kMaxAttempts : 1;
    }
    uint32_t n = 0;
    for (;;) {
        uint32_t stop = n + kPollEvery < kMaxAttempts ? n + kPollEvery : kMaxAttempts;
        do {
            dealOnce(start, h, rng);
            ++n;
            seats = fit.v[seatMatrix(h.cards, h.counts, tables)];
        } while (seats == kNoFit && n < stop);
        if (seats != kNoFit || n >= kMaxAttempts) return n;
        if (pacer.active()) {
            g_iterations = n;
            pacer.poll(n);
        }
    }
}

thread_local int g_depth = 0;

// The attempts on a prepared deal, whose cards as they were are `src`; the
// result goes straight into `d`.
uint32_t runFrom(const Deal &src, const Start &start, Deal &d, const ConstraintTable &t, Random &rng, Pacer &pacer,
                 bool *satisfied) {
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
    uint32_t n = attempts(start, *tables, h, seats, rng, pacer);
    g_iterations = n;
    writeResult(src, start, h, seats, d);
    if (satisfied) *satisfied = seats != kNoFit;
    return n;
}

// The generator each board is dealt from: one for the whole run, or with a
// dealing key a stream of the board's own. The keyed generator and its run
// key are kept for the next run on the thread, so that dealing one board at
// a time does not pay for them each time; a run started from inside another
// (by the progress call) gets its own.
class Streams {
public:
    explicit Streams(Random &shared) : shared_(&shared) {}
    explicit Streams(const DealingKey &key) : key_(&key) {
        keyed_ = std::move(spare());
        if (!keyed_) keyed_ = std::make_unique<Keyed>();
    }
    ~Streams() {
        if (keyed_ && !spare()) spare() = std::move(keyed_);
    }
    Streams(const Streams &) = delete;
    Streams &operator=(const Streams &) = delete;

    // `held`: each seat's cards before dealing, as prepare() reads them.
    Random &forBoard(int board, const uint64_t (&held)[4], const ConstraintTable &t) {
        if (!key_) return *shared_;
        Keyed &k = *keyed_;
        if (k.version != t.version() || !(k.key == *key_)) {
            k.run = runKey(*key_, t);
            k.key = *key_;
            k.version = t.version();
        }
        k.rng.rekey(boardStreamKey(k.run, board, std::array<uint64_t, 4>{held[0], held[1], held[2], held[3]}));
        return k.rng;
    }

private:
    struct Keyed {
        Random rng{Random::Key{}};
        DealingKey key;
        uint64_t version = 0;  // of the constraints the run key is for; versions start at 1
        Random::Key run{};
    };
    static std::unique_ptr<Keyed> &spare() {
        thread_local std::unique_ptr<Keyed> k;
        return k;
    }
    Random *shared_ = nullptr;
    const DealingKey *key_ = nullptr;
    std::unique_ptr<Keyed> keyed_;
};

uint32_t runPrepared(Deal &d, const Start &start, const ConstraintTable &t, Random &rng, Pacer &pacer,
                     bool *satisfied) {
    if (!pacer.active()) return runFrom(d, start, d, t, rng, pacer, satisfied);
    // The progress call lets the window handle events, which may touch the
    // deal or the constraints, or even start another run: the attempts work
    // from what was read here and the result replaces the deal whole.
    const Deal original = d;
    return runFrom(original, start, d, t, rng, pacer, satisfied);
}

uint32_t run(Deal &d, const ConstraintTable &t, Random &rng, Pacer &pacer, bool *satisfied) {
    if (satisfied) *satisfied = false;
    Start start;
    if (!prepare(d, start)) return 0;
    return runPrepared(d, start, t, rng, pacer, satisfied);
}

// With the generator of `streams` for board `board`, keyed from the cards
// as prepare() found them: the deal is read once.
uint32_t run(Deal &d, int board, const ConstraintTable &t, Streams &streams, Pacer &pacer, bool *satisfied) {
    if (satisfied) *satisfied = false;
    Start start;
    if (!prepare(d, start)) return 0;
    return runPrepared(d, start, t, streams.forBoard(board, start.cards, t), pacer, satisfied);
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
    dealOnce(start, h, rng);
    writeResult(d, start, h, kInPlace, d);
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

namespace {

BoardOutcome dealOneBoard(Series &s, int board, const ConstraintTable &t, Streams &streams,
                          const AttemptProgress &progress) {
    BoardOutcome o;
    o.board = board;
    if (board < 1 || board > kBoards) return o;
    Pacer pacer(progress);
    o.attempts = run(s.deal(board), board, t, streams, pacer, &o.satisfied);
    if (o.attempts > 0) appendIterationCount(s, board, o.attempts);
    return o;
}

std::vector<BoardOutcome> dealBoards(Series &s, const std::vector<int> &boards, const ConstraintTable &t,
                                     Streams &streams, const SeriesProgress &progress) {
    std::vector<BoardOutcome> out;
    out.reserve(boards.size());
    // One pacer for the whole run, so short boards do not each wait 15 ms.
    Pacer pacer(progress.attempts);
    for (int board : boards) {
        if (board < 1 || board > kBoards) continue;
        if (progress.boardStarted) progress.boardStarted(board);
        BoardOutcome o;
        o.board = board;
        o.attempts = run(s.deal(board), board, t, streams, pacer, &o.satisfied);
        if (o.attempts > 0) setIterationCount(s, board, o.attempts);
        out.push_back(o);
        if (progress.boardDone) progress.boardDone(o);
    }
    return out;
}

}  // namespace

BoardOutcome dealBoard(Series &s, int board, const ConstraintTable &t, Random &rng, const AttemptProgress &progress) {
    Streams streams(rng);
    return dealOneBoard(s, board, t, streams, progress);
}

BoardOutcome dealBoard(Series &s, int board, const ConstraintTable &t, const DealingKey &key,
                       const AttemptProgress &progress) {
    Streams streams(key);
    return dealOneBoard(s, board, t, streams, progress);
}

std::vector<BoardOutcome> dealSeries(Series &s, const std::vector<int> &boards, const ConstraintTable &t, Random &rng,
                                     const SeriesProgress &progress) {
    Streams streams(rng);
    return dealBoards(s, boards, t, streams, progress);
}

std::vector<BoardOutcome> dealSeries(Series &s, const std::vector<int> &boards, const ConstraintTable &t,
                                     const DealingKey &key, const SeriesProgress &progress) {
    Streams streams(key);
    return dealBoards(s, boards, t, streams, progress);
}

std::vector<int> unmetBoards(const std::vector<BoardOutcome> &outcomes) {
    std::vector<int> boards;
    for (const BoardOutcome &o : outcomes)
        if (o.attempts > 0 && !o.satisfied) boards.push_back(o.board);
    return boards;
}

std::string unmetConstraintsMessage(const std::vector<int> &boards) {
    if (boards.empty()) return {};
    const std::string limit = std::to_string(kMaxAttempts);
    if (boards.size() == 1)
        return "Contraintes non satisfaites après " + limit + " itérations pour la donne " +
               std::to_string(boards[0]) + " : sa distribution ne les respecte pas.";
    std::string list;
    for (size_t i = 0; i < boards.size(); ++i) {
        if (i > 0) list += i + 1 == boards.size() ? " et " : ", ";
        list += std::to_string(boards[i]);
    }
    return "Contraintes non satisfaites après " + limit + " itérations pour les donnes " + list +
           " : leur distribution ne les respecte pas.";
}

}  // namespace vrek
