// Speed of the constrained dealer, single-threaded, against a bare loop that
// draws from the same random source: a plain shuffle of the 52 cards, four
// hands of 13, and each hand's profile (points, and per suit points and
// length). Figures are per second of processor time, as the machine may be
// shared; each is also given as a ratio to the bare loop (time per attempt
// over time per bare deal). Then dealing with a dealing key against dealing
// without, in the same rounds: whole series and single boards.
#include <chrono>
#include <cstdio>
#include <ctime>
#include <algorithm>

#include "dealing/dealer.h"

using namespace vrek;

namespace {

double cpuNow() { return double(std::clock()) / CLOCKS_PER_SEC; }

// Each figure is the best of several short rounds, taken in turn with the
// others, so that a burst of load on the machine spoils one round, not a figure.
constexpr int kRounds = 7;
constexpr double kRoundSeconds = 0.25;  // of processor time

constexpr uint64_t kOnes = 0x0001000100010001ull;

struct Profile {
    unsigned points;
    uint64_t suitPoints, lengths;  // one 16-bit lane per suit
};

Profile profileOf(uint64_t cards) {
    uint64_t x = cards - ((cards >> 1) & 0x5555555555555555ull);
    x = (x & 0x3333333333333333ull) + ((x >> 2) & 0x3333333333333333ull);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Full;
    uint64_t lengths = (x + (x >> 8)) & 0x001F001F001F001Full;
    uint64_t h = cards >> 9;
    uint64_t pts = (h & kOnes) + 2 * ((h >> 1) & kOnes) + 3 * ((h >> 2) & kOnes) + 4 * ((h >> 3) & kOnes);
    return {static_cast<unsigned>((pts * kOnes) >> 48), pts, lengths};
}

// Deals per processor second of the bare loop.
double bareLoop(Random &rng) {
    static uint8_t pack[52];
    if (pack[51] == 0)
        for (int suit = 0, n = 0; suit < 4; ++suit)
            for (int rank = 0; rank < 13; ++rank) pack[n++] = static_cast<uint8_t>(16 * suit + rank);
    uint64_t deals = 0, sink = 0;
    double start = cpuNow();
    do {
        Random::Cursor draw(rng);
        for (int k = 0; k < 20000; ++k) {
            for (unsigned i = 51; i > 0; --i) std::swap(pack[i], pack[draw.below(i + 1)]);
            for (int hand = 0; hand < 4; ++hand) {
                uint64_t cards = 0;
                for (int i = 13 * hand; i < 13 * hand + 13; ++i) cards |= uint64_t(1) << pack[i];
                Profile p = profileOf(cards);
                sink += p.points + (p.suitPoints ^ p.lengths);
            }
        }
        deals += 20000;
    } while (cpuNow() - start < kRoundSeconds);
    double rate = deals / (cpuNow() - start);
    if (sink == 42) std::puts("");  // keeps the work from being optimised away
    return rate;
}

// Attempts per processor second on empty deals, one call per deal as the
// window's "Distribution" makes them.
double attemptsPerSecond(const ConstraintTable &t, Random &rng) {
    uint64_t attempts = 0, sinceCheck = 0;
    double start = cpuNow();
    for (;;) {
        Deal d;
        uint32_t n = DealUnderConstraints(d, t, rng);
        attempts += n;
        sinceCheck += n;
        if (sinceCheck >= 20000) {
            sinceCheck = 0;
            if (cpuNow() - start >= kRoundSeconds) break;
        }
    }
    return attempts / (cpuNow() - start);
}

// Attempts per processor second dealing the boards of a series through the
// loop of "Distribution Automatique" and `vrek deal`: with the run's
// generator, or with a dealing key, each board from its own stream (a new
// key each time round, so that the boards differ).
double seriesAttemptsPerSecond(const ConstraintTable &t, const std::vector<int> &boards, Random *rng) {
    static Series s;
    DealingKey key;
    uint64_t attempts = 0;
    double start = cpuNow();
    do {
        s.wipeDeals();
        ++key.bytes[attempts % 32];
        const auto out = rng ? dealSeries(s, boards, t, *rng) : dealSeries(s, boards, t, key);
        for (const auto &o : out) attempts += o.attempts;
    } while (cpuNow() - start < kRoundSeconds);
    return attempts / (cpuNow() - start);
}

// Boards per processor second, one "Distribution" at a time on empty
// boards, with one key as a director would.
double boardsPerSecond(const ConstraintTable &t, Random *rng) {
    static Series s;
    DealingKey key;
    key.bytes.fill(7);
    uint64_t boards = 0;
    double start = cpuNow();
    do {
        for (int k = 0; k < 960; ++k) {
            const int board = 1 + k % kBoards;
            s.deal(board) = Deal();
            s.setLine(provenanceLine(board), "");
            if (rng) dealBoard(s, board, t, *rng);
            else dealBoard(s, board, t, key);
            ++boards;
        }
    } while (cpuNow() - start < kRoundSeconds);
    return boards / (cpuNow() - start);
}

}  // namespace

