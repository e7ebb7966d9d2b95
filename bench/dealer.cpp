// Attempts per second of the constrained dealer, single-threaded, and the
// time of dealing 96 boards under constraints no deal can meet. Figures are
// given per second of wall time and per second of processor time, as the
// machine may be shared.
#include <chrono>
#include <cstdio>
#include <ctime>

#include "dealing/bitselect.h"
#include "dealing/dealer.h"

using namespace vrek;
using Clock = std::chrono::steady_clock;

namespace {

struct Timer {
    Clock::time_point wall = Clock::now();
    std::clock_t cpu = std::clock();
    double wallSeconds() const { return std::chrono::duration<double>(Clock::now() - wall).count(); }
    double cpuSeconds() const { return double(std::clock() - cpu) / CLOCKS_PER_SEC; }
};

void attemptsPerSecond(const char *what, const ConstraintTable &t, Random &rng) {
    uint64_t attempts = 0;
    Timer timer;
    do {
        for (int i = 0; i < 1000; ++i) {
            Deal d;
            attempts += DealUnderConstraints(d, t, rng);
        }
    } while (timer.wallSeconds() < 1.0);
    std::printf("%-40s %6.2f M attempts/s (%.2f per processor second)\n", what, attempts / timer.wallSeconds() / 1e6,
                attempts / timer.cpuSeconds() / 1e6);
}

void figures(const char *how) {
    Random rng;
    std::printf("-- %s\n", how);

    attemptsPerSecond("empty deal, default constraints:", ConstraintTable(), rng);

    ConstraintTable rare;
    ConstraintRecord &n = rare.record(1, North);
    n[kMinPoints] = 20;
    n[kMaxPoints] = 21;
    for (int suit = 1; suit <= 4; ++suit) n[suitByte(suit, kSuitMaxLength)] = 5;
    attemptsPerSecond("North 20-21 points, no suit over 5:", rare, rng);

    ConstraintTable impossible;
    for (int seat = 1; seat <= 4; ++seat) {
        ConstraintRecord &r = impossible.record(1, seat);
        r[kMinPoints] = 30;
        for (int suit = 1; suit <= 4; ++suit) r[suitByte(suit, kSuitMaxPoints)] = 7;
    }
    attemptsPerSecond("impossible constraints:", impossible, rng);

    // The whole series through the loop the window and the batch command use,
    // with a progress callback standing in for the window's event pump.
    Series s;
    std::vector<int> boards;
    for (int b = 1; b <= kBoards; ++b) boards.push_back(b);
    int ticks = 0;
    Timer timer;
    auto out = dealSeries(s, boards, impossible, rng, {{}, [&](uint32_t) { ++ticks; }, {}});
    uint64_t total = 0;
    for (const auto &o : out) total += o.attempts;
    std::printf("96 boards, impossible constraints:       %6.2f s for %llu attempts (%.2f s of processor, %d "
                "progress calls)\n",
                timer.wallSeconds(), static_cast<unsigned long long>(total), timer.cpuSeconds(), ticks);
}

}  // namespace

int main() {
    if (pdepAvailable()) {
        figures("pdep select (the default on this processor)");
        useFastSelect(false);
    }
    figures("broadword select");
    return 0;
}
