// The fairness report's calibration and power, on series drawn from a plain
// uniform shuffle (the standard library's generator and std::shuffle, not
// the program's dealer). Calibration: over 1000 fair series of 96 boards,
// the share of series where each test's p-value falls below 0.05 and 0.01
// (3-7 % and 0.2-2 % expected), and where the report as a whole departs.
// Power: series where every hand is balanced, and series with twice the
// expected hands holding a void, flagged at p < 0.001.
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <functional>
#include <random>

#include "stats/fairness.h"
#include "stats/fairnesslaw.h"

using namespace vrek;
using namespace vrek::fairness;

namespace {

constexpr int kSeries = 1000;
constexpr int kBoardsPerSeries = 96;

// A deal from a shuffled pack: cards 0 .. 12 to North, and so on. A deal
// record holds at most nine cards of a suit: the rare deal with ten (7e-5)
// is shuffled again.
Deal shuffledDeal(std::mt19937_64 &g) {
    for (;;) {
        std::array<int, 52> pack;
        for (int i = 0; i < 52; ++i) pack[static_cast<size_t>(i)] = i;
        std::shuffle(pack.begin(), pack.end(), g);
        Deal d;
        for (int i = 0; i < 52; ++i) {
            const int card = pack[static_cast<size_t>(i)];
            d.holding(i / 13 + 1, card / 13 + 1).insert(card % 13 + 2);
        }
        if (d.complete()) return d;
    }
}

int voidHands(const Deal &d) {
    int n = 0;
    for (int seat = 1; seat <= 4; ++seat) {
        bool v = false;
        for (int suit = 1; suit <= 4; ++suit) v = v || d.holding(seat, suit).count == 0;
        n += v;
    }
    return n;
}

bool allBalanced(const Deal &d) {
    for (int seat = 1; seat <= 4; ++seat) {
        std::array<int, 4> l;
        for (int suit = 1; suit <= 4; ++suit) l[static_cast<size_t>(suit - 1)] = d.holding(seat, suit).count;
        std::sort(l.begin(), l.end());
        if (l[0] < 2 || l[3] > 5 || (l[0] == 2 && l[1] == 2)) return false;  // 4333, 4432, 5332
    }
    return true;
}

std::vector<Deal> fairSeries(std::mt19937_64 &g) {
    std::vector<Deal> s;
    for (int b = 0; b < kBoardsPerSeries; ++b) s.push_back(shuffledDeal(g));
    return s;
}

std::vector<Deal> balancedSeries(std::mt19937_64 &g) {
    std::vector<Deal> s;
    while (s.size() < kBoardsPerSeries)
        if (Deal d = shuffledDeal(g); allBalanced(d)) s.push_back(d);
    return s;
}

// Exactly twice the expected hands with a void; every deal otherwise as a
// shuffle gives it among deals with or without voids.
std::vector<Deal> voidSeries(std::mt19937_64 &g, int target) {
    std::vector<Deal> s;
    int voids = 0;
    while (voids < target) {
        Deal d = shuffledDeal(g);
        const int v = voidHands(d);
        if (v > 0 && voids + v <= target) {
            s.push_back(d);
            voids += v;
        }
    }
    while (s.size() < kBoardsPerSeries)
        if (Deal d = shuffledDeal(g); voidHands(d) == 0) s.push_back(d);
    return s;
}

double seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

}  // namespace

int main() {
    auto start = std::chrono::steady_clock::now();
    // The laws are computed once, on first use.
    fairnessReport(std::vector<Deal>{}, 1);
    std::printf("exact laws computed in %.2f s\n", seconds(start));

    std::mt19937_64 g(20240611);
    int below05[kTests] = {}, below01[kTests] = {}, departs = 0;
    double reportTime = 0;
    for (int k = 0; k < kSeries; ++k) {
        const auto series = fairSeries(g);
        auto t0 = std::chrono::steady_clock::now();
        const Report r = fairnessReport(series, 1);
        reportTime += seconds(t0);
        bool any = false;
        for (int t = 0; t < kTests; ++t) {
            below05[t] += r.tests[static_cast<size_t>(t)].p < 0.05;
            below01[t] += r.tests[static_cast<size_t>(t)].p < 0.01;
            any = any || r.tests[static_cast<size_t>(t)].departs;
        }
        departs += any;
    }
    std::printf("Calibration: %d fair series of %d boards from std::shuffle (mt19937_64)\n", kSeries,
                kBoardsPerSeries);
    std::printf("%-26s %10s %10s\n", "test", "p < 0.05", "p < 0.01");
    for (int t = 0; t < kTests; ++t)
        std::printf("%-26s %9.1f %% %9.1f %%\n", testName(static_cast<Test>(t)), 100.0 * below05[t] / kSeries,
                    100.0 * below01[t] / kSeries);
    std::printf("report departs (1 %% overall): %.1f %% of the series\n", 100.0 * departs / kSeries);
    std::printf("one report of 96 boards: %.3f ms\n", 1000 * reportTime / kSeries);

    // Power.
    const double pVoid = [] {
        double p = 0;
        const auto &law = shortestLaw();
        p = law.single[0];
        return p;
    }();
    const int target = static_cast<int>(2 * pVoid * 4 * kBoardsPerSeries + 0.5);
    constexpr int kPowerSeries = 200;
    struct Case {
        const char *what;
        std::function<std::vector<Deal>()> make;
    } cases[] = {
        {"every hand balanced", [&] { return balancedSeries(g); }},
        {"twice the expected voids", [&] { return voidSeries(g, target); }},
    };
    std::printf("Power: %d series of %d boards each (voids: %d hands instead of %.1f)\n", kPowerSeries,
                kBoardsPerSeries, target, pVoid * 4 * kBoardsPerSeries);
    for (const Case &c : cases) {
        int flagged = 0, byTest[kTests] = {};
        double worst = 0;
        for (int k = 0; k < kPowerSeries; ++k) {
            const Report r = fairnessReport(c.make(), 1);
            double pmin = 1;
            for (int t = 0; t < kTests; ++t) {
                const double p = r.tests[static_cast<size_t>(t)].p;
                pmin = std::min(pmin, p);
                byTest[t] += p < 0.001;
            }
            flagged += pmin < 0.001;
            worst = std::max(worst, pmin);
        }
        std::printf("%-26s flagged at p < 0.001 by some test: %5.1f %% (largest smallest p %.2g); by each:", c.what,
                    100.0 * flagged / kPowerSeries, worst);
        for (int t = 0; t < kTests; ++t) std::printf(" %.0f %%", 100.0 * byTest[t] / kPowerSeries);
        std::printf("\n");
    }
    std::printf("whole benchmark: %.1f s of wall time\n", seconds(start));
    return 0;
}