int main() {
    auto wallStart = std::chrono::steady_clock::now();
    Random rng;

    ConstraintTable none, simple, rare, impossible;
    {
        ConstraintRecord &n = simple.record(1, North);
        n[kMinPoints] = 15;
        n[kMaxPoints] = 17;
        for (int suit = 1; suit <= 4; ++suit) {
            n[suitByte(suit, kSuitMinLength)] = 2;
            n[suitByte(suit, kSuitMaxLength)] = 5;
        }
    }
    {
        ConstraintRecord &n = rare.record(1, North);
        n[kMinPoints] = 20;
        n[kMaxPoints] = 21;
        for (int suit = 1; suit <= 4; ++suit) n[suitByte(suit, kSuitMaxLength)] = 5;
    }
    for (int seat = 1; seat <= 4; ++seat) {
        ConstraintRecord &r = impossible.record(1, seat);
        r[kMinPoints] = 30;
        for (int suit = 1; suit <= 4; ++suit) r[suitByte(suit, kSuitMaxPoints)] = 7;
    }
    struct Case {
        const char *what;
        const ConstraintTable *t;
        double best = 0;
    } cases[] = {
        {"no constraint (one deal per call)", &none},
        {"one seat 15-17 points, suits of 2 to 5", &simple},
        {"one seat 20-21 points, no suit over 5", &rare},
        {"impossible constraints (attempts)", &impossible},
    };
    double bare = 0;
    for (int round = 0; round < kRounds; ++round) {
        bare = std::max(bare, bareLoop(rng));
        for (Case &c : cases) c.best = std::max(c.best, attemptsPerSecond(*c.t, rng));
    }

    std::puts("Per second of processor time (the machine may be shared), best of 7 rounds.");
    std::puts("The dealer has one path on every processor: no bit-deposit instruction.");
    std::printf("%-44s %6.2f M deals/s\n", "bare loop: shuffle, four hands, profiles", bare / 1e6);
    for (const Case &c : cases)
        std::printf("%-44s %6.2f M attempts/s   %5.2f x the bare loop\n", c.what, c.best / 1e6, bare / c.best);

    // The whole series through the loop the window and the batch command use,
    // with a progress callback standing in for the window's event pump.
    Series s;
    std::vector<int> boards;
    for (int b = 1; b <= kBoards; ++b) boards.push_back(b);
    int ticks = 0;
    double start = cpuNow();
    auto out = dealSeries(s, boards, impossible, rng, {{}, [&](uint32_t) { ++ticks; }, {}});
    uint64_t total = 0;
    for (const auto &o : out) total += o.attempts;
    std::printf("96 boards, impossible constraints: %llu attempts in %.2f s of processor (%d progress calls)\n",
                static_cast<unsigned long long>(total), cpuNow() - start, ticks);

    // Dealing with a key against dealing without, in the same rounds.
    std::vector<int> four = {1, 2, 3, 4};
    struct Keyed {
        const char *what;
        const ConstraintTable *t;
        const std::vector<int> *boards;
        double free = 0, keyed = 0;
    } keyed[] = {
        {"96 boards, no constraint", &none, &boards},
        {"96 boards, one seat 15-17, suits 2 to 5", &simple, &boards},
        {"96 boards, one seat 20-21, no suit over 5", &rare, &boards},
        {"4 boards, impossible constraints", &impossible, &four},
    };
    double oneFree = 0, oneKeyed = 0;
    for (int round = 0; round < kRounds; ++round) {
        for (Keyed &k : keyed) {
            k.free = std::max(k.free, seriesAttemptsPerSecond(*k.t, *k.boards, &rng));
            k.keyed = std::max(k.keyed, seriesAttemptsPerSecond(*k.t, *k.boards, nullptr));
        }
        oneFree = std::max(oneFree, boardsPerSecond(none, &rng));
        oneKeyed = std::max(oneKeyed, boardsPerSecond(none, nullptr));
    }
    std::puts("With a dealing key (each board its own stream) against without, best of 7 rounds:");
    for (const Keyed &k : keyed)
        std::printf("%-44s %7.2f M attempts/s without, %7.2f M with: %.3f x the time\n", k.what, k.free / 1e6,
                    k.keyed / 1e6, k.free / k.keyed);
    std::printf("%-44s %7.3f M boards/s without, %7.3f M with: %.3f x the time\n",
                "one empty board per call, no constraint", oneFree / 1e6, oneKeyed / 1e6, oneFree / oneKeyed);
    std::printf("whole benchmark: %.1f s of wall time\n",
                std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count());
    return 0;
}
