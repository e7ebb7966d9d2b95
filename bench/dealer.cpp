// Attempts per second of the constrained dealer, single-threaded, and the
// time of dealing 96 boards under constraints no deal can meet.
#include <chrono>
#include <cstdio>

#include "dealing/dealer.h"

using namespace vrek;
using Clock = std::chrono::steady_clock;

namespace {

double seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

// Attempts per second over about one second of whole dealing runs.
double attemptsPerSecond(const ConstraintTable &t, Random &rng) {
    uint64_t attempts = 0;
    auto start = Clock::now();
    do {
        for (int i = 0; i < 1000; ++i) {
            Deal d;
            attempts += DealUnderConstraints(d, t, rng);
        }
    } while (seconds(start) < 1.0);
    return attempts / seconds(start);
}

}  // namespace

int main() {
    Random rng;

    ConstraintTable defaults;
    std::printf("empty deal, default constraints:        %6.2f M attempts/s\n",
                attemptsPerSecond(defaults, rng) / 1e6);

    ConstraintTable rare;
    ConstraintRecord &n = rare.record(1, North);
    n[kMinPoints] = 20;
    n[kMaxPoints] = 21;
    for (int suit = 1; suit <= 4; ++suit) n[suitByte(suit, kSuitMaxLength)] = 5;
    std::printf("North 20-21 points, no suit over 5:     %6.2f M attempts/s\n",
                attemptsPerSecond(rare, rng) / 1e6);

    ConstraintTable impossible;
    for (int seat = 1; seat <= 4; ++seat) {
        ConstraintRecord &r = impossible.record(1, seat);
        r[kMinPoints] = 30;
        for (int suit = 1; suit <= 4; ++suit) r[suitByte(suit, kSuitMaxPoints)] = 7;
    }
    std::printf("impossible constraints:                 %6.2f M attempts/s\n",
                attemptsPerSecond(impossible, rng) / 1e6);

    // The whole series through the loop the window and the batch command use,
    // with a progress callback standing in for the window's event pump.
    Series s;
    std::vector<int> boards;
    for (int b = 1; b <= kBoards; ++b) boards.push_back(b);
    int ticks = 0;
    auto start = Clock::now();
    auto out = dealSeries(s, boards, impossible, rng, {{}, [&](uint32_t) { ++ticks; }, {}});
    double t = seconds(start);
    uint64_t total = 0;
    for (const auto &o : out) total += o.attempts;
    std::printf("96 boards, impossible constraints:      %6.2f s for %llu attempts (%d progress calls)\n", t,
                static_cast<unsigned long long>(total), ticks);
    return 0;
}
